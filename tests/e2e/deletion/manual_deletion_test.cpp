// Deleting through the path box and the 删除 button: real files and folders,
// the real boxes, labels and activity list.
#include <gtest/gtest.h>

#include "copied_program.h"

namespace {

using ManualDeletion = CopiedProgram;

const char kConfirmation[] = "确认删除吗？\r\n一旦删除将无法恢复！";

void expectPlainBox(const e2e::Box& box, const std::string& text,
                    bool withCancel) {
  EXPECT_TEXT(box.text, text);
  EXPECT_TEXT(box.title, "信息：");
  EXPECT_EQ(box.icon, e2e::BoxIcon::None);
  EXPECT_TRUE(box.hasOk);
  EXPECT_EQ(box.hasCancel, withCancel);
}

// The typical deletion: a 12 KB file typed into the path box, confirmed.
// The success box comes before any label changes.
TEST_F(ManualDeletion, DeletesATypedFileAndLogsIt) {
  const std::string file = makeFile("十二千字节.log", 12288);
  typePath(file);
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：12KB");
  EXPECT_FALSE(e2e::isTopmost(program.main));

  e2e::Box confirmation;
  const e2e::Box done = deleteConfirmed(&confirmation);
  expectPlainBox(confirmation, kConfirmation, true);
  ASSERT_TRUE(done);
  expectPlainBox(done, "删除成功！", false);
  EXPECT_FALSE(e2e::exists(file));
  EXPECT_TEXT(e2e::text(program, "标签2"), "开始删除吧！");
  EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：0个文件，0个目录");
  EXPECT_EQ(e2e::listCount(program, "列表框1"), 1);
  close(done);

  const std::string line =
      "手动删除成功！（1）文件：" + file + "——文件大小：12KB";
  EXPECT_TEXT(e2e::text(program, "标签2"), line);
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：12KB");
  EXPECT_TEXT(e2e::text(program, "标签5"), "合计清理大小（约）：12KB");
  EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：1个文件，0个目录");
  EXPECT_EQ(e2e::listCount(program, "列表框1"), 2);
  EXPECT_TEXT(lastLogLine(), line);
  EXPECT_TRUE(lastLogLineSelected());
  EXPECT_TEXT(e2e::text(program, "编辑框1"), file);  // not cleared
  EXPECT_TRUE(e2e::isTopmost(program.main))
      << "the delete button leaves the window on top, box checked or not";
  EXPECT_FALSE(e2e::isChecked(program, "选择框2"));
}

// A tree of files and folders goes as one folder: counted once, numbered
// after the file before it, and the total keeps the file's size only.
TEST_F(ManualDeletion, DeletesAFolderTreeAndCountsItOnce) {
  const std::string file = makeFile("先删的.txt", 3000);
  typePath(file);
  close(deleteConfirmed());
  ASSERT_FALSE(e2e::exists(file));

  const std::string tree = makeFolder("待删目录");
  makeFile("待删目录\\说明.txt", 5000);
  makeFolder("待删目录\\子目录");
  makeFile("待删目录\\子目录\\数据.bin", 40000);
  makeFolder("待删目录\\子目录\\更深");
  makeFile("待删目录\\子目录\\更深\\奬励.dat", 70000);
  makeFolder("待删目录\\空目录");
  typePath(tree);
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：0KB");
  ASSERT_TRUE(e2e::isTopmost(program.main)) << "left on top by the first";

  const e2e::Box confirmation = pressDelete();
  ASSERT_TRUE(confirmation);
  EXPECT_FALSE(e2e::isTopmost(program.main)) << "lowered while it asks";
  ASSERT_TRUE(e2e::answer(confirmation, IDOK));
  const e2e::Box done = e2e::waitForBox(program);
  ASSERT_TRUE(done);
  expectPlainBox(done, "删除成功！", false);
  close(done);

  const std::string line = "手动删除成功！（2）目录：" + tree;
  EXPECT_FALSE(e2e::exists(tree));
  EXPECT_TEXT(e2e::text(program, "标签2"), line);
  EXPECT_TEXT(e2e::text(program, "标签5"), "合计清理大小（约）：2KB");
  EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：1个文件，1个目录");
  EXPECT_EQ(e2e::listCount(program, "列表框1"), 3);
  EXPECT_TEXT(lastLogLine(), line);
  EXPECT_TRUE(lastLogLineSelected());
}

// What can go is gone; the folder and the read-only file stay, and the
// whole is reported as a failure that changes no count.
TEST_F(ManualDeletion, FolderWithAReadOnlyFileIsAFailure) {
  const std::string folder = makeFolder("有只读文件");
  const std::string plain = makeFile("有只读文件\\普通.txt", 2048);
  makeFolder("有只读文件\\子目录");
  const std::string inner = makeFile("有只读文件\\子目录\\里面.txt", 2048);
  const std::string readOnly = makeReadOnlyFile("有只读文件\\只读.txt", 4096);
  typePath(folder);

  const e2e::Box failed = deleteConfirmed();
  ASSERT_TRUE(failed);
  expectPlainBox(failed, "删除失败！", false);
  close(failed);

  EXPECT_TRUE(e2e::exists(folder));
  EXPECT_TRUE(e2e::exists(readOnly));
  EXPECT_FALSE(e2e::exists(plain));
  EXPECT_FALSE(e2e::exists(inner));
  EXPECT_TEXT(e2e::text(program, "标签2"), "删除失败！" + folder);
  EXPECT_TEXT(lastLogLine(), "删除失败！" + folder);
  EXPECT_TRUE(lastLogLineSelected());
  EXPECT_TEXT(e2e::text(program, "标签5"), "合计清理大小（约）：0B");
  EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：0个文件，0个目录");
  EXPECT_TRUE(e2e::isTopmost(program.main));
}

TEST_F(ManualDeletion, CancelChangesNothingButTheTopmostMode) {
  const std::string file = makeFile("留着.txt", 12288);
  typePath(file);
  const e2e::Box confirmation = pressDelete();
  ASSERT_TRUE(confirmation);
  expectPlainBox(confirmation, kConfirmation, true);
  close(confirmation, IDCANCEL);

  EXPECT_TRUE(e2e::exists(file));
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_TEXT(e2e::text(program, "标签2"), "开始删除吧！");
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：12KB");
  EXPECT_TEXT(e2e::text(program, "标签5"), "合计清理大小（约）：0B");
  EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：0个文件，0个目录");
  EXPECT_EQ(e2e::listCount(program, "列表框1"), 1);
  EXPECT_TRUE(e2e::isTopmost(program.main));
}

// Paths that name nothing are reported before any confirmation, and each
// costs one log line. A folder typed with a trailing backslash counts as
// missing; it is not touched.
TEST_F(ManualDeletion, ReportsMissingTargetsWithoutAsking) {
  const std::string folder = makeFolder("有斜杠");
  const std::string inside = makeFile("有斜杠\\内容.txt", 100);
  const std::string missing[] = {workPath("不存在.txt"), "", folder + "\\"};
  int lines = 1;
  for (const std::string& path : missing) {
    SCOPED_TRACE("path \"" + path + "\"");
    typePath(path);
    const e2e::Box box = pressDelete();
    ASSERT_TRUE(box);
    EXPECT_TEXT(box.text, "未发现删除对象");
    EXPECT_TEXT(box.title, "错误的删除");
    EXPECT_EQ(box.icon, e2e::BoxIcon::Error);
    EXPECT_FALSE(box.hasCancel);
    EXPECT_FALSE(e2e::isTopmost(program.main)) << "lowered while it tells";
    close(box);

    EXPECT_FALSE(e2e::openBox(program)) << "no confirmation after it";
    EXPECT_TEXT(e2e::text(program, "标签2"), "删除失败！未发现" + path);
    EXPECT_EQ(e2e::listCount(program, "列表框1"), ++lines);
    EXPECT_TEXT(lastLogLine(), "删除失败！未发现" + path);
    EXPECT_TRUE(lastLogLineSelected());
    EXPECT_TEXT(e2e::text(program, "标签3"), "当前已删除：0个文件，0个目录");
    EXPECT_TRUE(e2e::isTopmost(program.main));
  }
  EXPECT_TRUE(e2e::exists(inside));
}

}  // namespace
