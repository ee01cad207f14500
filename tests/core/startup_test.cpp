#include "app/startup.h"

#include "program_fixture.h"

namespace {

TEST(Startup, WorksInTheProgramFolderAndShowsTheWindowLast) {
  FakeToolkit ui;
  FakeSystem sys;
  sys.folder = "D:\\软件";
  EXPECT_EQ(runProgram(ui, sys), 0);
  EXPECT_TEXT(sys.workingDirectory, "D:\\软件");
  EXPECT_TEXTS(ui.timeline, "drop target on", "focus");
  EXPECT_TRUE(ui.shown);
}

using MainWindow = ProgramTest;

TEST_F(MainWindow, StartsWithItsInitialTexts) {
  EXPECT_TEXT(ui.mainText("标签2"), "开始删除吧！");
  EXPECT_TEXT(ui.mainText("标签4"), "文件大小（约）：0B");
  EXPECT_TEXT(ui.mainText("标签5"), "合计清理大小（约）：0B");
  EXPECT_TEXT(ui.mainText("标签3"), "当前已删除：0个文件，0个目录");
  EXPECT_TEXTS(ui.listItems(),
               "欢迎使用Quorvin科技删除工具——工具现支持多文件和多文件夹删除！");
  for (const char* box : {"选择框1", "选择框2", "选择框3"})
    EXPECT_FALSE(ui.isChecked(mainControl(box)));
}

TEST_F(MainWindow, ClosingRevokesTheDropTarget) {
  ASSERT_TRUE(onMainWindowCreated(p));
  mainWindowDefinition(p).onDestroying();
  EXPECT_FALSE(ui.dropRegistered);
}

}  // namespace
