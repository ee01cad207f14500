// The update check in the About window against the version server: the box
// it shows, the latest version it shows, and whether it sends the user's
// browser to the home page.
#include <algorithm>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "online_scenario.h"

namespace {

using e2e::Answer;
using e2e::Servers;

const char* const kHomePage = "http://127.0.0.1:18080";

struct VersionCase {
  const char* name;
  Servers servers;
  Answer version;  // what /updata.html answers, when its server runs
  e2e::BoxIcon icon;
  const char* title;
  const char* text;
  const char* latest;  // 标签2 afterwards
  std::vector<std::string> opened;
};
// gtest lists a row by its name rather than its bytes.
void PrintTo(const VersionCase& row, std::ostream* out) { *out << row.name; }

Servers withoutVersionServer() {
  Servers servers;
  servers.version = false;
  return servers;
}

Servers offline() {
  Servers servers;
  servers.version = false;
  servers.onlineTest = false;
  return servers;
}

class UpdateCheck : public OnlineScenario,
                    public testing::WithParamInterface<VersionCase> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(e2e::recorderIsTheBrowser())
        << "run through ctest: its fixture online_browser puts a recorder in "
           "the browser's place";
    ASSERT_TRUE(e2e::forgetOpenedAddresses());
    startToMainWindow(GetParam().servers,
                      {{"/updata.html", GetParam().version}});
  }
};

TEST_P(UpdateCheck, ShowsTheOutcomeAndOpensTheHomePageOnlyForANewVersion) {
  const VersionCase& row = GetParam();
  HWND about = openAboutWindow(program);
  ASSERT_TRUE(about) << "no About window";
  HWND caption = e2e::control(about, "标签1");
  HWND latest = e2e::control(about, "标签2");
  ASSERT_FALSE(e2e::isVisible(latest));

  e2e::click(e2e::control(about, "按钮1"));
  const e2e::Box box = e2e::waitForBox(program);
  ASSERT_TRUE(box) << "the check showed no box";
  EXPECT_TEXT(box.title, row.title);
  EXPECT_TEXT(box.text, row.text);
  EXPECT_EQ(box.icon, row.icon);
  EXPECT_TRUE(box.hasOk);
  EXPECT_FALSE(box.hasCancel);
  EXPECT_TRUE(e2e::isVisible(caption)) << "not shown before the box";
  EXPECT_TRUE(e2e::isVisible(latest)) << "not shown before the box";
  EXPECT_TRUE(e2e::openedAddresses().empty()) << "opened before the box";
  ASSERT_TRUE(e2e::answer(box, IDOK));
  ASSERT_TRUE(e2e::settle(program));

  EXPECT_TEXT(e2e::text(caption), "最新版本：");
  EXPECT_TEXT(e2e::text(latest), row.latest);
  EXPECT_EQ(e2e::openedAddresses(), row.opened);
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_TRUE(e2e::isVisible(about)) << "the About window closed";
}

INSTANTIATE_TEST_SUITE_P(
    ByVersionAnswer, UpdateCheck,
    testing::Values(
        VersionCase{"SameVersion",
                    Servers{},
                    Answer{"V2.5"},
                    e2e::BoxIcon::None,
                    "信息：",
                    "已经是最新版本！",
                    "V2.5",
                    {}},
        VersionCase{"NewerVersion",
                    Servers{},
                    Answer{"V2.6"},
                    e2e::BoxIcon::None,
                    "信息：",
                    "请到官方网站下载最新版本！",
                    "V2.6",
                    {kHomePage}},
        // The version file is GBK text: "测试版V3.0".
        VersionCase{"VersionInGbk",
                    Servers{},
                    Answer{"\xB2\xE2\xCA\xD4\xB0\xE6V3.0"},
                    e2e::BoxIcon::None,
                    "信息：",
                    "请到官方网站下载最新版本！",
                    "测试版V3.0",
                    {kHomePage}},
        // A line end after the version does not make it another one.
        VersionCase{"SameVersionWithLineEnd",
                    Servers{},
                    Answer{"V2.5\r\n"},
                    e2e::BoxIcon::None,
                    "信息：",
                    "已经是最新版本！",
                    "V2.5",
                    {}},
        // An error page says nothing about the latest version.
        VersionCase{"ErrorPage",
                    Servers{},
                    Answer{"<html><body>404 Not Found</body></html>", 404},
                    e2e::BoxIcon::Error,
                    "检查失败",
                    "无法获取最新版本信息",
                    "请联网重试..",
                    {}},
        // Over 1 MiB is no answer, although the text trims to this
        // version.
        VersionCase{"AnswerOverOneMebibyte",
                    Servers{},
                    Answer{"V2.5" + std::string(2 * 1048576, ' ')},
                    e2e::BoxIcon::Error,
                    "检查失败",
                    "无法获取最新版本信息",
                    "请联网重试..",
                    {}},
        VersionCase{"VersionServerDown",
                    withoutVersionServer(),
                    Answer{},
                    e2e::BoxIcon::Error,
                    "检查失败",
                    "无法获取最新版本信息",
                    "请联网重试..",
                    {}},
        VersionCase{"Offline",
                    offline(),
                    Answer{},
                    e2e::BoxIcon::Error,
                    "检查失败",
                    "无网络连接",
                    "需要网络",
                    {}}),
    rowName<VersionCase>);

// A version server that takes the request and never answers: after at most
// 5 s the check fails as one without an answer, and the About window
// answers every message meanwhile.
class SlowVersionServer : public OnlineScenario {};

TEST_F(SlowVersionServer, NeverAnsweringIsAFailedCheckWithinSixSeconds) {
  Answer hang;
  hang.hang = true;
  startToMainWindow(Servers{}, {{"/updata.html", hang}});
  HWND about = openAboutWindow(program);
  ASSERT_TRUE(about) << "no About window";
  HWND latest = e2e::control(about, "标签2");

  e2e::click(e2e::control(about, "按钮1"));
  const ULONGLONG clicked = GetTickCount64();
  double slowest = 0;
  e2e::Box box;
  while (!(box = e2e::openBox(program)) && GetTickCount64() - clicked < 6000) {
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&before);
    DWORD_PTR result = 0;
    ASSERT_TRUE(
        SendMessageTimeoutW(about, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result))
        << "the About window did not answer for 5 s";
    QueryPerformanceCounter(&after);
    slowest = std::max(
        slowest, 1000.0 *
                     static_cast<double>(after.QuadPart - before.QuadPart) /
                     static_cast<double>(frequency.QuadPart));
    Sleep(20);
  }
  const ULONGLONG took = GetTickCount64() - clicked;
  ASSERT_TRUE(box) << "no box within 6 s of the click";
  std::cout << "[ timing   ] failed check shown " << took
            << " ms after the click; the About window's slowest answer "
            << slowest << " ms\n";
  EXPECT_LT(slowest, 250.0);
  EXPECT_TEXT(box.title, "检查失败");
  EXPECT_TEXT(box.text, "无法获取最新版本信息");
  EXPECT_EQ(box.icon, e2e::BoxIcon::Error);
  ASSERT_TRUE(e2e::answer(box, IDOK));
  ASSERT_TRUE(e2e::settle(program));
  EXPECT_TEXT(e2e::text(latest), "请联网重试..");
  EXPECT_TRUE(e2e::isVisible(about));
}

}  // namespace
