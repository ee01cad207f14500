// The windows themselves: closing, the keyboard, focus, top-most mode and
// the modal window.
#include <functional>
#include <string>

#include "toolkit_fixture.h"

namespace {

// Thread timers run their callback from inside whatever loop is running,
// which is how a test acts while a loop of the toolkit has control.
std::function<void()> onTick;
void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
  if (onTick) onTick();
}

class WindowTest : public ToolkitTest {
 protected:
  void TearDown() override {
    if (timer_) KillTimer(nullptr, timer_);
    onTick = nullptr;
    ToolkitTest::TearDown();
  }
  void everyTick(std::function<void()> action) {
    onTick = std::move(action);
    timer_ = SetTimer(nullptr, 0, 20, tick);
  }
  // Runs the program's message loop; a loop that is still running after
  // many ticks is ended, and the test fails on `loopHung`.
  void runLoopGuarded() {
    int ticks = 0;
    everyTick([&] {
      if (++ticks == 250) {
        loopHung = true;
        PostQuitMessage(0);
      }
    });
    ui().runMessageLoop();
  }
  HWND focus() { return GetFocus(); }

  UINT_PTR timer_ = 0;
  bool loopHung = false;
};

struct CloseCase {
  const char* label;
  const char* control;
  UINT message;
  WPARAM wParam;
};

void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.label; }

class ClosingTest : public WindowTest,
                    public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingTest, ClosingDestroysTheWindowAndEndsTheLoop) {
  const CloseCase& c = GetParam();
  HWND target = c.control[0] ? handle(c.control) : window();
  ASSERT_NE(target, nullptr);
  SetFocus(target);
  PostMessageW(target, c.message, c.wParam, 0);
  runLoopGuarded();
  EXPECT_FALSE(loopHung);
  EXPECT_EQ(destroyings, 1);
  EXPECT_EQ(window(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    EscAnywhereAndTheCloseButton, ClosingTest,
    ::testing::Values(
        CloseCase{"EscInThePathBox", "编辑框1", WM_KEYDOWN, VK_ESCAPE},
        CloseCase{"EscOnAButton", "按钮1", WM_KEYDOWN, VK_ESCAPE},
        CloseCase{"EscOnACheckBox", "选择框1", WM_KEYDOWN, VK_ESCAPE},
        CloseCase{"EscInTheList", "列表框1", WM_KEYDOWN, VK_ESCAPE},
        CloseCase{"EscOnTheWindow", "", WM_KEYDOWN, VK_ESCAPE},
        CloseCase{"CloseButton", "", WM_SYSCOMMAND, SC_CLOSE}),
    [](const ::testing::TestParamInfo<CloseCase>& info) {
      return std::string(info.param.label);
    });

TEST_F(WindowTest, EnterDoesNothing) {
  SetFocus(handle("按钮1"));
  PostMessageW(handle("按钮1"), WM_KEYDOWN, VK_RETURN, 0);
  pumpMessages();
  ui().setText(control("编辑框1"), "C:\\a.txt");
  SetFocus(handle("编辑框1"));
  PostMessageW(handle("编辑框1"), WM_KEYDOWN, VK_RETURN, 0);
  pumpMessages();
  EXPECT_EQ(deleteClicks, 0);
  EXPECT_EQ(pathChanges.size(), 1u);  // the setText only
  EXPECT_EQ(ui().getText(control("编辑框1")), "C:\\a.txt");
  EXPECT_EQ(destroyings, 0);
}

TEST_F(WindowTest, TabMovesThroughTheControlsInTableOrder) {
  SetFocus(handle("编辑框1"));
  for (const char* next : {"按钮1", "选择框1", "列表框1", "编辑框1"}) {
    PostMessageW(focus(), WM_KEYDOWN, VK_TAB, 0);
    pumpMessages();
    EXPECT_EQ(focus(), handle(next)) << next;
  }
}

TEST_F(WindowTest, TheWindowHandsItsFocusToTheControlThatHadItLast) {
  SetFocus(handle("选择框1"));
  ui().focusWindow(WindowId::Main);
  EXPECT_EQ(focus(), handle("选择框1"));
  SetFocus(window());  // the window itself takes it, as on activation
  EXPECT_EQ(focus(), handle("选择框1"));
}

TEST_F(WindowTest, WithoutThatTheFirstVisibleEnabledTabStopGetsTheFocus) {
  ui().setVisible(control("编辑框1"), false);
  EnableWindow(handle("按钮1"), FALSE);
  ui().focusWindow(WindowId::Main);
  EXPECT_EQ(focus(), handle("选择框1"));
}

TEST_F(WindowTest, TopmostModeNeitherMovesNorActivatesTheWindow) {
  RECT before{}, after{};
  GetWindowRect(window(), &before);
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0,
                               0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  ui().setTopmost(WindowId::Main, true);
  EXPECT_TRUE(GetWindowLongW(window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetActiveWindow(), other);
  ui().setTopmost(WindowId::Main, false);
  EXPECT_FALSE(GetWindowLongW(window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  GetWindowRect(window(), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  DestroyWindow(other);
}

// The About window as the program defines it, in short.
WindowDefinition aboutWindow(int& checks) {
  using K = ControlKind;
  return WindowDefinition{
      WindowId::About,
      "关于测试",
      380,
      250,
      {
          {"标签3", K::Label, 88, 160, 80, 24, "V2.5"},
          {"标签2", K::Label, 88, 184, 80, 24, "请联网重试..", false},
          {"按钮1",
           K::Button,
           184,
           160,
           80,
           32,
           "检查更新",
           true,
           false,
           {},
           [&checks] { ++checks; }},
      },
      {},
  };
}

struct ModalSeen {
  bool open = false;
  bool mainEnabled = true;
  bool disabledStayed = true;
  bool visible = false;
  bool ownedByMain = true;
  bool hasOwner = false;
  bool topmost = true;
  bool hasTaskbarStyle = true;
  std::string version, latest;
  bool latestVisible = true;
  bool closedByEsc = true;
};

TEST_F(WindowTest, TheModalWindowDisablesTheOthersUntilItIsClosed) {
  HWND disabledBefore = CreateWindowExW(
      0, L"STATIC", L"disabled before", WS_POPUP | WS_VISIBLE | WS_DISABLED, 0,
      0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  HWND enabledBefore =
      CreateWindowExW(0, L"STATIC", L"enabled before", WS_POPUP | WS_VISIBLE,
                      60, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  int checks = 0;
  std::vector<ModalSeen> sessions;
  int ticks = 0;
  everyTick([&] {
    HWND modal = ui().windowHandle(WindowId::About);
    if (!modal) return;
    ModalSeen& seen = sessions.back();
    if (!seen.open) {
      seen.open = true;
      seen.visible = IsWindowVisible(modal);
      seen.mainEnabled = IsWindowEnabled(window());
      seen.disabledStayed = !IsWindowEnabled(disabledBefore);
      seen.hasOwner = GetWindow(modal, GW_OWNER) != nullptr;
      seen.ownedByMain = GetWindow(modal, GW_OWNER) == window();
      seen.topmost = GetWindowLongW(modal, GWL_EXSTYLE) & WS_EX_TOPMOST;
      seen.hasTaskbarStyle =
          GetWindowLongW(modal, GWL_EXSTYLE) & WS_EX_APPWINDOW;
      seen.version = ui().getText({WindowId::About, "标签3"});
      seen.latest = ui().getText({WindowId::About, "标签2"});
      seen.latestVisible =
          IsWindowVisible(ui().controlHandle({WindowId::About, "标签2"}));
      // What the update check does to the window; gone when it reopens.
      SendMessageW(ui().controlHandle({WindowId::About, "按钮1"}), BM_CLICK, 0,
                   0);
      ui().setVisible({WindowId::About, "标签2"}, true);
      ui().setText({WindowId::About, "标签2"}, "V9.9");
      PostMessageW(ui().controlHandle({WindowId::About, "按钮1"}), WM_KEYDOWN,
                   VK_ESCAPE, 0);
      ticks = 0;
    } else if (++ticks == 100) {
      seen.closedByEsc = false;
      DestroyWindow(modal);
    }
  });
  for (int session = 0; session < 2; ++session) {
    sessions.emplace_back();
    ui().openModal(aboutWindow(checks));
    EXPECT_TRUE(IsWindowEnabled(window())) << session;
    EXPECT_TRUE(IsWindowEnabled(enabledBefore)) << session;
    EXPECT_FALSE(IsWindowEnabled(disabledBefore)) << session;
    EXPECT_EQ(ui().windowHandle(WindowId::About), nullptr) << session;
  }
  ASSERT_EQ(sessions.size(), 2u);
  for (const ModalSeen& seen : sessions) {
    EXPECT_TRUE(seen.open);
    EXPECT_TRUE(seen.visible);
    EXPECT_FALSE(seen.mainEnabled);
    EXPECT_TRUE(seen.disabledStayed);
    EXPECT_TRUE(seen.hasOwner);
    EXPECT_FALSE(seen.ownedByMain);
    EXPECT_FALSE(seen.topmost);
    EXPECT_FALSE(seen.hasTaskbarStyle);
    EXPECT_EQ(seen.version, "V2.5");
    EXPECT_TEXT(seen.latest, "请联网重试..");
    EXPECT_FALSE(seen.latestVisible);
    EXPECT_TRUE(seen.closedByEsc);
  }
  EXPECT_EQ(checks, 2);
  DestroyWindow(disabledBefore);
  DestroyWindow(enabledBefore);
}

}  // namespace
