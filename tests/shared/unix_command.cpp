#include "unix_command.h"

#include <windows.h>

#include <cstdlib>

namespace unix_shell {

namespace {

std::wstring wideFromUtf8(const char* text) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (n <= 1) return {};
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), n);
  out.pop_back();  // the terminator
  return out;
}

// A name no earlier run left behind: Wine reuses process ids.
std::wstring freshMarker() {
  static int runs = 0;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::wstring marker;
  do {
    marker = std::wstring(temp) + L"quorvin-unix-" +
             std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++runs);
  } while (GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES);
  return marker;
}

int readStatus(const std::wstring& marker) {
  HANDLE file = CreateFileW(marker.c_str(), GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return -1;
  char status[16] = {};
  DWORD read = 0;
  const bool ok = ReadFile(file, status, sizeof status - 1, &read, nullptr);
  CloseHandle(file);
  DeleteFileW(marker.c_str());
  return ok && read > 0 ? std::atoi(status) : -1;
}

}  // namespace

std::wstring unixPathOf(const std::wstring& windowsPath) {
  using ToUnix = char*(CDECL*)(const WCHAR*);
  auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(GetProcAddress(
      GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  char* unix = toUnix(windowsPath.c_str());
  if (!unix) return {};
  const std::wstring path = wideFromUtf8(unix);
  HeapFree(GetProcessHeap(), 0, unix);
  return path;
}

int run(const std::wstring& commandLine, unsigned long patienceMs) {
  // Wine hands a Unix program to a process of its own, whose handle does
  // not wait for it: the shell leaves its exit status in a marker file,
  // moved into place in one step, and the marker appearing means it is done.
  const std::wstring marker = freshMarker();
  const std::wstring markerUnix = unixPathOf(marker);
  if (markerUnix.empty()) return -1;
  std::wstring line = L"Z:\\bin\\sh -c \"" + commandLine + L"; echo $? > '" +
                      markerUnix + L".tmp'; mv '" + markerUnix + L".tmp' '" +
                      markerUnix + L"'\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                      CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process))
    return -1;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const ULONGLONG deadline = GetTickCount64() + patienceMs;
  for (;;) {
    if (GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES)
      return readStatus(marker);
    if (GetTickCount64() >= deadline) return -1;
    Sleep(10);  // polling the marker, bounded by the deadline
  }
}

}  // namespace unix_shell
