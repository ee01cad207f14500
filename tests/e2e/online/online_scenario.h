// The starting point of the online scenarios: the loopback servers set up
// as a scenario asks, the program started from a folder of its own, and
// everything it shows watched, including whether its main window was ever
// visible.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "browser_record.h"
#include "loopback_servers.h"
#include "program_driver.h"
#include "text_expectations.h"

// What the program shows next.
struct Sight {
  e2e::Box box;         // a message box, if one is open
  HWND main = nullptr;  // the main window, if it is visible
  bool ended = false;   // the process has ended
};

class OnlineScenario : public testing::Test {
 protected:
  void TearDown() override { e2e::stopServers(); }

  // Starts `program` and notes the time.
  bool start(e2e::Program& program);
  // Waits until the program shows a box or its main window, or ends.
  Sight waitForSight(e2e::Program& program, DWORD patience = e2e::kPatience);
  // Waits until the program has ended; its exit code.
  std::optional<DWORD> waitForEnd(e2e::Program& program);
  // Milliseconds since `program` was started.
  ULONGLONG elapsed() const { return GetTickCount64() - startedAt; }

  // The usual start: servers up, the program started, nothing shown but
  // the main window (or, offline, the offline box first, answered).
  void startToMainWindow(const e2e::Servers& servers,
                         const e2e::Routes& routes = {});

  // A visible main window was seen at any time while watching.
  bool mainEverShown = false;
  ULONGLONG startedAt = 0;
  e2e::Program program;
};

// The notice document as the server sends it (UTF-8).
std::string noticeDocument(const std::string& status,
                           const std::string& announcement);

// The About window, opened with the main window's button 按钮3 "关于".
HWND openAboutWindow(const e2e::Program& program);
// Presses a key with `window` in front (the driver's keys go to the main
// window, which the open About window disables).
bool pressKeyIn(HWND window, WORD virtualKey);
// Test names from the first field of a table row.
template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
  return info.param.name;
}
