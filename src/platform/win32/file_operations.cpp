// deleteFile, programFolder and setWorkingDirectory.
#include <windows.h>

#include "platform/win32/file_target.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/win32_system.h"

bool Win32System::deleteFile(const std::string& path) {
  const std::wstring literal = literalTargetOf(wideFromText(path));
  return !literal.empty() && DeleteFileW(literal.c_str()) != FALSE;
}

std::string Win32System::programFolder() {
  std::wstring exe(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n =
        GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
    if (n == 0) return std::string();
    if (n < exe.size()) {
      exe.resize(n);
      break;
    }
    exe.resize(exe.size() * 2);  // cut off: try again with more room
  }
  return textFromWide(exe.substr(0, exe.find_last_of(L'\\')));
}

bool Win32System::setWorkingDirectory(const std::string& path) {
  return SetCurrentDirectoryW(wideFromText(path).c_str()) != FALSE;
}
