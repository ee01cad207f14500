// The modal window: owned by a hidden window of the program, so it has no
// taskbar button, while every other window of the program is disabled.
#include <windows.h>

#include "platform/win32/toolkit_window.h"
#include "platform/win32/win32_toolkit.h"

namespace {

struct DisableRun {
  HWND modal;
  std::vector<std::pair<HWND, bool>>* disabled;
};

BOOL CALLBACK disableWindow(HWND window, LPARAM lParam) {
  auto* run = reinterpret_cast<DisableRun*>(lParam);
  // Hidden helper windows (IME, OLE) take no input and are left alone.
  if (window == run->modal || !IsWindowVisible(window)) return TRUE;
  run->disabled->push_back({window, IsWindowEnabled(window) != FALSE});
  EnableWindow(window, FALSE);
  return TRUE;
}

}  // namespace

void restoreDisabledWindows(ToolkitWindow& window) {
  if (window.disabledWindows.empty()) return;
  // Re-enabled before the modal window goes, so the activation returns to
  // the program rather than to another one.
  for (const auto& [handle, enabled] : window.disabledWindows) {
    if (IsWindow(handle)) EnableWindow(handle, enabled ? TRUE : FALSE);
  }
  window.disabledWindows.clear();
  if (window.activeBefore && IsWindow(window.activeBefore) &&
      IsWindowEnabled(window.activeBefore)) {
    SetActiveWindow(window.activeBefore);
  }
}

HWND Win32Toolkit::modalOwner() {
  if (!modalOwner_) {
    modalOwner_ =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  return modalOwner_;
}

void Win32Toolkit::openModal(const WindowDefinition& definition) {
  ToolkitWindow& window = windows_[definition.id];
  if (window.handle) return;
  window = ToolkitWindow{};
  window.activeBefore = GetActiveWindow();
  if (!createToolkitWindow(window, definition, modalOwner())) return;
  HWND modal = window.handle;
  DisableRun run{modal, &window.disabledWindows};
  EnumThreadWindows(GetCurrentThreadId(), disableWindow,
                    reinterpret_cast<LPARAM>(&run));
  ShowWindow(modal, SW_SHOWNORMAL);
  SetForegroundWindow(modal);
  runMessages([modal] { return !IsWindow(modal); });
  restoreDisabledWindows(window);  // closed without WM_CLOSE
}
