// A scenario's starting point: a copy of the program in a folder of its own
// (records are written next to the program, so they land where the scenario
// can read them and are removed with the folder), started, its start-up
// box answered (the offline notice when no server runs) and its main window
// shown; and a second folder for the files and folders to delete.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "program_driver.h"
#include "text_expectations.h"

class CopiedProgram : public testing::Test {
 protected:
  void SetUp() override;

  // The path box's text, as if typed: its size is measured at once.
  void typePath(const std::string& path);
  // Presses 删除 and waits for the box it opens.
  e2e::Box pressDelete();
  // Presses 删除, answers the confirmation with OK and waits for the box
  // that reports the result; `confirmation` keeps the first box.
  e2e::Box deleteConfirmed(e2e::Box* confirmation = nullptr);
  // Answers the box and waits until the handler that opened it has ended.
  void close(const e2e::Box& box, int button = IDOK);

  // A file or folder in the work folder: its full path.
  std::string workPath(const std::string& name) const;
  std::string makeFile(const std::string& name, size_t size);
  std::string makeFolder(const std::string& name);
  std::string makeReadOnlyFile(const std::string& name, size_t size);

  // The last entry of the activity list, and whether it is the selected one.
  std::string lastLogLine();
  bool lastLogLineSelected();

  e2e::Program program;
  std::wstring programFolder;  // holds the copy of the exe, and the records
  std::wstring workFolder;     // the targets
};
