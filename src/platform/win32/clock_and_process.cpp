// now, openUrl and endProgram.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "platform/win32/delay_loaded.h"
#include "platform/win32/internet_session.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/win32_system.h"

DateTime Win32System::now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return DateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

void Win32System::openUrl(const std::string& url) {
  if (!shellLoads()) return;
  ShellExecuteW(nullptr, L"open", wideFromText(url).c_str(), nullptr, nullptr,
                SW_SHOWNORMAL);
}

void Win32System::endProgram(int exitCode) {
  closeInternetSession();
  ExitProcess(static_cast<UINT>(exitCode));
}
