#include "deletion/record_export.h"

#include "program_fixture.h"

namespace {

TEST(DateTimeText, DropsTrailingZeroParts) {
  struct Case {
    DateTime time;
    const char* text;
  };
  const Case cases[] = {
      {{2022, 7, 12, 8, 58, 29}, "2022年7月12日8时58分29秒"},
      {{2022, 7, 12, 8, 5, 0}, "2022年7月12日8时5分"},
      {{2022, 7, 12, 8, 0, 7}, "2022年7月12日8时0分7秒"},
      {{2022, 7, 12, 14, 0, 0}, "2022年7月12日14时"},
      {{2022, 7, 12, 0, 0, 0}, "2022年7月12日"},
  };
  for (const Case& c : cases) EXPECT_TEXT(dateTimeText(c.time), c.text);
}

class RecordExport : public ProgramTest {
 protected:
  std::string exportedPath() { return sys.written.begin()->first; }
  std::string exported() { return sys.written.begin()->second; }
};

TEST_F(RecordExport, OneDeletedFileAndOneFailure) {
  sys.folder = "D:\\tools";
  sys.addFile("D:\\tmp\\a.log", 12 * 1024);
  typePath("D:\\tmp\\a.log");
  clickMain("按钮1");
  sys.addFile("D:\\tmp\\b.log", 10, /*deletable=*/false);
  typePath("D:\\tmp\\b.log");
  clickMain("按钮1");
  ui.takeTimeline();
  clickMain("按钮2");
  const std::string expected =
      "欢迎使用Quorvin科技删除工具——工具现支持多文件和多文件夹删除！\r\n"
      "手动删除成功！（1）文件：D:\\tmp\\a.log——文件大小：12KB\r\n"
      "删除失败！D:\\tmp\\b.log\r\n"
      "2022年7月12日8时58分29秒----此次共删除2个文件/夹，其中文件1个，目录0个。"
      "合计清理大小（约）：12KB\r\n"
      "感谢您使用Quorvin科技删除工具";
  ASSERT_EQ(sys.written.size(), 1u);
  EXPECT_EQ(exported(), gbk(expected)) << "byte for byte in GBK";
  EXPECT_TEXT(exportedPath(),
              "D:\\tools\\2022年7月12日8时58分29秒Quorvin删除工具记录.txt");
  EXPECT_TEXTS(ui.takeTimeline(), "topmost off",
               "box Quorvin科技删除工具记录导出: 导出成功至" + exportedPath());
  EXPECT_EQ(ui.boxes.back().kind, kBoxInformation);
}

TEST_F(RecordExport, RightAfterStartUp) {
  check("选择框2");
  clickMain("按钮2");
  EXPECT_EQ(exported(),
            gbk("欢迎使用Quorvin科技删除工具——工具现支持多文件和多文件夹删除！"
                "\r\n2022年7月12日8时58分29秒----此次共删除0个文件/夹，其中文"
                "件0个，目录0个。合计清理大小（约）：0B\r\n感谢您使用Quorvin科"
                "技删除工具"));
  EXPECT_TRUE(ui.topmost);
}

TEST_F(RecordExport, TheNameTakesASecondReadingOfTheClock) {
  sys.clock = {{2022, 7, 12, 8, 59, 59}, {2022, 7, 12, 9, 0, 0}};
  clickMain("按钮2");
  EXPECT_TEXT(exportedPath(),
              "D:\\工具\\2022年7月12日9时Quorvin删除工具记录.txt");
  EXPECT_NE(exported().find(gbk("2022年7月12日8时59分59秒----")),
            std::string::npos);
}

// The record stays GBK: a character GBK cannot hold is one "?", everything
// else has its GBK bytes.
TEST_F(RecordExport, NamesGbkCannotHoldReadAsQuestionMarks) {
  for (const char* path : {"D:\\照片\\사진.txt", "D:\\фото😀", "D:\\镕€©.txt"}) {
    sys.addFile(path, 3 * 1024);
    typePath(path);
    clickMain("按钮1");
  }
  clickMain("按钮2");
  const std::string record = exported();
  const std::string lines[] = {
      "手动删除成功！（1）文件：D:\\照片\\??.txt——文件大小：3KB\r\n",
      "手动删除成功！（2）文件：D:\\фото?——文件大小：3KB\r\n",
      "手动删除成功！（3）文件：D:\\镕€?.txt——文件大小：3KB\r\n",
  };
  for (const std::string& line : lines)
    EXPECT_NE(record.find(gbk(line)), std::string::npos) << line;
  EXPECT_NE(record.find(gbk(
                "合计清理大小（约）：9KB\r\n感谢您使用Quorvin科技删除工具")),
            std::string::npos);
  // The path shown in the box is the record's real name.
  EXPECT_EQ(ui.boxes.back().text, "导出成功至" + exportedPath());
}

TEST_F(RecordExport, AFailedWriteIsReportedAsAFailure) {
  sys.writeFails = true;
  clickMain("按钮2");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_TEXT(ui.boxes[0].text,
              "导出失败！无法写入D:"
              "\\工具\\2022年7月12日8时58分29秒Quorvin删除工具记录.txt");
  EXPECT_TEXT(ui.boxes[0].title, "Quorvin科技删除工具记录导出");
  EXPECT_EQ(ui.boxes[0].kind, kBoxError);
}

}  // namespace
