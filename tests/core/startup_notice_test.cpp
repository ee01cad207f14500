#include "online/startup_notice.h"

#include "app/startup.h"
#include "program_fixture.h"

namespace {

const char* const kNotice = "https://notice.test/visit";

class StartupNotice : public ProgramTest {
 protected:
  void serve(const std::string& body) { sys.responses[kNotice] = {200, body}; }
  bool started() { return onMainWindowCreated(p); }
};

TEST_F(StartupNotice, OpenStatusShowsTheAnnouncementThenRegistersTheDrop) {
  serve("<zt>开放</zt><gonggao>新版本\r\n即将发布</gonggao>");
  EXPECT_TRUE(started());
  EXPECT_TEXTS(ui.takeTimeline(), "box Quorvin科技在线公告: 新版本\r\n即将发布",
               "drop target on", "focus");
  EXPECT_EQ(ui.boxes[0].kind, kBoxOk);
  EXPECT_FALSE(sys.ended);
}

TEST_F(StartupNotice, SuspendedServiceTellsTheUserAndEndsBeforeTheDropTarget) {
  struct Case {
    const char* document;
    const char* firstBox;
    int kind;
    const char* announcementBox;
  };
  const Case cases[] = {
      {"<zt>维护</zt>",
       "box Quorvin科技删除工具正在维护！: "
       "Quorvin科技正在维护该工具，请查看Quorvin科技在线公告。",
       kBoxWarning, "box Quorvin科技在线公告: "},
      {"<gonggao>停止服务</gonggao><zt>停用</zt>",
       "box Quorvin科技删除工具已停止使用！: "
       "Quorvin科技已停用该工具，请查看Quorvin科技在线公告。",
       kBoxError, "box Quorvin科技在线公告: 停止服务"},
  };
  for (const Case& c : cases) {
    FakeToolkit ui;
    FakeSystem sys;
    sys.responses[kNotice] = {200, c.document};
    EXPECT_EQ(runProgram(ui, sys), 0);
    EXPECT_TEXTS(ui.timeline, c.firstBox, c.announcementBox);
    EXPECT_EQ(ui.boxes[0].kind, c.kind);
    EXPECT_TRUE(sys.ended);
    EXPECT_EQ(sys.exitCode, 0);
    EXPECT_FALSE(ui.shown) << "the window is never shown";
  }
}

TEST_F(StartupNotice, AnythingButTheThreeWordsStartsNormally) {
  for (const char* status :
       {"<zt>开放 </zt>", "<zt>kaifang</zt>", "<zt></zt>", "no tags"}) {
    serve(status);
    EXPECT_TRUE(runStartupNotice(p)) << status;
  }
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_FALSE(sys.ended);
}

TEST_F(StartupNotice, AnUnusableDocumentIsIgnoredSilently) {
  const std::string cases[] = {
      "<zt>维护</zt>©",             // © is outside GB2312
      "\xEF\xBB\xBF<zt>维护</zt>",  // byte-order mark
      "<zt>\xE7\xBB</zt>",          // cut-off UTF-8
      "",
  };
  for (const std::string& body : cases) {
    serve(body);
    EXPECT_TRUE(runStartupNotice(p));
  }
  sys.responses.clear();  // unreachable server
  EXPECT_TRUE(runStartupNotice(p));
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_FALSE(sys.ended);
}

TEST_F(StartupNotice, OfflineShowsOneBoxAndStartsNormally) {
  sys.online = false;
  serve("<zt>维护</zt>");
  EXPECT_TRUE(started());
  EXPECT_TEXTS(ui.takeTimeline(), "box 信息：: 请连接互联网以获得最佳体验！",
               "drop target on", "focus");
  EXPECT_TRUE(sys.requested.empty());
}

// The fields are cut by their byte positions in the notice's GB2312 form and
// shown as the text those bytes hold: A1A4 and A1AA read as "·" and "—".
TEST_F(StartupNotice, FieldsAreCutFromTheGb2312FormAndShownAsItsCharacters) {
  struct Case {
    const char* document;
    const char* shown;
  };
  const Case cases[] = {
      {"<gonggao>公告：今晚维护</gonggao><zt>开放</zt>", "公告：今晚维护"},
      {"<gonggao>・―ＡΩ─</gonggao>", "·—ＡΩ─"},
      // No opening tag: bytes 8 and on, the second half of 容 (C8 DD).
      {"公告内容</gonggao>", "?"},
      {"公告内容abc</gonggao>",
       "\xE8\xBC\x86"
       "bc"},  // DD 61 is 輆
  };
  for (const Case& c : cases) {
    FakeToolkit ui;
    FakeSystem sys;
    DeletionTally tally;
    Program p{ui, sys, tally};
    sys.responses[kNotice] = {200, c.document};
    EXPECT_TRUE(runStartupNotice(p));
    ASSERT_EQ(ui.boxes.size(), 1u) << c.document;
    EXPECT_EQ(ui.boxes[0].text, c.shown) << c.document;
  }
}

// The online test and the notice share one wait of 5 s; an answer that
// comes later is dropped and the program starts as if there was no notice.
TEST_F(StartupNotice, ANoticeTooSlowToComeStartsWithoutAnyBox) {
  serve("<zt>维护</zt><gonggao>迟到的公告</gonggao>");
  ui.timeRunsOut = true;
  EXPECT_TRUE(started());
  EXPECT_TEXTS(ui.takeTimeline(), "drop target on", "focus");
  EXPECT_EQ(ui.timeLimits, std::vector<int>{5000});
  EXPECT_FALSE(sys.ended);

  ui.timeRunsOut = false;
  sys.online = false;
  EXPECT_TRUE(runStartupNotice(p));
  EXPECT_EQ(ui.timeLimits, (std::vector<int>{5000, 5000}))
      << "the offline test waits within the same limit";
}

TEST_F(StartupNotice, AnErrorPageHoldingTheTagsIsReadLikeANotice) {
  sys.responses[kNotice] = {404, "<gonggao>页面</gonggao>"};
  EXPECT_TRUE(runStartupNotice(p));
  EXPECT_TEXT(ui.boxes.at(0).text, "页面");
}

}  // namespace
