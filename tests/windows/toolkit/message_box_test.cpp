// Message boxes, answered from a second thread as a user would answer them.
#include <string>
#include <thread>

#include "platform/win32/text_wide.h"
#include "toolkit_fixture.h"

namespace {

// The visible message box of this process, if one is open.
HWND openBox() {
  struct Search {
    HWND box = nullptr;
  } search;
  EnumWindows(
      [](HWND window, LPARAM lParam) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(window, cls, 16);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(window) &&
            process == GetCurrentProcessId()) {
          reinterpret_cast<Search*>(lParam)->box = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.box;
}

struct SeenBox {
  std::string title, text;
  bool mainEnabled = true;
};

// Waits for the box, notes what it shows and presses `button` in it.
std::thread answerBox(int button, HWND main, SeenBox& seen) {
  return std::thread([button, main, &seen] {
    for (int tries = 0; tries < 3000; ++tries) {
      HWND box = openBox();
      if (!box) {
        Sleep(10);
        continue;
      }
      wchar_t title[64] = {}, text[256] = {};
      GetWindowTextW(box, title, 64);
      GetDlgItemTextW(box, 0xFFFF, text, 256);
      seen.title = textFromWide(title);
      seen.text = textFromWide(text);
      seen.mainEnabled = IsWindowEnabled(main);
      PostMessageW(box, WM_COMMAND, button, 0);
      return;
    }
  });
}

using MessageBoxTest = ToolkitTest;

TEST_F(MessageBoxTest, AnswersAreNumberedFromOk) {
  struct Case {
    int kind, button, answer;
  };
  const Case cases[] = {
      {kBoxOk, IDOK, kAnswerOk},
      {kBoxOkCancel, IDOK, kAnswerOk},
      {kBoxOkCancel, IDCANCEL, kAnswerCancel},
      {MB_ABORTRETRYIGNORE, IDABORT, kAnswerAbort},
      {MB_ABORTRETRYIGNORE, IDRETRY, kAnswerRetry},
      {MB_ABORTRETRYIGNORE, IDIGNORE, kAnswerIgnore},
      {MB_YESNOCANCEL, IDYES, kAnswerYes},
      {MB_YESNOCANCEL, IDNO, kAnswerNo},
  };
  for (const Case& c : cases) {
    SeenBox seen;
    std::thread user = answerBox(c.button, window(), seen);
    const int answer = ui().messageBox("确定要删除吗？", c.kind);
    user.join();
    EXPECT_EQ(answer, c.answer) << "kind " << c.kind << ", button " << c.button;
  }
}

TEST_F(MessageBoxTest, BoxesAreTaskModalWithTheDefaultTitle) {
  SeenBox seen;
  std::thread user = answerBox(IDOK, window(), seen);
  ui().messageBox("删除成功！", kBoxInformation);
  user.join();
  EXPECT_TEXT(seen.title, "信息：");
  EXPECT_TEXT(seen.text, "删除成功！");
  EXPECT_FALSE(seen.mainEnabled);
  EXPECT_TRUE(IsWindowEnabled(window()));

  std::thread again = answerBox(IDOK, window(), seen);
  ui().messageBox("无网络连接", kBoxError, "检查失败");
  again.join();
  EXPECT_TEXT(seen.title, "检查失败");
  EXPECT_TEXT(seen.text, "无网络连接");
}

}  // namespace
