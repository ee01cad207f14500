#include "online/about_window.h"
#include "program_fixture.h"

namespace {

const char* const kVersion = "http://notice.test/updata.html";

class UpdateCheck : public ProgramTest {
 protected:
  // Opens the About window, checks once, and returns what the check did.
  std::vector<std::string> checkWith(const HttpResponse* response) {
    if (response) sys.responses[kVersion] = *response;
    std::vector<std::string> effects;
    ui.whileModalOpen = [&] {
      ui.takeTimeline();
      ui.click(WindowId::About, "按钮1");
      effects = ui.takeTimeline();
    };
    clickMain("按钮3");
    return effects;
  }
  std::string latest() { return ui.state(WindowId::About, "标签2").text; }
};

TEST_F(UpdateCheck, TheSameVersionNeedsNothing) {
  const HttpResponse same{200, "V2.5"};
  EXPECT_TEXTS(checkWith(&same), "visible 标签1 on", "visible 标签2 on",
               "text 标签2 = V2.5", "box 信息：: 已经是最新版本！");
  EXPECT_TRUE(sys.opened.empty());
}

TEST_F(UpdateCheck, ANewerVersionSendsTheUserToTheHomePage) {
  const HttpResponse newer{200, "V2.6"};
  EXPECT_TEXTS(checkWith(&newer), "visible 标签1 on", "visible 标签2 on",
               "text 标签2 = V2.6", "box 信息：: 请到官方网站下载最新版本！");
  EXPECT_EQ(sys.opened, std::vector<std::string>{"http://notice.test"});
}

TEST_F(UpdateCheck, LineEndsAndBlanksAroundTheVersionAreNotANewVersion) {
  using namespace std::string_literals;
  // The text ends at a zero byte: what follows it is not part of the version.
  const std::string bodies[] = {"V2.5\r\n", " V2.5\t\n", "V2.5\0junk"s};
  ASSERT_EQ(bodies[2].size(), 9u) << "the zero byte reaches the body";
  for (const std::string& body : bodies) {
    SCOPED_TRACE(testing::PrintToString(body));
    const HttpResponse padded{200, body};
    checkWith(&padded);
    EXPECT_TEXT(latest(), "V2.5");
    EXPECT_TEXT(ui.boxes.back().text, "已经是最新版本！");
  }
  EXPECT_TRUE(sys.opened.empty());
}

TEST_F(UpdateCheck, NoAnswerOrAnErrorPageIsAFailedCheckNotANewVersion) {
  const HttpResponse notFound{404, "<html>404 Not Found</html>"};
  for (const HttpResponse* response :
       {&notFound, (const HttpResponse*)nullptr}) {
    sys.responses.clear();
    EXPECT_TEXTS(checkWith(response), "visible 标签1 on", "visible 标签2 on",
                 "box 检查失败: 无法获取最新版本信息",
                 "text 标签2 = 请联网重试..");
    EXPECT_EQ(ui.boxes.back().kind, kBoxError);
  }
  EXPECT_TRUE(sys.opened.empty());
}

// No answer within 5 s is a failed check, even when one comes later.
TEST_F(UpdateCheck, AnAnswerTooSlowToComeIsAFailedCheck) {
  const HttpResponse newer{200, "V2.6"};
  ui.timeRunsOut = true;
  EXPECT_TEXTS(checkWith(&newer), "visible 标签1 on", "visible 标签2 on",
               "box 检查失败: 无法获取最新版本信息",
               "text 标签2 = 请联网重试..");
  EXPECT_EQ(ui.timeLimits, std::vector<int>{5000});
  EXPECT_TRUE(sys.opened.empty());
}

TEST_F(UpdateCheck, OfflineAsksForTheNetwork) {
  sys.online = false;
  EXPECT_TEXTS(checkWith(nullptr), "visible 标签1 on", "visible 标签2 on",
               "box 检查失败: 无网络连接", "text 标签2 = 需要网络");
  EXPECT_EQ(ui.boxes.back().kind, kBoxError);
  EXPECT_TRUE(sys.requested.empty());
}

TEST_F(UpdateCheck, TheAboutWindowOpensFreshAndLowersTheMainWindow) {
  check("选择框2");
  checkWith(nullptr);
  checkWith(nullptr);
  ASSERT_EQ(ui.modalsOpened.size(), 2u);
  for (const WindowDefinition& about : ui.modalsOpened) {
    EXPECT_TEXT(about.title, "关于");
    for (const ControlDefinition& c : about.controls)
      EXPECT_EQ(c.visible, c.name != "标签1" && c.name != "标签2") << c.name;
  }
  const auto& effects = ui.timeline;
  EXPECT_TEXT(effects.back(), "topmost on");
  EXPECT_TEXTS(std::vector<std::string>(effects.begin(), effects.begin() + 2),
               "topmost off", "open 关于");
}

}  // namespace
