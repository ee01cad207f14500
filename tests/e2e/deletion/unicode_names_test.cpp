// Names in any script, typed or dropped: each is measured, deleted and shown
// exactly as it is, and the GBK record writes what GBK cannot hold as "?".
#include <gtest/gtest.h>

#include "copied_program.h"
#include "record_files.h"

namespace {

using UnicodeNames = CopiedProgram;

POINT overTheList() { return {8 + 536 / 2, 104 + 88 / 2}; }

// Through GBK the path would read "…\??.txt", a pattern that finds ab.txt.
TEST_F(UnicodeNames, ATypedHangulNameIsMeasuredAndDeletedAlone) {
  const std::string photo = makeFile("사진.txt", 3 * 1024);
  const std::string other = makeFile("ab.txt", 5 * 1024);
  typePath(photo);
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：3KB");

  const e2e::Box done = deleteConfirmed();
  ASSERT_TRUE(done);
  EXPECT_TEXT(done.text, "删除成功！");
  close(done);
  EXPECT_FALSE(e2e::exists(photo));
  EXPECT_TRUE(e2e::exists(other));
  const std::string line =
      "手动删除成功！（1）文件：" + photo + "——文件大小：3KB";
  EXPECT_TEXT(e2e::text(program, "标签2"), line);
  EXPECT_TEXT(lastLogLine(), line);
  EXPECT_TEXT(e2e::text(program, "标签5"), "合计清理大小（约）：3KB");
}

TEST_F(UnicodeNames, ATypedCyrillicFolderWithAnEmojiGoesAlone) {
  const std::string folder = makeFolder("фото😀");
  const std::string inside = makeFile("фото😀\\사진.txt", 100);
  const std::string sibling = makeFolder("фото12");  // "фото??" would match
  const std::string kept = makeFile("фото12\\keep.txt", 100);
  typePath(folder);
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：0KB");

  close(deleteConfirmed());
  EXPECT_FALSE(e2e::exists(inside));
  EXPECT_FALSE(e2e::exists(folder));
  EXPECT_TRUE(e2e::exists(kept));
  const std::string line = "手动删除成功！（1）目录：" + folder;
  EXPECT_TEXT(e2e::text(program, "标签2"), line);
  EXPECT_TEXT(lastLogLine(), line);
  EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：0个文件，1个目录");
}

TEST_F(UnicodeNames, ADroppedEmojiNameInSingleMode) {
  e2e::click(program, "选择框1");
  ASSERT_TRUE(e2e::settle(program));
  const std::string file = makeFile("笑😀.txt", 2048);
  const std::string other = makeFile("笑xy.txt", 4096);

  const e2e::DropResult drop = e2e::dropFiles(program, {file}, overTheList());
  ASSERT_TRUE(drop.finished && drop.dropped);
  ASSERT_TRUE(e2e::settle(program));
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_FALSE(e2e::exists(file));
  EXPECT_TRUE(e2e::exists(other));
  EXPECT_TEXT(e2e::text(program, "编辑框1"), file);
  const std::string line = "删除成功！（1）文件" + file + "——文件大小：2KB";
  EXPECT_TEXT(e2e::text(program, "标签2"), line);
  EXPECT_TEXT(lastLogLine(), line);
}

TEST_F(UnicodeNames, DroppedEmojiNamesInMultiItemMode) {
  e2e::click(program, "选择框3");
  const e2e::Box question = e2e::waitForBox(program);
  ASSERT_TRUE(question);
  close(question, IDOK);
  const std::string file = makeFile("😀.txt", 1024);
  const std::string folder = makeFolder("사진😀");
  makeFile("사진😀\\фото.jpg", 100);
  const std::string other = makeFile("xy.txt", 4096);

  const e2e::DropResult drop =
      e2e::dropFiles(program, {file, folder}, overTheList());
  ASSERT_TRUE(drop.finished && drop.dropped);
  ASSERT_TRUE(e2e::settle(program));
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_FALSE(e2e::exists(file));
  EXPECT_FALSE(e2e::exists(folder));
  EXPECT_TRUE(e2e::exists(other));
  const std::vector<std::string> shown = e2e::listItems(program, "列表框1");
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_TEXT(shown[1], "删除成功！（1）文件：" + file + "——文件大小：1KB");
  EXPECT_TEXT(shown[2], "删除成功！（2）目录：" + folder);
}

// The record is GBK: the Hangul and the emoji read "?" there, one per
// character; every other byte is the GBK of the list as shown.
TEST_F(UnicodeNames, TheRecordHoldsSuchNamesAsQuestionMarks) {
  const std::string photo = makeFile("사진.txt", 3 * 1024);
  typePath(photo);
  close(deleteConfirmed());
  const std::string folder = makeFolder("фото😀");
  typePath(folder);
  close(deleteConfirmed());

  e2e::click(program, "按钮2");
  const e2e::Box box = e2e::waitForBox(program);
  ASSERT_TRUE(box);
  const std::string prefix = "导出成功至";
  ASSERT_TRUE(box.text.starts_with(prefix)) << box.text;
  const std::string record = e2e::fileBytes(box.text.substr(prefix.size()));
  close(box);

  const std::string work = e2e::narrow(workFolder);
  const std::string lines =
      "欢迎使用Quorvin科技删除工具——工具现支持多文件和多文件夹删除！\r\n"
      "手动删除成功！（1）文件：" +
      work + "\\??.txt——文件大小：3KB\r\n手动删除成功！（2）目录：" + work +
      "\\фото?\r\n";
  EXPECT_TRUE(record.starts_with(e2e::gbk(lines)))
      << "record:\n"
      << e2e::hexDump(record.substr(0, 400));
  EXPECT_TRUE(record.ends_with(
      e2e::gbk("个文件/夹，其中文件1个，目录1个。合计清理大小（约）：3KB\r\n"
               "感谢您使用Quorvin科技删除工具")));
}

}  // namespace
