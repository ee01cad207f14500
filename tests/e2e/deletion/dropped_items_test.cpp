// Files and folders dropped on the main window by a real OLE drag from a
// second process, with auto delete on: deleted without confirmation.
#include <gtest/gtest.h>

#include "copied_program.h"

namespace {

using DroppedItems = CopiedProgram;

POINT overTheList() { return {8 + 536 / 2, 104 + 88 / 2}; }

// The drop happened and the source was told nothing was moved, so a file
// manager removes nothing of its own.
void expectDroppedWithoutMove(const e2e::DropResult& drop) {
  ASSERT_TRUE(drop.finished) << "the drag source did not report back";
  EXPECT_TRUE(drop.dropped);
  EXPECT_EQ(drop.effect, static_cast<DWORD>(DROPEFFECT_NONE));
}

TEST_F(DroppedItems, OneFileWithAutoDeleteGoesAtOnce) {
  e2e::click(program, "选择框1");
  ASSERT_TRUE(e2e::settle(program));
  ASSERT_TRUE(e2e::isChecked(program, "选择框1"));
  const std::string file = makeFile("拖来删除.bin", 12288);

  expectDroppedWithoutMove(e2e::dropFiles(program, {file}, overTheList()));
  ASSERT_TRUE(e2e::settle(program));

  const std::string line = "删除成功！（1）文件" + file + "——文件大小：12KB";
  EXPECT_FALSE(e2e::openBox(program)) << "no confirmation, no success box";
  EXPECT_FALSE(e2e::exists(file));
  EXPECT_TEXT(e2e::text(program, "编辑框1"), file);
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：12KB");
  EXPECT_TEXT(e2e::text(program, "标签2"), line);
  EXPECT_TEXT(e2e::text(program, "标签5"), "合计清理大小（约）：12KB");
  EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：1个文件，0个目录");
  EXPECT_EQ(e2e::listCount(program, "列表框1"), 2);
  EXPECT_TEXT(lastLogLine(), line);
  EXPECT_TRUE(lastLogLineSelected());
  EXPECT_FALSE(e2e::isTopmost(program.main)) << "窗口置顶 is not checked";
}

// Multi-item mode: every item measured and deleted in turn, numbered
// consecutively; the total adds the files' bytes (1536 + 2560 = 4 KB,
// though 1 KB and 2 KB are shown for them).
TEST_F(DroppedItems, TwoFilesAndAFolderInMultiItemMode) {
  e2e::click(program, "选择框3");
  const e2e::Box question = e2e::waitForBox(program);
  ASSERT_TRUE(question);
  close(question, IDOK);
  ASSERT_TRUE(e2e::isChecked(program, "选择框1"));
  ASSERT_TRUE(e2e::isChecked(program, "选择框3"));

  const std::string first = makeFile("第一个.txt", 1536);
  const std::string second = makeFile("第二个.txt", 2560);
  const std::string folder = makeFolder("拖来的目录");
  makeFolder("拖来的目录\\子目录");
  const std::string inside = makeFile("拖来的目录\\子目录\\里面.bin", 9000);

  expectDroppedWithoutMove(
      e2e::dropFiles(program, {first, second, folder}, overTheList()));
  ASSERT_TRUE(e2e::settle(program));

  EXPECT_FALSE(e2e::openBox(program));
  for (const std::string& path : {first, second, folder, inside})
    EXPECT_FALSE(e2e::exists(path)) << path;
  const std::vector<std::string> lines = {
      "欢迎使用Quorvin科技删除工具——工具现支持多文件和多文件夹删除！",
      "删除成功！（1）文件：" + first + "——文件大小：1KB",
      "删除成功！（2）文件：" + second + "——文件大小：2KB",
      "删除成功！（3）目录：" + folder};
  const std::vector<std::string> shown = e2e::listItems(program, "列表框1");
  ASSERT_EQ(shown.size(), lines.size());
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_TEXT(shown[i], lines[i]);
  EXPECT_TRUE(lastLogLineSelected());
  EXPECT_TEXT(e2e::text(program, "标签2"), lines.back());
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：0KB");  // the folder's
  EXPECT_TEXT(e2e::text(program, "标签5"), "合计清理大小（约）：4KB");
  EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：2个文件，1个目录");
  EXPECT_TEXT(e2e::text(program, "编辑框1"), "");  // not used in this mode
  EXPECT_FALSE(e2e::isTopmost(program.main));
}

// Multi-item mode with auto delete taken back: a drop changes nothing.
TEST_F(DroppedItems, MultiItemModeWithoutAutoDeleteDoesNothing) {
  e2e::click(program, "选择框3");
  const e2e::Box question = e2e::waitForBox(program);
  ASSERT_TRUE(question);
  close(question, IDOK);
  e2e::click(program, "选择框1");
  ASSERT_TRUE(e2e::settle(program));
  ASSERT_FALSE(e2e::isChecked(program, "选择框1"));
  ASSERT_TRUE(e2e::isChecked(program, "选择框3"));
  const std::string file = makeFile("不该删.txt", 12288);
  const std::string folder = makeFolder("不该删的目录");

  expectDroppedWithoutMove(
      e2e::dropFiles(program, {file, folder}, overTheList()));
  ASSERT_TRUE(e2e::settle(program));

  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_TRUE(e2e::exists(file));
  EXPECT_TRUE(e2e::exists(folder));
  EXPECT_TEXT(e2e::text(program, "编辑框1"), "");
  EXPECT_TEXT(e2e::text(program, "标签2"), "开始删除吧！");
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小（约）：0B");
  EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：0个文件，0个目录");
  EXPECT_EQ(e2e::listCount(program, "列表框1"), 1);
}

// A failed item costs one box, which holds the drop until answered; the
// next item is still deleted and gets the first number.
TEST_F(DroppedItems, MultiItemModeGoesOnAfterAFailedItem) {
  e2e::click(program, "选择框3");
  const e2e::Box question = e2e::waitForBox(program);
  ASSERT_TRUE(question);
  close(question, IDOK);
  const std::string stuck = makeReadOnlyFile("只读的.txt", 1024);
  const std::string file = makeFile("能删的.txt", 5120);

  e2e::Drop drop;
  ASSERT_TRUE(e2e::startDrop(drop, program, {stuck, file}, overTheList()));
  const e2e::Box failed = e2e::waitForBox(program);
  ASSERT_TRUE(failed);
  EXPECT_TEXT(failed.text, "删除失败！");
  EXPECT_TEXT(failed.title, "信息：");
  EXPECT_EQ(failed.icon, e2e::BoxIcon::None);
  EXPECT_TRUE(e2e::exists(file)) << "not before the box is answered";
  ASSERT_TRUE(e2e::answer(failed, IDOK));
  expectDroppedWithoutMove(e2e::waitForDrop(drop));
  ASSERT_TRUE(e2e::settle(program));

  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_TRUE(e2e::exists(stuck));
  EXPECT_FALSE(e2e::exists(file));
  const std::vector<std::string> shown = e2e::listItems(program, "列表框1");
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_TEXT(shown[1], "删除失败！" + stuck);
  EXPECT_TEXT(shown[2], "删除成功！（1）文件：" + file + "——文件大小：5KB");
  EXPECT_TEXT(e2e::text(program, "标签5"), "合计清理大小（约）：5KB");
  EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：1个文件，0个目录");
}

// In single mode several items make one text that names no path: the
// missing-target box, one line with the joined text, and nothing deleted.
TEST_F(DroppedItems, SeveralItemsInSingleModeAreOneMissingTarget) {
  const std::string first = makeFile("甲.txt", 100);
  const std::string second = makeFile("乙.txt", 100);

  e2e::Drop drop;
  ASSERT_TRUE(e2e::startDrop(drop, program, {first, second}, overTheList()));
  const e2e::Box missing = e2e::waitForBox(program);
  ASSERT_TRUE(missing);
  EXPECT_TEXT(missing.text, "未发现删除对象");
  EXPECT_TEXT(missing.title, "错误的删除");
  EXPECT_EQ(missing.icon, e2e::BoxIcon::Error);
  ASSERT_TRUE(e2e::answer(missing, IDOK));
  expectDroppedWithoutMove(e2e::waitForDrop(drop));
  ASSERT_TRUE(e2e::settle(program));

  const std::string line =
      "删除失败！未发现" + first + "\r\n" + second + "\r\n";
  EXPECT_TEXT(e2e::text(program, "标签2"), line);
  EXPECT_TEXT(lastLogLine(), line);
  EXPECT_TRUE(e2e::exists(first));
  EXPECT_TRUE(e2e::exists(second));
  EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：0个文件，0个目录");
}

}  // namespace
