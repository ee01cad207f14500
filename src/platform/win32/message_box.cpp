// Message boxes: no owner, modal to the whole program.
#include <windows.h>

#include "platform/win32/text_wide.h"
#include "platform/win32/win32_toolkit.h"

namespace {

int answerFor(int pressed) {
  switch (pressed) {
    case IDOK:
      return kAnswerOk;
    case IDABORT:
      return kAnswerAbort;
    case IDRETRY:
      return kAnswerRetry;
    case IDIGNORE:
      return kAnswerIgnore;
    case IDYES:
      return kAnswerYes;
    case IDNO:
      return kAnswerNo;
  }
  return kAnswerCancel;  // also when no box could be shown
}

}  // namespace

int Win32Toolkit::messageBox(const std::string& text, int kind,
                             const std::string& title) {
  const std::wstring caption = title.empty() ? L"信息：" : wideFromText(title);
  const int pressed =
      MessageBoxW(nullptr, wideFromText(text).c_str(), caption.c_str(),
                  static_cast<UINT>(kind) | MB_TASKMODAL);
  return answerFor(pressed);
}
