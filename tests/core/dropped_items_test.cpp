#include "deletion/dropped_items.h"

#include "program_fixture.h"

namespace {

TEST(SplitDroppedText, OneItemPerDroppedPath) {
  using Items = std::vector<std::string>;
  struct Case {
    const char* text;
    Items items;
  };
  const Case cases[] = {
      {"D:\\a.txt", {"D:\\a.txt"}},
      {"D:\\a\r\nD:\\文件夹\r\n", {"D:\\a", "D:\\文件夹"}},
      {"D:\\a\r\n\r\nD:\\b\r\n", {"D:\\a", "", "D:\\b"}},
      {"\r\nD:\\a\r\n", {"", "D:\\a"}},
      {"D:\\a\r\nD:\\b", {"D:\\a", "D:\\b"}},
      {"D:\\a\nD:\\b\r\n", {"D:\\a\nD:\\b"}},  // only CR LF separates
      {"", {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(splitDroppedText(c.text), c.items) << "text " << c.text;
}

class DroppedItems : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ui.registerDropTarget(
        WindowId::Main, [this](const std::string& t) { onFilesDropped(p, t); });
    ui.takeTimeline();
  }
  std::vector<std::string> dropped(const std::string& text) {
    ui.drop(text);
    return ui.takeTimeline();
  }
};

TEST_F(DroppedItems, SingleDropWithAutoDeleteDeletesWithoutAsking) {
  check("选择框1");
  sys.addFile("D:\\tmp\\a.log", 12 * 1024);
  EXPECT_TEXTS(
      dropped("D:\\tmp\\a.log"), "topmost off", "text 编辑框1 = D:\\tmp\\a.log",
      "text 标签4 = 文件大小：12KB",  // the box's change event
      "text 标签4 = 文件大小：12KB",  // the drop's own measurement
      "text 标签2 = 删除成功！（1）文件D:\\tmp\\a.log——文件大小：12KB",
      "text 标签5 = 合计清理大小（约）：12KB",
      "text 标签3 = 当前已删除：1个文件，0个目录",
      "append 删除成功！（1）文件D:\\tmp\\a.log——文件大小：12KB", "select 1");
  EXPECT_FALSE(sys.exists("D:\\tmp\\a.log"));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(DroppedItems, SingleDropWithoutAutoDeleteOnlyFillsThePathBox) {
  sys.addFile("D:\\tmp\\a.log", 12 * 1024);
  check("选择框2");
  dropped("D:\\tmp\\a.log");
  EXPECT_TEXT(ui.mainText("编辑框1"), "D:\\tmp\\a.log");
  EXPECT_TEXT(ui.mainText("标签4"), "文件大小：12KB");
  EXPECT_TRUE(sys.exists("D:\\tmp\\a.log"));
  EXPECT_EQ(ui.listItems().size(), 1u);
  EXPECT_TRUE(ui.topmost) << "restored because 窗口置顶 is checked";
}

TEST_F(DroppedItems, SeveralItemsInSingleModeAreReportedMissingAsOneText) {
  check("选择框1");
  sys.addFile("D:\\a", 1);
  sys.addFile("D:\\b", 1);
  const auto effects = dropped("D:\\a\r\nD:\\b\r\n");
  EXPECT_TEXT(effects.back(), "select 1");
  EXPECT_TEXT(ui.listItems().back(), "删除失败！未发现D:\\a\r\nD:\\b\r\n");
  EXPECT_TEXT(ui.boxes.back().title, "错误的删除");
  EXPECT_TRUE(sys.exists("D:\\a") && sys.exists("D:\\b"));
}

TEST_F(DroppedItems, MultiItemModeDeletesEachItemInTurn) {
  check("选择框3");
  check("选择框1");
  sys.addFile("D:\\a.txt", 2048);
  sys.addFolder("D:\\目录");
  sys.addFile("D:\\b.txt", 3072);
  dropped("D:\\a.txt\r\nD:\\目录\r\nD:\\missing\r\nD:\\b.txt\r\n");
  EXPECT_TEXTS(ui.listItems(),
               "欢迎使用Quorvin科技删除工具——工具现支持多文件和多文件夹删除！",
               "删除成功！（1）文件：D:\\a.txt——文件大小：2KB",
               "删除成功！（2）目录：D:\\目录", "删除失败！D:\\missing",
               "删除成功！（3）文件：D:\\b.txt——文件大小：3KB");
  ASSERT_EQ(ui.boxes.size(), 1u) << "only the failure costs a box";
  EXPECT_TEXT(ui.boxes[0].text, "删除失败！");
  EXPECT_EQ(tally.cleanedBytes, 5120);
  EXPECT_TRUE(sys.entries.empty()) << "both files and the folder are gone";
  EXPECT_FALSE(ui.topmost);
  EXPECT_EQ(ui.backgroundRuns, 4) << "each item is deleted aside in turn";
}

TEST_F(DroppedItems, MultiItemModeWithoutAutoDeleteChangesNothing) {
  check("选择框3");
  sys.addFile("D:\\a.txt", 2048);
  EXPECT_TEXTS(dropped("D:\\a.txt\r\n"), "topmost off");
  EXPECT_TRUE(sys.exists("D:\\a.txt"));
}

TEST_F(DroppedItems, TheDeleteButtonAddsTheLastDroppedItemsSize) {
  sys.addFile("D:\\typed", 1024);
  typePath("D:\\typed");
  check("选择框3");
  check("选择框1");
  sys.addFile("D:\\dropped", 7 * 1024);
  dropped("D:\\dropped\r\n");
  clickMain("按钮1");
  EXPECT_EQ(tally.cleanedBytes, 14 * 1024) << "the drop measured 7 KB last";
}

}  // namespace
