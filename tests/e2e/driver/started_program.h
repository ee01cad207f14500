// A scenario's starting point: the program started from a folder of its own
// (not the program's), its offline notice answered, its main window shown.
// No test server runs, so the online test fails and the program says so.
#pragma once

#include <gtest/gtest.h>

#include <iostream>

#include "program_driver.h"
#include "text_expectations.h"

class StartedProgram : public testing::Test {
 protected:
  void SetUp() override {
    startFolder = e2e::testFolder("start");
    const ULONGLONG started = GetTickCount64();
    ASSERT_TRUE(e2e::start(program, startFolder));
    offlineBox = e2e::waitForBox(program);
    ASSERT_TRUE(offlineBox) << "no box at start-up";
    mainShownWithBox = e2e::findMainWindow(program) != nullptr;
    ASSERT_TRUE(e2e::answer(offlineBox, IDOK));
    ASSERT_TRUE(e2e::waitForMainWindow(program)) << "no main window";
    std::cout << "[ timing   ] start to main window shown: "
              << GetTickCount64() - started << " ms\n";
  }

  e2e::Program program;
  std::wstring startFolder;
  e2e::Box offlineBox;            // as it was while open
  bool mainShownWithBox = false;  // the main window was visible meanwhile
};
