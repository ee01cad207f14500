// The About window: how it opens, looks and closes.
#include <string>

#include "online_scenario.h"
#include "waiting.h"

namespace {

using e2e::Place;

class AboutWindow : public OnlineScenario {
 protected:
  void SetUp() override { startToMainWindow(e2e::Servers{}); }
};

struct AboutControl {
  const char* name;
  const char* windowClass;
  Place place;
  std::string text;
  bool visible;
};

const AboutControl kAboutControls[] = {
    {"标签5", "Static", {8, 8, 256, 32}, "关于Quorvin科技删除工具", true},
    {"标签6",
     "Static",
     {8, 56, 360, 72},
     "Quorvin科技删除工具采用先进的方式更加便捷的助您整理文件，多种方式快速删"
     "除，多种途径便捷操作，多种记录方便审计。我们的官方网站是"
     "http://127.0.0.1:18080祝您使用愉快！",
     true},
    {"标签4", "Static", {24, 160, 56, 24}, "当前版本：", true},
    {"标签3", "Static", {88, 160, 80, 24}, "V2.5", true},
    {"标签1", "Static", {24, 184, 56, 24}, "最新版本：", false},
    {"标签2", "Static", {88, 184, 80, 24}, "请联网重试..", false},
    {"按钮1", "Button", {184, 160, 80, 32}, "检查更新", true},
};

std::string className(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return e2e::narrow(name);
}

TEST_F(AboutWindow, OpensModallyCentredWithItsControls) {
  HWND about = openAboutWindow(program);
  ASSERT_TRUE(about) << "no About window";
  EXPECT_TRUE(e2e::waitUntil([&] { return !e2e::isEnabled(program.main); }))
      << "the main window stays enabled";

  const Place outer = e2e::windowPlace(about);
  EXPECT_EQ(outer.width, 380);
  EXPECT_EQ(outer.height, 250);
  const SIZE screen = e2e::screenSize();
  EXPECT_NEAR(outer.left, (screen.cx - 380) / 2, 1) << outer;
  EXPECT_NEAR(outer.top, (screen.cy - 250) / 2, 1) << outer;

  const LONG style = GetWindowLongW(about, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(about, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME) << "the frame must not be resizable";
  EXPECT_FALSE(e2e::isTopmost(about));
  // No taskbar button: a window owned by one of the program's, or a tool
  // window, and never forced onto the taskbar.
  HWND owner = GetWindow(about, GW_OWNER);
  DWORD ownerProcess = 0;
  GetWindowThreadProcessId(owner, &ownerProcess);
  EXPECT_TRUE((owner && ownerProcess == program.process.dwProcessId) ||
              (exStyle & WS_EX_TOOLWINDOW))
      << "owner " << owner;
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);

  for (const AboutControl& row : kAboutControls) {
    SCOPED_TRACE(row.name);
    HWND control = e2e::control(about, row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetParent(control), about);
    EXPECT_STRCASEEQ(className(control).c_str(), row.windowClass);
    EXPECT_EQ(e2e::clientPlace(control), row.place);
    EXPECT_TEXT(e2e::text(control), row.text);
    EXPECT_EQ(e2e::isVisible(control), row.visible);
  }
  // The rights notice is the maker's own wording; it must be there.
  HWND rights = e2e::control(about, "标签7");
  ASSERT_NE(rights, nullptr);
  EXPECT_EQ(e2e::clientPlace(rights), (Place{168, 192, 200, 24}));
  EXPECT_TRUE(e2e::isVisible(rights));
  EXPECT_NE(e2e::text(rights), "");
}

TEST_F(AboutWindow, EscClosesItAndTheMainWindowWorksAgain) {
  HWND about = openAboutWindow(program);
  ASSERT_TRUE(about) << "no About window";
  ASSERT_TRUE(pressKeyIn(about, VK_ESCAPE));
  EXPECT_TRUE(e2e::waitUntil([&] { return !e2e::isVisible(about); }))
      << "Esc left the About window open";
  EXPECT_TRUE(e2e::waitUntil([&] { return e2e::isEnabled(program.main); }))
      << "the main window stays disabled";
  EXPECT_TRUE(e2e::isRunning(program));
  EXPECT_TRUE(e2e::isVisible(program.main));
  EXPECT_FALSE(e2e::openBox(program));

  // It opens again from the main window.
  HWND again = openAboutWindow(program);
  ASSERT_TRUE(again) << "the About window did not open a second time";
  ASSERT_TRUE(pressKeyIn(again, VK_ESCAPE));
  EXPECT_TRUE(e2e::waitUntil([&] { return !e2e::isVisible(again); }));
}

TEST_F(AboutWindow, ReopeningHidesTheLatestVersionAgain) {
  ASSERT_TRUE(e2e::setRoutes({{"/updata.html", e2e::Answer{"V2.5"}}}));
  HWND about = openAboutWindow(program);
  ASSERT_TRUE(about) << "no About window";
  e2e::click(e2e::control(about, "按钮1"));
  const e2e::Box box = e2e::waitForBox(program);
  ASSERT_TRUE(box) << "the check showed no box";
  ASSERT_TRUE(e2e::answer(box, IDOK));
  ASSERT_TRUE(e2e::settle(program));
  ASSERT_TRUE(e2e::isVisible(e2e::control(about, "标签1")));
  ASSERT_TRUE(e2e::isVisible(e2e::control(about, "标签2")));
  ASSERT_TEXT(e2e::text(e2e::control(about, "标签2")), "V2.5");
  ASSERT_TRUE(pressKeyIn(about, VK_ESCAPE));
  ASSERT_TRUE(e2e::waitUntil([&] { return !e2e::isVisible(about); }));

  HWND again = openAboutWindow(program);
  ASSERT_TRUE(again) << "the About window did not open a second time";
  EXPECT_FALSE(e2e::isVisible(e2e::control(again, "标签1")));
  EXPECT_FALSE(e2e::isVisible(e2e::control(again, "标签2")));
  EXPECT_TEXT(e2e::text(e2e::control(again, "标签2")), "请联网重试..");
}

}  // namespace
