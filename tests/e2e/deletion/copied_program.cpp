#include "copied_program.h"

#include "waiting.h"

void CopiedProgram::SetUp() {
  programFolder = e2e::testFolder("程序");
  workFolder = e2e::testFolder("删除");
  const std::wstring exe = programFolder + L"\\quorvin-delete.exe";
  ASSERT_TRUE(CopyFileW(e2e::programPath().c_str(), exe.c_str(), TRUE));
  ASSERT_TRUE(e2e::start(program, workFolder, exe));
  // With no server the offline notice comes first (the start-up scenarios
  // check it); a loopback server left by another run may send its notice
  // instead. Whatever the box, it is answered.
  for (int boxes = 0; boxes < 3; ++boxes) {
    const bool shown = e2e::waitUntil(
        [&] { return e2e::openBox(program) || e2e::findMainWindow(program); });
    ASSERT_TRUE(shown) << "neither a box nor the main window at start-up";
    const e2e::Box box = e2e::openBox(program);
    if (!box) break;
    ASSERT_TRUE(e2e::answer(box, IDOK));
  }
  ASSERT_TRUE(e2e::waitForMainWindow(program)) << "no main window";
  ASSERT_FALSE(e2e::openBox(program));
  ASSERT_TRUE(e2e::settle(program));
}

void CopiedProgram::typePath(const std::string& path) {
  e2e::setText(program, "编辑框1", path);
}

e2e::Box CopiedProgram::pressDelete() {
  e2e::click(program, "按钮1");
  return e2e::waitForBox(program);
}

e2e::Box CopiedProgram::deleteConfirmed(e2e::Box* confirmation) {
  const e2e::Box asked = pressDelete();
  if (confirmation) *confirmation = asked;
  if (!asked || asked.text != "确认删除吗？\r\n一旦删除将无法恢复！") {
    ADD_FAILURE() << "no confirmation; box: \"" << asked.text << "\"";
    return {};
  }
  if (!e2e::answer(asked, IDOK)) return {};
  return e2e::waitForBox(program);
}

void CopiedProgram::close(const e2e::Box& box, int button) {
  ASSERT_TRUE(e2e::answer(box, button));
  ASSERT_TRUE(e2e::settle(program));
}

std::string CopiedProgram::workPath(const std::string& name) const {
  return e2e::narrow(workFolder) + "\\" + name;
}

std::string CopiedProgram::makeFile(const std::string& name, size_t size) {
  const std::string path = e2e::makeFile(workFolder, name, size);
  EXPECT_FALSE(path.empty()) << name;
  return path;
}

std::string CopiedProgram::makeFolder(const std::string& name) {
  const std::string path = workPath(name);
  EXPECT_TRUE(CreateDirectoryW(e2e::wide(path).c_str(), nullptr)) << name;
  return path;
}

std::string CopiedProgram::makeReadOnlyFile(const std::string& name,
                                            size_t size) {
  const std::string path = makeFile(name, size);
  EXPECT_TRUE(
      SetFileAttributesW(e2e::wide(path).c_str(), FILE_ATTRIBUTE_READONLY));
  return path;
}

std::string CopiedProgram::lastLogLine() {
  const int count = e2e::listCount(program, "列表框1");
  return count > 0 ? e2e::listItem(program, "列表框1", count - 1) : "";
}

bool CopiedProgram::lastLogLineSelected() {
  const int count = e2e::listCount(program, "列表框1");
  return count > 0 && e2e::listSelection(program, "列表框1") == count - 1;
}
