#include "online_scenario.h"

#include "waiting.h"

bool OnlineScenario::start(e2e::Program& program) {
  startedAt = GetTickCount64();
  return e2e::start(program, e2e::testFolder("online"));
}

Sight OnlineScenario::waitForSight(e2e::Program& program, DWORD patience) {
  Sight sight;
  e2e::waitUntil(
      [&] {
        sight.box = e2e::openBox(program);
        sight.main = e2e::findMainWindow(program);
        sight.ended = !e2e::isRunning(program);
        mainEverShown = mainEverShown || sight.main;
        return sight.box || sight.main || sight.ended;
      },
      patience);
  if (sight.main) program.main = sight.main;
  return sight;
}

std::optional<DWORD> OnlineScenario::waitForEnd(e2e::Program& program) {
  e2e::waitUntil([&] {
    mainEverShown = mainEverShown || e2e::findMainWindow(program);
    return !e2e::isRunning(program);
  });
  if (e2e::isRunning(program)) return std::nullopt;
  return e2e::waitForExit(program);
}

void OnlineScenario::startToMainWindow(const e2e::Servers& servers,
                                       const e2e::Routes& routes) {
  ASSERT_TRUE(e2e::startServers(servers, routes));
  ASSERT_TRUE(start(program));
  Sight sight = waitForSight(program);
  if (!servers.onlineTest) {
    ASSERT_TRUE(sight.box) << "no offline box";
    EXPECT_TEXT(sight.box.text, "请连接互联网以获得最佳体验！");
    ASSERT_TRUE(e2e::answer(sight.box, IDOK));
    sight = waitForSight(program);
  }
  ASSERT_FALSE(sight.box) << sight.box.text;
  ASSERT_TRUE(sight.main) << "no main window";
}

std::string noticeDocument(const std::string& status,
                           const std::string& announcement) {
  return "<zt>" + status + "</zt>\r\n<gonggao>" + announcement +
         "</gonggao>\r\n";
}

HWND openAboutWindow(const e2e::Program& program) {
  e2e::click(program, "按钮3");
  return e2e::waitForWindow(program, "关于");
}

bool pressKeyIn(HWND window, WORD virtualKey) {
  e2e::Program front;  // no process of its own: only its window is used
  front.main = window;
  return e2e::pressKey(front, virtualKey);
}
