// The keyboard rules of the program's windows. There is no dialog manager:
// it would let Enter click the focused button, and the windows have no
// default button.
#include <windows.h>

#include "platform/win32/toolkit_window.h"

namespace {

void moveFocus(HWND root, bool backwards) {
  HWND focus = GetFocus();
  if (focus && !IsChild(root, focus)) focus = nullptr;
  HWND next = GetNextDlgTabItem(root, focus, backwards ? TRUE : FALSE);
  if (!next) return;
  SetFocus(next);
  wchar_t cls[16] = {};
  GetClassNameW(next, cls, 16);
  if (lstrcmpiW(cls, L"Edit") == 0) SendMessageW(next, EM_SETSEL, 0, -1);
  // The keyboard is in use: show focus rectangles from now on.
  SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS),
               0);
}

}  // namespace

bool handleWindowKeys(const MSG& message) {
  if (message.message != WM_KEYDOWN || !message.hwnd) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (!root || !isToolkitWindow(root)) return false;
  switch (message.wParam) {
    case VK_ESCAPE:
      PostMessageW(root, WM_CLOSE, 0, 0);
      return true;
    case VK_RETURN:
      return true;  // no default button; an edit box would only beep
    case VK_TAB:
      moveFocus(root, GetKeyState(VK_SHIFT) < 0);
      return true;
  }
  return false;
}
