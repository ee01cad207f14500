// Reading and changing controls by window and name.
#include <windows.h>

#include <algorithm>

#include "platform/win32/text_wide.h"
#include "platform/win32/toolkit_window.h"
#include "platform/win32/win32_toolkit.h"

namespace {

int listTextWidth(HWND list, const std::wstring& text) {
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(
      dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  return size.cx + 2 * GetSystemMetrics(SM_CXEDGE);
}

// LB_SETCURSEL scrolls on Windows; the top index is set as well so every
// system shows the item.
void scrollIntoView(HWND list, int index) {
  if (index < 0) return;
  RECT client{};
  GetClientRect(list, &client);
  const int itemHeight =
      static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const int visible = std::max(
      1, itemHeight > 0 ? static_cast<int>(client.bottom) / itemHeight : 1);
  const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  if (index < top) {
    SendMessageW(list, LB_SETTOPINDEX, index, 0);
  } else if (index >= top + visible) {
    SendMessageW(list, LB_SETTOPINDEX, index - visible + 1, 0);
  }
}

}  // namespace

void appendListItem(HWND list, const std::wstring& text) {
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  const int width = listTextWidth(list, text);
  if (width > SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0)) {
    SendMessageW(list, LB_SETHORIZONTALEXTENT, width, 0);
  }
}

const ToolkitControl* Win32Toolkit::findControl(const Control& control) const {
  auto window = windows_.find(control.window);
  if (window == windows_.end() || !window->second.handle) return nullptr;
  auto found = window->second.byName.find(control.name);
  if (found == window->second.byName.end()) return nullptr;
  return &window->second.controls[found->second];
}

HWND Win32Toolkit::controlHandle(const Control& control) const {
  const ToolkitControl* found = findControl(control);
  return found ? found->handle : nullptr;
}

std::string Win32Toolkit::getText(const Control& control) {
  const ToolkitControl* found = findControl(control);
  return found ? textFromWide(windowText(found->handle)) : std::string();
}

void Win32Toolkit::setText(const Control& control, const std::string& text) {
  const ToolkitControl* found = findControl(control);
  if (!found) return;
  const std::wstring wide = wideFromText(text);
  if (found->kind != ControlKind::Edit) {
    SetWindowTextW(found->handle, wide.c_str());
    return;
  }
  // The edit box notifies its own change while the text is replaced (or
  // not, when it is the same); the handler runs once, after, either way.
  ToolkitWindow& window = windows_[control.window];
  window.quietEdits = true;
  SetWindowTextW(found->handle, wide.c_str());
  window.quietEdits = false;
  const std::function<void()> handler = found->onEvent;
  if (handler) handler();
}

bool Win32Toolkit::isChecked(const Control& box) {
  const ToolkitControl* found = findControl(box);
  return found && SendMessageW(found->handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Toolkit::setChecked(const Control& box, bool checked) {
  const ToolkitControl* found = findControl(box);
  if (!found) return;
  SendMessageW(found->handle, BM_SETCHECK,
               checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Toolkit::setVisible(const Control& control, bool visible) {
  const ToolkitControl* found = findControl(control);
  if (found) ShowWindow(found->handle, visible ? SW_SHOW : SW_HIDE);
}

void Win32Toolkit::listAppend(const Control& list, const std::string& text) {
  const ToolkitControl* found = findControl(list);
  if (found) appendListItem(found->handle, wideFromText(text));
}

int Win32Toolkit::listCount(const Control& list) {
  const ToolkitControl* found = findControl(list);
  if (!found) return 0;
  const LRESULT count = SendMessageW(found->handle, LB_GETCOUNT, 0, 0);
  return count > 0 ? static_cast<int>(count) : 0;
}

std::string Win32Toolkit::listItemText(const Control& list, int index) {
  const ToolkitControl* found = findControl(list);
  if (!found || index < 0 || index >= listCount(list)) return std::string();
  const LRESULT length = SendMessageW(found->handle, LB_GETTEXTLEN, index, 0);
  if (length <= 0) return std::string();
  std::wstring text(length + 1, L'\0');
  const LRESULT copied = SendMessageW(found->handle, LB_GETTEXT, index,
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? copied : 0);
  return textFromWide(text);
}

void Win32Toolkit::listSelect(const Control& list, int index) {
  const ToolkitControl* found = findControl(list);
  if (!found) return;
  const int last = listCount(list) - 1;
  index = std::max(-1, std::min(index, last));
  SendMessageW(found->handle, LB_SETCURSEL, index, 0);
  scrollIntoView(found->handle, index);
}
