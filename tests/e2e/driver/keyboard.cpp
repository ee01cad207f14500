// Keys go through the system's input queue (SendInput) to the window in
// front, so the program sees them exactly as a user's key presses: its
// message loop, dialog navigation and any key state agree.
#include "program_driver.h"
#include "waiting.h"

namespace e2e {

namespace {

INPUT key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan =
      static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

bool bringToFront(HWND window) {
  if (GetForegroundWindow() == window) return true;
  SetForegroundWindow(window);
  return waitUntil([&] { return GetForegroundWindow() == window; });
}

bool send(std::vector<INPUT> inputs) {
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(),
                   sizeof(INPUT)) == inputs.size();
}

}  // namespace

bool pressKey(const Program& program, WORD virtualKey) {
  return pressKeys(program, {virtualKey});
}

bool pressKeys(const Program& program, std::initializer_list<WORD> keys) {
  return pressKeysIn(program.main, keys);
}

bool pressKeysIn(HWND window, std::initializer_list<WORD> keys) {
  if (!bringToFront(window)) return false;
  std::vector<INPUT> inputs;
  for (WORD k : keys) inputs.push_back(key(k, false));
  for (auto k = std::rbegin(keys); k != std::rend(keys); ++k)
    inputs.push_back(key(*k, true));
  return send(inputs);
}

bool typeKeys(const Program& program, const std::string& ascii) {
  if (!bringToFront(program.main)) return false;
  std::vector<INPUT> inputs;
  for (char c : ascii) {
    const SHORT scan = VkKeyScanW(static_cast<WCHAR>(c));
    if (scan == -1 || (scan & 0xFF00)) return false;  // no shifted keys
    inputs.push_back(key(LOBYTE(scan), false));
    inputs.push_back(key(LOBYTE(scan), true));
  }
  return send(inputs);
}

}  // namespace e2e
