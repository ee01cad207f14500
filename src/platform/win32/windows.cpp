// The toolkit's windows: their class, creation, events, focus and the
// message loop.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>
#include <ole2.h>

#include <memory>
#include <string>

#include "platform/win32/delay_loaded.h"
#include "platform/win32/resources/resource_ids.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/toolkit_window.h"
#include "platform/win32/win32_toolkit.h"

namespace {

const wchar_t kWindowClass[] = L"QuorvinWindow";
const DWORD kFixedFrame =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

ToolkitWindow* stateOf(HWND window) {
  return reinterpret_cast<ToolkitWindow*>(
      GetWindowLongPtrW(window, GWLP_USERDATA));
}

HICON programIcon(int metricX, int metricY) {
  return static_cast<HICON>(LoadImageW(
      GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QUORVIN_ICON), IMAGE_ICON,
      GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED));
}

// Buttons and check boxes raise clicked, edit boxes text changed; an edit
// box's own notification is held back while setText replaces its text.
void raiseControlEvent(ToolkitWindow& window, WPARAM wParam) {
  const size_t id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (id < 1 || id > window.controls.size()) return;
  const ToolkitControl& control = window.controls[id - 1];
  const bool isEdit = control.kind == ControlKind::Edit;
  const bool isButton = control.kind == ControlKind::Button ||
                        control.kind == ControlKind::CheckBox;
  const bool raises = (isEdit && code == EN_CHANGE && !window.quietEdits) ||
                      (isButton && code == BN_CLICKED);
  if (!raises || !control.onEvent) return;
  // While work runs aside nothing else may start; an edit's change event
  // raised by a handler's own setText is part of that handler.
  if (toolkitActivity().workRunning && !window.quietEdits) {
    // A click that reached a disabled check box (BM_CLICK does) toggled
    // it already: it is put back.
    if (control.kind == ControlKind::CheckBox) {
      const bool checked =
          SendMessageW(control.handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
      SendMessageW(control.handle, BM_SETCHECK,
                   checked ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    return;
  }
  // A copy: the handler may replace the window's controls.
  const std::function<void()> handler = control.onEvent;
  HandlerScope scope;
  handler();
}

// A drop's handling, posted by the drop target so the source was answered
// first.
void takeDroppedFiles(ToolkitWindow& window, LPARAM lParam) {
  const std::unique_ptr<std::string> text(
      reinterpret_cast<std::string*>(lParam));
  if (!acceptsNewHandler() || !window.onGotFiles) return;
  const GotFilesHandler handler = window.onGotFiles;
  HandlerScope scope;
  handler(*text);
}

void forgetWindow(ToolkitWindow& window) {
  for (HFONT font : window.fonts) DeleteObject(font);
  window.fonts.clear();
  window.controls.clear();
  window.byName.clear();
  window.lastFocus = nullptr;
  window.handle = nullptr;
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam,
                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* window = static_cast<ToolkitWindow*>(create->lpCreateParams);
    window->handle = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  ToolkitWindow* window = stateOf(hwnd);
  if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      raiseControlEvent(*window, wParam);
      return 0;
    case WM_CTLCOLORSTATIC: {
      // Labels and check boxes sit on the window's own background.
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) window->lastFocus = focus;
      }
      break;  // activation focuses the window, which hands the focus on
    case WM_SETFOCUS: {
      HWND previous = reinterpret_cast<HWND>(wParam);
      if (previous && IsChild(hwnd, previous)) window->lastFocus = previous;
      handOnFocus(*window);
      return 0;
    }
    case kFilesDroppedMessage:
      takeDroppedFiles(*window, lParam);
      return 0;
    case WM_CLOSE: {
      // Closed while a deletion runs aside: it stops at its next entry, and
      // the program ends once it has returned.
      ToolkitActivity& activity = toolkitActivity();
      if (window->endsMessageLoop && activity.stopWork) {
        activity.closeRequested = true;
        activity.stopWork();
        return 0;
      }
      restoreDisabledWindows(*window);
      break;
    }
    case WM_DESTROY: {
      const std::function<void()> onDestroying = window->onDestroying;
      if (onDestroying) onDestroying();
      if (window->endsMessageLoop) PostQuitMessage(0);
      return 0;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      forgetWindow(*window);
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The common controls are started with the first window rather than with
// the process, which may show a box before any window.
bool commonControlsStarted() {
  static const bool started = [] {
    if (!commonControlsLoad()) return false;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return true;
  }();
  return started;
}

bool registerWindowClass() {
  WNDCLASSEXW cls{};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), kWindowClass, &cls)) {
    return true;
  }
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = windowProc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hIcon = programIcon(SM_CXICON, SM_CYICON);
  cls.hIconSm = programIcon(SM_CXSMICON, SM_CYSMICON);
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = kWindowClass;
  return RegisterClassExW(&cls) != 0;
}

}  // namespace

bool isToolkitWindow(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return lstrcmpW(name, kWindowClass) == 0 && stateOf(window) != nullptr;
}

bool createToolkitWindow(ToolkitWindow& window,
                         const WindowDefinition& definition, HWND owner) {
  if (!commonControlsStarted() || !registerWindowClass()) return false;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - definition.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - definition.height) / 2;
  window.onDestroying = definition.onDestroying;
  HWND handle = CreateWindowExW(
      0, kWindowClass, wideFromText(definition.title).c_str(), kFixedFrame,
      left, top, definition.width, definition.height, owner, nullptr,
      GetModuleHandleW(nullptr), &window);
  if (!handle) return false;
  createControls(window, definition.controls);
  return true;
}

HWND firstTabStop(const ToolkitWindow& window) {
  for (const ToolkitControl& control : window.controls) {
    const LONG style = GetWindowLongW(control.handle, GWL_STYLE);
    if ((style & WS_TABSTOP) && IsWindowVisible(control.handle) &&
        IsWindowEnabled(control.handle)) {
      return control.handle;
    }
  }
  return nullptr;
}

void handOnFocus(ToolkitWindow& window) {
  HWND target = window.lastFocus;
  if (!target || !IsWindow(target) || !IsWindowVisible(target) ||
      !IsWindowEnabled(target)) {
    target = firstTabStop(window);
  }
  if (target) SetFocus(target);
}

std::wstring windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return std::wstring();
  std::wstring text(length + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? copied : 0);
  return text;
}

void runMessages(const std::function<bool()>& done) {
  MSG message;
  while (!done()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // Left for the outermost loop, which ends the program.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (got < 0) return;
    if (handleWindowKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool dispatchWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    if (handleWindowKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

Win32Toolkit::Win32Toolkit() = default;

Win32Toolkit::~Win32Toolkit() {
  for (auto& [id, window] : windows_) {
    if (!window.handle) continue;
    window.onDestroying = nullptr;
    window.endsMessageLoop = false;
    // OLE would keep its target otherwise.
    if (oleStarted_) RevokeDragDrop(window.handle);
    DestroyWindow(window.handle);
  }
  if (modalOwner_) DestroyWindow(modalOwner_);
  if (oleStarted_) OleUninitialize();
}

bool Win32Toolkit::createWindow(const WindowDefinition& definition) {
  ToolkitWindow& window = windows_[definition.id];
  if (window.handle) return false;
  window = ToolkitWindow{};
  window.endsMessageLoop = true;
  return createToolkitWindow(window, definition, nullptr);
}

void Win32Toolkit::showWindow(WindowId id, const std::string& focusControl) {
  HWND window = windowHandle(id);
  if (!window) return;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  SetForegroundWindow(window);
  HWND control = controlHandle({id, focusControl});
  if (control) {
    windows_[id].lastFocus = control;
    SetFocus(control);
  }
}

void Win32Toolkit::runMessageLoop() {
  runMessages([] { return false; });
  // The quit message ended the loop; nothing is left to run.
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void Win32Toolkit::setTopmost(WindowId id, bool topmost) {
  HWND window = windowHandle(id);
  if (!window) return;
  SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Toolkit::focusWindow(WindowId id) {
  HWND window = windowHandle(id);
  if (!window) return;
  if (GetFocus() == window) {
    handOnFocus(windows_[id]);  // already focused: no WM_SETFOCUS comes
  } else {
    SetFocus(window);
  }
}

HWND Win32Toolkit::windowHandle(WindowId id) const {
  auto found = windows_.find(id);
  return found == windows_.end() ? nullptr : found->second.handle;
}
