// 导出删除记录: the record file next to the program, read back byte for
// byte, and an export that cannot be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iostream>

#include "copied_program.h"
#include "record_files.h"

namespace {

const char kRecordName[] = "Quorvin删除工具记录.txt";
const char kExportTitle[] = "Quorvin科技删除工具记录导出";

class RecordExport : public CopiedProgram {
 protected:
  std::vector<std::string> recordsInProgramFolder() {
    std::vector<std::string> records;
    for (const std::string& name : e2e::folderEntries(programFolder))
      if (name.ends_with(kRecordName)) records.push_back(name);
    return records;
  }

  std::string inProgramFolder(const std::string& name) {
    return e2e::narrow(programFolder) + "\\" + name;
  }
};

std::string beforeLineEnd(const std::string& text, size_t from = 0) {
  return text.substr(from, text.find("\r\n", from) - from);
}

// The first two lines and the last two, for a person to compare with the
// record's description.
void printRecord(const std::string& name, const std::string& record) {
  const size_t second = record.find("\r\n") + 2;
  const size_t third = record.find("\r\n", second) + 2;
  const size_t last = record.rfind("\r\n", record.rfind("\r\n") - 1) + 2;
  std::cout << "[ record   ] " << name << ", " << record.size()
            << " bytes\n[ record   ] first two lines:\n"
            << e2e::hexDump(record.substr(0, third))
            << "[ record   ] last two lines:\n"
            << e2e::hexDump(record.substr(last), last);
}

TEST_F(RecordExport, WritesTheListStampAndSummaryNextToTheProgram) {
  const std::string deleted = makeFile("已删除.log", 12288);
  typePath(deleted);
  close(deleteConfirmed());
  const std::string stuck = makeReadOnlyFile("删不掉.log", 12288);
  typePath(stuck);
  close(deleteConfirmed());
  ASSERT_EQ(e2e::listCount(program, "列表框1"), 3);
  ASSERT_TRUE(e2e::isTopmost(program.main));

  const SYSTEMTIME before = e2e::localNow();
  e2e::click(program, "按钮2");
  const e2e::Box box = e2e::waitForBox(program);
  const SYSTEMTIME after = e2e::localNow();
  ASSERT_TRUE(box);
  const std::vector<std::string> records = recordsInProgramFolder();
  ASSERT_EQ(records.size(), 1u);
  const std::string name = records[0];
  const std::string path = inProgramFolder(name);
  EXPECT_TEXT(box.text, "导出成功至" + path);
  EXPECT_TEXT(box.title, kExportTitle);
  EXPECT_EQ(box.icon, e2e::BoxIcon::Information);
  EXPECT_TRUE(box.hasOk);
  EXPECT_FALSE(box.hasCancel);
  close(box);
  EXPECT_FALSE(e2e::isTopmost(program.main))
      << "an export lowers the window and 窗口置顶 is not checked";

  // The content's stamp is read first, so it is the name's or a second
  // before it.
  const std::vector<std::string> stamps =
      e2e::dateTimeTextsBetween(before, after);
  const auto named =
      std::find(stamps.begin(), stamps.end(),
                name.substr(0, name.size() - strlen(kRecordName)));
  ASSERT_NE(named, stamps.end()) << name;

  const std::string record = e2e::fileBytes(path);
  const std::string list =
      "欢迎使用Quorvin科技删除工具——工具现支持多文件和多文件夹删除！\r\n"
      "手动删除成功！（1）文件：" +
      deleted +
      "——文件大小：12KB\r\n"
      "删除失败！" +
      stuck + "\r\n";
  const std::string summary =
      "----此次共删除2个文件/夹，其中文件1个，目录0个。"
      "合计清理大小（约）：12KB\r\n感谢您使用Quorvin科技删除工具";
  bool matched = false;
  for (auto stamp = stamps.begin(); stamp <= named; ++stamp)
    matched = matched || record == e2e::gbk(list + *stamp + summary);
  EXPECT_TRUE(matched) << "record:\n"
                       << e2e::hexDump(record) << "\nwanted, stamp aside:\n"
                       << e2e::hexDump(e2e::gbk(list + *named + summary));
  EXPECT_FALSE(record.starts_with("\xEF\xBB\xBF")) << "no byte-order mark";
  EXPECT_EQ(beforeLineEnd(record), e2e::gbk(beforeLineEnd(list)));
  printRecord(name, record);
}

// Folders stand where the record files of the coming seconds would go:
// nothing can be written, the user is told so, and no file is left.
TEST_F(RecordExport, TellsWhenTheRecordCannotBeWritten) {
  constexpr int kSeconds = 30;
  const SYSTEMTIME start = e2e::localNow();
  std::vector<std::string> blocked;
  for (int s = 0; s <= kSeconds; ++s) {
    blocked.push_back(inProgramFolder(
        e2e::dateTimeText(e2e::secondsLater(start, s)) + kRecordName));
    ASSERT_TRUE(CreateDirectoryW(e2e::wide(blocked.back()).c_str(), nullptr));
  }
  const std::vector<std::string> entries = e2e::folderEntries(programFolder);

  e2e::click(program, "按钮2");
  const e2e::Box box = e2e::waitForBox(program);
  ASSERT_TRUE(box);
  ASSERT_LT(e2e::dateTimeTextsBetween(start, e2e::localNow()).size(),
            static_cast<size_t>(kSeconds))
      << "too slow for the folders put in the way";
  const std::string failed = "导出失败！无法写入";
  ASSERT_TRUE(box.text.starts_with(failed)) << box.text;
  const std::string path = box.text.substr(failed.size());
  EXPECT_NE(std::find(blocked.begin(), blocked.end(), path), blocked.end())
      << path;
  EXPECT_TEXT(box.title, kExportTitle);
  EXPECT_EQ(box.icon, e2e::BoxIcon::Error);
  EXPECT_TRUE(box.hasOk);
  EXPECT_FALSE(box.hasCancel);
  close(box);

  EXPECT_EQ(e2e::folderEntries(programFolder), entries)
      << "no partial or temporary file";
  for (const std::string& folder : blocked)
    EXPECT_EQ(GetFileAttributesW(e2e::wide(folder).c_str()) &
                  FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

}  // namespace
