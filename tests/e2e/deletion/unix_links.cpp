#include "unix_links.h"

#include <windows.h>

#include "program_driver.h"
#include "waiting.h"

namespace e2e {

namespace {

std::wstring fromUtf8(const char* text) {
  std::wstring out(MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0),
                   L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(),
                      static_cast<int>(out.size()));
  out.pop_back();  // the terminator
  return out;
}

std::wstring unixPathOf(const std::string& gbkPath) {
  using ToUnix = char*(CDECL*)(const WCHAR*);
  auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(GetProcAddress(
      GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  char* unix = toUnix(wide(gbkPath).c_str());
  if (!unix) return {};
  const std::wstring path = fromUtf8(unix);
  HeapFree(GetProcessHeap(), 0, unix);
  return path;
}

// Runs a shell command line. Wine hands a Unix program to a process of its
// own, whose handle does not wait for it: the command ends by making a
// marker file, and the marker appearing is the sign it is done.
bool runUnix(const std::wstring& command) {
  static int runs = 0;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string marker = gbk(std::wstring(temp) + L"quorvin-e2e-unix-" +
                                 std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(++runs));
  DeleteFileW(wide(marker).c_str());
  const std::wstring markerUnix = unixPathOf(marker);
  if (markerUnix.empty()) return false;
  std::wstring line =
      L"Z:\\bin\\sh -c \"" + command + L"; touch '" + markerUnix + L"'\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const bool done = waitUntil([&] { return exists(marker); });
  DeleteFileW(wide(marker).c_str());
  return done;
}

}  // namespace

bool makeUnixLink(const std::string& target, const std::string& link) {
  const std::wstring from = unixPathOf(target);
  const std::wstring to = unixPathOf(link);
  return !from.empty() && !to.empty() &&
         runUnix(L"ln -s '" + from + L"' '" + to + L"'") && exists(link);
}

bool removeUnixLink(const std::string& link) {
  const std::wstring path = unixPathOf(link);
  return !path.empty() && runUnix(L"rm -f '" + path + L"'");
}

}  // namespace e2e
