// A real main window made by the Win32 toolkit from a small definition with
// one control of each kind, shown on the Wine desktop, with every event it
// raises written down.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "platform/win32/win32_toolkit.h"

// Texts are UTF-8 on both sides.
#define EXPECT_TEXT(actual, expected) EXPECT_EQ(actual, expected)

// Handles every message waiting now, by the program's own keyboard rules.
void pumpMessages();

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The window's definition: the main window's controls, a few of them.
  WindowDefinition definition();
  HWND window() { return toolkit_->windowHandle(WindowId::Main); }
  HWND handle(const std::string& name) {
    return toolkit_->controlHandle({WindowId::Main, name});
  }
  static Control control(const std::string& name) {
    return {WindowId::Main, name};
  }
  Win32Toolkit& ui() { return *toolkit_; }

  std::unique_ptr<Win32Toolkit> toolkit_;
  // What the edit box's handler read at each change event.
  std::vector<std::string> pathChanges;
  int deleteClicks = 0;
  // The check box's state as its handler saw it at each click.
  std::vector<bool> autoDeleteClicks;
  int destroyings = 0;
};
