// Real folders for the system tests under the build tree, reached from
// Wine through the Z: drive, and small helpers around them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_system.h"

// The Windows path of a Unix path, through Wine's Z: drive.
std::string windowsPathOf(const std::string& unixPath);
// Runs a UTF-8 command line in the Unix shell (tests/shared/unix_command.h)
// and waits for it; its exit code, -1 when it cannot be started or does not
// end in time. No double quotes in the command (quote with single ones).
int runUnix(const std::string& commandLine);
// True when running under Wine.
bool underWine();

// A fresh, empty folder per test, named after it, with helpers that use
// the W functions directly (not the code under test).
class FolderTest : public testing::Test {
 protected:
  void SetUp() override;

  std::string path(const std::string& name) const;      // in the folder
  std::string unixPath(const std::string& name) const;  // for Unix tools
  void makeFile(const std::string& name, const std::string& bytes = "data");
  void makeFolder(const std::string& name);
  bool present(const std::string& name) const;
  std::string contents(const std::string& name) const;
  void setReadOnly(const std::string& name);
  // Every entry name in a folder of the test folder ("" for itself).
  std::vector<std::string> listing(const std::string& folder = "") const;

  Win32System sys;
  std::string folder_;      // Windows path
  std::string unixFolder_;  // Unix path, UTF-8
};
