// The notice fetched at start-up, against real loopback servers: what the
// program shows before its main window, and when it ends instead.
#include <ostream>
#include <string>

#include "online_scenario.h"

namespace {

using e2e::Answer;
using e2e::Certificate;
using e2e::Servers;

const char* const kNoticeTitle = "Quorvin科技在线公告";

size_t noticeRequests() {
  const std::string log = e2e::serverLog();
  size_t count = 0;
  for (size_t at = 0; (at = log.find("GET /visit ", at)) != std::string::npos;
       ++at)
    ++count;
  return count;
}

using StartupNotice = OnlineScenario;

TEST_F(StartupNotice, OpenStatusShowsTheAnnouncementOnceThenTheWindow) {
  const std::string announcement =
      "新版本已发布。\r\n本周六22:00至24:00服务器升级，届时暂停服务。";
  ASSERT_TRUE(e2e::startServers(
      Servers{}, {{"/visit", Answer{noticeDocument("开放", announcement)}}}));
  ASSERT_TRUE(start(program));

  const Sight first = waitForSight(program);
  ASSERT_TRUE(first.box) << "no box at start-up";
  EXPECT_FALSE(first.main) << "the window showed with the notice";
  EXPECT_TEXT(first.box.title, kNoticeTitle);
  EXPECT_TEXT(first.box.text, announcement);
  EXPECT_EQ(first.box.icon, e2e::BoxIcon::None);
  EXPECT_TRUE(first.box.hasOk);
  EXPECT_FALSE(first.box.hasCancel);
  ASSERT_TRUE(e2e::answer(first.box, IDOK));

  const Sight next = waitForSight(program);
  EXPECT_FALSE(next.box) << "a second box: " << next.box.text;
  ASSERT_TRUE(next.main) << "no main window after the notice";
  ASSERT_TRUE(e2e::settle(program));
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_TRUE(e2e::isRunning(program));
  EXPECT_EQ(noticeRequests(), 1u) << e2e::serverLog();
}

// A suspended service: its box, then the announcement box (also when the
// notice has no announcement at all), then the end, with the main window
// never shown.
struct Suspension {
  const char* name;
  std::string document;  // as sent, UTF-8
  e2e::BoxIcon icon;
  const char* title;
  const char* text;
  std::string announcement;
};
// gtest lists a row by its name rather than its bytes.
void PrintTo(const Suspension& row, std::ostream* out) { *out << row.name; }

class SuspendedService : public OnlineScenario,
                         public testing::WithParamInterface<Suspension> {};

TEST_P(SuspendedService, TellsTheUserAndEndsWithoutShowingTheWindow) {
  const Suspension& row = GetParam();
  ASSERT_TRUE(e2e::startServers(Servers{}, {{"/visit", Answer{row.document}}}));
  ASSERT_TRUE(start(program));

  const Sight status = waitForSight(program);
  ASSERT_TRUE(status.box) << "no status box";
  EXPECT_TEXT(status.box.title, row.title);
  EXPECT_TEXT(status.box.text, row.text);
  EXPECT_EQ(status.box.icon, row.icon);
  EXPECT_TRUE(status.box.hasOk);
  EXPECT_FALSE(status.box.hasCancel);
  ASSERT_TRUE(e2e::answer(status.box, IDOK));

  const Sight notice = waitForSight(program);
  ASSERT_TRUE(notice.box) << "no announcement box";
  EXPECT_TEXT(notice.box.title, kNoticeTitle);
  EXPECT_TEXT(notice.box.text, row.announcement);
  EXPECT_EQ(notice.box.icon, e2e::BoxIcon::None);
  EXPECT_TRUE(notice.box.hasOk);
  EXPECT_FALSE(notice.box.hasCancel);
  ASSERT_TRUE(e2e::answer(notice.box, IDOK));

  EXPECT_EQ(waitForEnd(program), std::optional<DWORD>(0));
  EXPECT_FALSE(mainEverShown) << "the main window was shown";
}

INSTANTIATE_TEST_SUITE_P(
    ByStatus, SuspendedService,
    testing::Values(
        Suspension{"MaintenanceWithoutAnnouncementTags", "<zt>维护</zt>",
                   e2e::BoxIcon::Warning, "Quorvin科技删除工具正在维护！",
                   "Quorvin科技正在维护该工具，请查看Quorvin科技在线公告。",
                   ""},
        Suspension{"Discontinued",
                   noticeDocument("停用", "本工具已停止服务。\r\n请改用新版。"),
                   e2e::BoxIcon::Error, "Quorvin科技删除工具已停止使用！",
                   "Quorvin科技已停用该工具，请查看Quorvin科技在线公告。",
                   "本工具已停止服务。\r\n请改用新版。"}),
    rowName<Suspension>);

// Notices the program cannot take are ignored: it starts as if the service
// were open. Each would otherwise stop it for maintenance.
struct Unreadable {
  const char* name;
  std::string document;
  Certificate certificate;
  bool reachesServer;  // the request gets past the TLS handshake
};
// gtest lists a row by its name rather than its bytes.
void PrintTo(const Unreadable& row, std::ostream* out) { *out << row.name; }

class UnreadableNotice : public OnlineScenario,
                         public testing::WithParamInterface<Unreadable> {};

TEST_P(UnreadableNotice, StartsNormallyShowingNothing) {
  const Unreadable& row = GetParam();
  Servers servers;
  servers.certificate = row.certificate;
  ASSERT_TRUE(e2e::startServers(servers, {{"/visit", Answer{row.document}}}));
  ASSERT_TRUE(start(program));

  const Sight sight = waitForSight(program);
  EXPECT_FALSE(sight.box) << "shown: " << sight.box.title << ": "
                          << sight.box.text;
  ASSERT_TRUE(sight.main) << "no main window";
  ASSERT_TRUE(e2e::settle(program));
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_TRUE(e2e::isRunning(program));
  EXPECT_EQ(noticeRequests(), row.reachesServer ? 1u : 0u) << e2e::serverLog();
}

INSTANTIATE_TEST_SUITE_P(
    Ignored, UnreadableNotice,
    testing::Values(
        // © is not in GB2312, so the whole document fails to convert.
        Unreadable{"CopyrightSignOutsideGb2312",
                   "<zt>维护</zt><gonggao>版权所有 © Quorvin科技</gonggao>",
                   Certificate::Trusted, true},
        // Over 1 MiB is no answer, as if the server had sent none.
        Unreadable{"LargerThanOneMebibyte",
                   noticeDocument("维护", "服务器维护中。") +
                       std::string(2 * 1048576, ' '),
                   Certificate::Trusted, true},
        Unreadable{"UntrustedCertificate",
                   noticeDocument("维护", "服务器维护中。"),
                   Certificate::Untrusted, false}),
    rowName<Unreadable>);

// With the online test failing the program says so and starts; it does not
// fetch the notice (which would stop it for maintenance).
TEST_F(StartupNotice, OfflineSaysSoThenStartsWithoutFetchingTheNotice) {
  Servers servers;
  servers.onlineTest = false;
  ASSERT_TRUE(e2e::startServers(
      servers, {{"/visit", Answer{noticeDocument("维护", "服务器维护中。")}}}));
  ASSERT_TRUE(start(program));

  const Sight offline = waitForSight(program);
  ASSERT_TRUE(offline.box) << "no offline box";
  EXPECT_FALSE(offline.main) << "the window showed with the box";
  EXPECT_TEXT(offline.box.title, "信息：");
  EXPECT_TEXT(offline.box.text, "请连接互联网以获得最佳体验！");
  EXPECT_EQ(offline.box.icon, e2e::BoxIcon::None);
  EXPECT_TRUE(offline.box.hasOk);
  EXPECT_FALSE(offline.box.hasCancel);
  ASSERT_TRUE(e2e::answer(offline.box, IDOK));

  const Sight next = waitForSight(program);
  EXPECT_FALSE(next.box) << "a second box: " << next.box.text;
  ASSERT_TRUE(next.main) << "no main window";
  ASSERT_TRUE(e2e::settle(program));
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_EQ(noticeRequests(), 0u) << e2e::serverLog();
}

}  // namespace
