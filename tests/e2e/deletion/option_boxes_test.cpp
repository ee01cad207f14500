// The option boxes on the right of the main window, and the window's
// top-most mode they and the export leave behind.
#include <gtest/gtest.h>

#include "copied_program.h"

namespace {

using OptionBoxes = CopiedProgram;

const char kMultiItemQuestion[] =
    "多文件/夹删除功能正在测试中，请确认是否使用。\r\n"
    "目前多文件删除功能仅支持自动删除，使用时请注意自动删除是否被选中！";

// Checking 多文件处理 asks first; OK also checks 自动删除, Cancel takes the
// check back. Either way the window is lowered while asking and put back on
// top afterwards, as 窗口置顶 is checked.
TEST_F(OptionBoxes, MultiItemModeAsksAndOkAlsoChecksAutoDelete) {
  e2e::click(program, "选择框2");
  ASSERT_TRUE(e2e::settle(program));
  ASSERT_TRUE(e2e::isTopmost(program.main));
  for (const int answer : {IDCANCEL, IDOK}) {
    SCOPED_TRACE(answer == IDOK ? "OK" : "Cancel");
    e2e::click(program, "选择框3");
    const e2e::Box box = e2e::waitForBox(program);
    ASSERT_TRUE(box);
    EXPECT_TEXT(box.title, "测试功能");
    EXPECT_TEXT(box.text, kMultiItemQuestion);
    EXPECT_EQ(box.icon, e2e::BoxIcon::None);
    EXPECT_TRUE(box.hasOk);
    EXPECT_TRUE(box.hasCancel);
    EXPECT_TRUE(e2e::isChecked(program, "选择框3")) << "the click checked it";
    EXPECT_FALSE(e2e::isTopmost(program.main)) << "lowered while asking";
    close(box, answer);

    EXPECT_EQ(e2e::isChecked(program, "选择框3"), answer == IDOK);
    EXPECT_EQ(e2e::isChecked(program, "选择框1"), answer == IDOK);
    EXPECT_TRUE(e2e::isTopmost(program.main));
  }

  // Unchecking asks nothing and leaves 自动删除 checked.
  e2e::click(program, "选择框3");
  ASSERT_TRUE(e2e::settle(program));
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_FALSE(e2e::isChecked(program, "选择框3"));
  EXPECT_TRUE(e2e::isChecked(program, "选择框1"));
}

// 窗口置顶 sets the mode at once; an export lowers the window while its box
// is open and puts it back on top after, as long as the box is checked.
TEST_F(OptionBoxes, WindowOnTopHoldsThroughAnExport) {
  e2e::click(program, "选择框2");
  ASSERT_TRUE(e2e::settle(program));
  EXPECT_TRUE(e2e::isChecked(program, "选择框2"));
  EXPECT_TRUE(e2e::isTopmost(program.main));

  e2e::click(program, "按钮2");
  const e2e::Box exported = e2e::waitForBox(program);
  ASSERT_TRUE(exported);
  EXPECT_TRUE(exported.text.starts_with("导出成功至")) << exported.text;
  EXPECT_FALSE(e2e::isTopmost(program.main)) << "lowered while the box is open";
  close(exported);
  EXPECT_TRUE(e2e::isTopmost(program.main));

  e2e::click(program, "选择框2");
  ASSERT_TRUE(e2e::settle(program));
  EXPECT_FALSE(e2e::isChecked(program, "选择框2"));
  EXPECT_FALSE(e2e::isTopmost(program.main));
}

}  // namespace
