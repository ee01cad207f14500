#include "program_fixture.h"

namespace {

class ManualDeletion : public ProgramTest {
 protected:
  // Types the path, then presses 删除; returns what the press did.
  std::vector<std::string> deleteTyped(const std::string& path) {
    typePath(path);
    ui.takeTimeline();
    clickMain("按钮1");
    return ui.takeTimeline();
  }
};

TEST_F(ManualDeletion, TypingAPathShowsItsSize) {
  sys.addFile("D:\\tmp\\a.log", 12 * 1024);
  sys.addFolder("D:\\tmp\\old");
  typePath("D:\\tmp\\a.log");
  EXPECT_TEXT(ui.mainText("标签4"), "文件大小：12KB");
  typePath("D:\\tmp\\old");
  EXPECT_TEXT(ui.mainText("标签4"), "文件大小：0KB");
  typePath("D:\\tmp\\missing");
  EXPECT_TEXT(ui.mainText("标签4"), "文件大小：0KB");
  EXPECT_EQ(tally.lastMeasuredSize, -1);
  EXPECT_EQ(ui.listItems().size(), 1u) << "typing logs nothing";
}

TEST_F(ManualDeletion, DeletesAConfirmedFileAndReportsEveryStepInOrder) {
  sys.addFile("D:\\tmp\\a.log", 12 * 1024);
  EXPECT_TEXTS(
      deleteTyped("D:\\tmp\\a.log"), "topmost off",
      "box 信息：: 确认删除吗？\r\n一旦删除将无法恢复！",
      "box 信息：: 删除成功！",
      "text 标签2 = 手动删除成功！（1）文件：D:\\tmp\\a.log——文件大小：12KB",
      "text 标签5 = 合计清理大小（约）：12KB",
      "text 标签3 = 当前已删除：1个文件，0个目录",
      "append 手动删除成功！（1）文件：D:\\tmp\\a.log——文件大小：12KB",
      "select 1", "topmost on");
  EXPECT_FALSE(sys.exists("D:\\tmp\\a.log"));
  EXPECT_EQ(ui.boxes[0].kind, kBoxOkCancel);
  EXPECT_EQ(ui.boxes[1].kind, kBoxOk);
  EXPECT_EQ(ui.state(WindowId::Main, "列表框1").selected, 1);
  EXPECT_TEXT(ui.mainText("编辑框1"), "D:\\tmp\\a.log") << "never cleared";
}

TEST_F(ManualDeletion, AFolderIsCountedOnceAndLeavesTheTotalAlone) {
  sys.addFolder("D:\\tmp\\old");
  EXPECT_TEXTS(deleteTyped("D:\\tmp\\old"), "topmost off",
               "box 信息：: 确认删除吗？\r\n一旦删除将无法恢复！",
               "box 信息：: 删除成功！",
               "text 标签2 = 手动删除成功！（1）目录：D:\\tmp\\old",
               "text 标签3 = 当前已删除：0个文件，1个目录",
               "append 手动删除成功！（1）目录：D:\\tmp\\old", "select 1",
               "topmost on");
  EXPECT_EQ(tally.cleanedBytes, 0);
  EXPECT_TEXT(ui.mainText("标签5"), "合计清理大小（约）：0B");
}

// The deletion itself runs as background work, once per confirmed target,
// with its progress counted by this deletion alone in the result line.
TEST_F(ManualDeletion, TheDeletionRunsAsideShowingWhatItRemovedSoFar) {
  sys.addFile("D:\\tmp\\a.log", 100);
  sys.entries["D:\\tmp\\tree"] = FakeSystem::Entry{true, 0, true, 250};
  deleteTyped("D:\\tmp\\a.log");
  deleteTyped("D:\\tmp\\tree");
  EXPECT_EQ(ui.backgroundRuns, 2);
  EXPECT_TEXTS(ui.progressShown, "正在删除……已删除0个文件，0个目录",
               "正在删除……已删除250个文件，1个目录");
  EXPECT_TEXTS(ui.progressLabels, "标签2", "标签2");

  sys.addFile("D:\\tmp\\b.log", 100);
  ui.answers = {kAnswerCancel};
  deleteTyped("D:\\tmp\\b.log");
  typePath("D:\\tmp\\missing");
  clickMain("按钮1");
  EXPECT_EQ(ui.backgroundRuns, 2) << "nothing to delete, nothing run aside";
}

TEST_F(ManualDeletion, AFileThatCannotBeDeletedIsReportedAndNotCounted) {
  sys.addFile("D:\\tmp\\ro.txt", 4096, /*deletable=*/false);
  EXPECT_TEXTS(deleteTyped("D:\\tmp\\ro.txt"), "topmost off",
               "box 信息：: 确认删除吗？\r\n一旦删除将无法恢复！",
               "box 信息：: 删除失败！",
               "text 标签2 = 删除失败！D:\\tmp\\ro.txt",
               "append 删除失败！D:\\tmp\\ro.txt", "select 1", "topmost on");
  EXPECT_TRUE(sys.exists("D:\\tmp\\ro.txt"));
  EXPECT_EQ(tally.filesDeleted, 0);
  EXPECT_TEXT(ui.mainText("标签3"), "当前已删除：0个文件，0个目录");
}

TEST_F(ManualDeletion, RunningNumberCountsFilesAndFoldersButNotFailures) {
  sys.addFile("D:\\a", 1024);
  sys.addFolder("D:\\b");
  sys.addFile("D:\\c", 2048, /*deletable=*/false);
  sys.addFile("D:\\d", 4096);
  for (const char* path : {"D:\\a", "D:\\b", "D:\\c", "D:\\d"})
    deleteTyped(path);
  EXPECT_TEXTS(ui.listItems(),
               "欢迎使用Quorvin科技删除工具——工具现支持多文件和多文件夹删除！",
               "手动删除成功！（1）文件：D:\\a——文件大小：1KB",
               "手动删除成功！（2）目录：D:\\b", "删除失败！D:\\c",
               "手动删除成功！（3）文件：D:\\d——文件大小：4KB");
  EXPECT_TEXT(ui.mainText("标签5"), "合计清理大小（约）：5KB");
  EXPECT_TEXT(ui.mainText("标签3"), "当前已删除：2个文件，1个目录");
  EXPECT_EQ(ui.state(WindowId::Main, "列表框1").selected, 4);
}

TEST_F(ManualDeletion, CancelChangesNothingButStillLeavesTheWindowOnTop) {
  sys.addFile("D:\\tmp\\a.log", 100);
  ui.answers.push_back(kAnswerCancel);
  EXPECT_TEXTS(deleteTyped("D:\\tmp\\a.log"), "topmost off",
               "box 信息：: 确认删除吗？\r\n一旦删除将无法恢复！",
               "topmost on");
  EXPECT_TRUE(sys.exists("D:\\tmp\\a.log"));
  EXPECT_EQ(ui.listItems().size(), 1u);
}

TEST_F(ManualDeletion, AMissingPathIsReportedBeforeAnyConfirmation) {
  struct Case {
    const char* path;
    const char* line;
  };
  for (const Case& c : {Case{"", "删除失败！未发现"},
                        Case{"D:\\nothing", "删除失败！未发现D:\\nothing"}}) {
    const size_t newIndex = ui.listItems().size();
    EXPECT_TEXTS(
        deleteTyped(c.path), "topmost off", "box 错误的删除: 未发现删除对象",
        std::string("text 标签2 = ") + c.line, std::string("append ") + c.line,
        "select " + std::to_string(newIndex), "topmost on");
    EXPECT_EQ(ui.boxes.back().kind, kBoxError);
  }
}

TEST_F(ManualDeletion, TheTotalAddsTheMostRecentMeasurement) {
  sys.addFile("D:\\one", 600 * 1024);
  sys.addFile("D:\\two", 500 * 1024);
  deleteTyped("D:\\one");
  deleteTyped("D:\\two");
  EXPECT_EQ(tally.cleanedBytes, 1100 * 1024);
  EXPECT_TEXT(ui.mainText("标签5"), "合计清理大小（约）：1MB");
}

TEST_F(ManualDeletion, TotalsOverFourGigabytesDoNotWrap) {
  const int64_t threeGiB = 3LL << 30;
  sys.addFile("D:\\big1", threeGiB);
  sys.addFile("D:\\big2", threeGiB);
  deleteTyped("D:\\big1");
  EXPECT_TEXT(ui.listItems().back(),
              "手动删除成功！（1）文件：D:\\big1——文件大小：3072MB");
  deleteTyped("D:\\big2");
  EXPECT_EQ(tally.cleanedBytes, 2 * threeGiB);
  EXPECT_TEXT(ui.mainText("标签5"), "合计清理大小（约）：6144MB");
}

// Absurd sizes reported by the file system: the total stops at the largest
// 64-bit figure rather than wrapping around to a negative one.
TEST_F(ManualDeletion, TheTotalStopsAtTheLargestFigure) {
  const int64_t quarter = int64_t{1} << 62;
  for (const char* path : {"D:\\huge1", "D:\\huge2", "D:\\huge3"}) {
    sys.addFile(path, quarter);
    deleteTyped(path);
  }
  EXPECT_EQ(tally.filesDeleted, 3);
  EXPECT_EQ(tally.cleanedBytes, INT64_MAX);
  EXPECT_TEXT(ui.mainText("标签5"), "合计清理大小（约）：8796093022207MB");

  sys.addFile("D:\\small", 1024);
  deleteTyped("D:\\small");
  EXPECT_EQ(tally.cleanedBytes, INT64_MAX) << "stays at the top";
}

}  // namespace
