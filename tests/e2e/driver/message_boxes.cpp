// Message boxes: visible top-level "#32770" windows of the program's
// process (the program's boxes are task-modal and have no owner).
#include "box_icon.h"
#include "program_driver.h"
#include "waiting.h"

namespace e2e {

namespace {

struct BoxSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK checkBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (pid != search->processId || !IsWindowVisible(window) ||
      std::wstring(className) != L"#32770")
    return TRUE;
  search->found = window;
  return FALSE;
}

bool hasButton(HWND box, int id) {
  HWND button = GetDlgItem(box, id);
  return button && IsWindowVisible(button);
}

bool gone(const Box& box) {
  return waitUntil(
      [&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); });
}

Box describe(HWND window) {
  Box box;
  if (!window) return box;
  box.window = window;
  box.title = text(window);
  box.text = text(GetDlgItem(window, 0xFFFF));
  box.hasOk = hasButton(window, IDOK);
  box.hasCancel = hasButton(window, IDCANCEL);
  box.icon = boxIcon(window);
  return box;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None:
      return out << "no icon";
    case BoxIcon::Error:
      return out << "error icon";
    case BoxIcon::Warning:
      return out << "warning icon";
    case BoxIcon::Information:
      return out << "information icon";
    case BoxIcon::Question:
      return out << "question icon";
    case BoxIcon::Unknown:
      break;
  }
  return out << "unknown icon";
}

Box openBox(const Program& program) {
  BoxSearch search{program.process.dwProcessId, nullptr};
  EnumWindows(checkBox, reinterpret_cast<LPARAM>(&search));
  return describe(search.found);
}

Box waitForBox(const Program& program) {
  BoxSearch search{program.process.dwProcessId, nullptr};
  HWND found = waitUntil([&] {
    search.found = nullptr;
    EnumWindows(checkBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
  });
  return describe(found);
}

bool answer(const Box& box, int buttonId) {
  if (!box.window) return false;
  PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box.window, buttonId)));
  return gone(box);
}

bool closeBox(const Box& box) {
  if (!box.window) return false;
  PostMessageW(box.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  return gone(box);
}

bool escapeBox(const Box& box) {
  return box.window && pressKeysIn(box.window, {VK_ESCAPE}) && gone(box);
}

}  // namespace e2e
