// Reading and operating the program's controls from another process. Only
// messages the system marshals between processes are used (WM_GETTEXT,
// WM_SETTEXT, LB_GETTEXT); GetWindowText would read "" there.
#include <string>

#include "control_names.h"
#include "program_driver.h"
#include "waiting.h"

namespace e2e {

namespace {

const UINT kReplyTime = kPatience;

LRESULT ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL,
                           kReplyTime, &result))
    return -1;
  return static_cast<LRESULT>(result);
}

}  // namespace

HWND control(const Program& program, const std::string& name) {
  const int id = mainControlId(name);
  return id ? GetDlgItem(program.main, id) : nullptr;
}

HWND control(HWND aboutWindow, const std::string& name) {
  const int id = aboutControlId(name);
  return id ? GetDlgItem(aboutWindow, id) : nullptr;
}

std::string text(HWND window) {
  const LRESULT length = ask(window, WM_GETTEXTLENGTH);
  if (length <= 0) return {};
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = ask(window, WM_GETTEXT, buffer.size(),
                             reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return narrow(buffer);
}

std::string text(const Program& program, const std::string& name) {
  return text(control(program, name));
}

void setText(const Program& program, const std::string& name,
             const std::string& newText) {
  const std::wstring content = wide(newText);
  ask(control(program, name), WM_SETTEXT, 0,
      reinterpret_cast<LPARAM>(content.c_str()));
}

void click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void click(const Program& program, const std::string& name) {
  click(control(program, name));
}

bool isChecked(const Program& program, const std::string& name) {
  return ask(control(program, name), BM_GETCHECK) == BST_CHECKED;
}

int listCount(const Program& program, const std::string& name) {
  return static_cast<int>(ask(control(program, name), LB_GETCOUNT));
}

std::string listItem(const Program& program, const std::string& name,
                     int index) {
  HWND list = control(program, name);
  const LRESULT length = ask(list, LB_GETTEXTLEN, index);
  if (length < 0) return {};
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied =
      ask(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return narrow(buffer);
}

std::vector<std::string> listItems(const Program& program,
                                   const std::string& name) {
  std::vector<std::string> items;
  const int count = listCount(program, name);
  for (int i = 0; i < count; ++i) items.push_back(listItem(program, name, i));
  return items;
}

int listSelection(const Program& program, const std::string& name) {
  return static_cast<int>(ask(control(program, name), LB_GETCURSEL));
}

bool isEnabled(HWND window) { return IsWindowEnabled(window) != 0; }
bool isVisible(HWND window) { return IsWindowVisible(window) != 0; }
bool isTopmost(HWND window) {
  return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::ostream& operator<<(std::ostream& out, const Place& place) {
  return out << "(" << place.left << ", " << place.top << ", " << place.width
             << " x " << place.height << ")";
}

Place windowPlace(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Place clientPlace(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

SIZE screenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

HWND focusedControl(const Program& program) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(program.process.dwThreadId, &info)) return nullptr;
  return info.hwndFocus;
}

HWND waitUntilFocused(const Program& program, HWND control) {
  waitUntil([&] { return focusedControl(program) == control; });
  return focusedControl(program);
}

bool waitUntilText(HWND window, const std::string& wanted) {
  return waitUntil([&] { return text(window) == wanted; });
}

}  // namespace e2e
