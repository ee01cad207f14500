// A program on the test doubles: the main window created, nothing run yet.
#pragma once

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "fakes/fake_system.h"
#include "fakes/fake_toolkit.h"
#include "gbk_text.h"

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { ui.createWindow(mainWindowDefinition(p)); }

  void typePath(const std::string& path) { ui.type("编辑框1", path); }
  void clickMain(const std::string& name) { ui.click(WindowId::Main, name); }
  void check(const std::string& name) {
    ui.state(WindowId::Main, name).checked = true;
  }

  FakeToolkit ui;
  FakeSystem sys;
  DeletionTally tally;
  Program p{ui, sys, tally};
};
