#include "program_fixture.h"

namespace {

const char* const kMultiItemQuestion =
    "box 测试功能: 多文件/夹删除功能正在测试中，请确认是否使用。\r\n"
    "目前多文件删除功能仅支持自动删除，使用时请注意自动删除是否被选中！";

using OptionBoxes = ProgramTest;

TEST_F(OptionBoxes, MultiItemModeConfirmedAlsoTurnsOnAutoDelete) {
  clickMain("选择框3");
  EXPECT_TEXTS(ui.takeTimeline(), "topmost off", kMultiItemQuestion,
               "check 选择框1 on");
  EXPECT_EQ(ui.boxes.back().kind, kBoxOkCancel);
  EXPECT_TRUE(ui.isChecked(mainControl("选择框3")));
}

TEST_F(OptionBoxes, MultiItemModeCancelledUnchecksItAgain) {
  for (int answer : {kAnswerCancel, kAnswerNo}) {
    ui.answers.push_back(answer);
    clickMain("选择框3");
    EXPECT_TEXTS(ui.takeTimeline(), "topmost off", kMultiItemQuestion,
                 "check 选择框3 off");
    EXPECT_FALSE(ui.isChecked(mainControl("选择框1")));
  }
}

TEST_F(OptionBoxes, UncheckingMultiItemModeAsksNothing) {
  clickMain("选择框3");  // on, confirmed
  ui.takeTimeline();
  clickMain("选择框3");  // off
  EXPECT_TEXTS(ui.takeTimeline(), "topmost off");
  EXPECT_TRUE(ui.isChecked(mainControl("选择框1"))) << "auto delete stays";
}

TEST_F(OptionBoxes, WindowOnTopFollowsItsBoxAndIsRestoredAfterOtherHandlers) {
  clickMain("选择框2");
  EXPECT_TRUE(ui.topmost);
  clickMain("选择框3");
  EXPECT_TEXTS(ui.takeTimeline(), "topmost on", "topmost off",
               kMultiItemQuestion, "check 选择框1 on", "topmost on");
  clickMain("选择框2");
  EXPECT_FALSE(ui.topmost);
}

}  // namespace
