#include "unix_links.h"

#include <windows.h>

#include "program_driver.h"
#include "waiting.h"

namespace e2e {

namespace {

std::wstring unixPathOf(const std::string& gbkPath) {
  using ToUnix = char*(CDECL*)(const WCHAR*);
  auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(GetProcAddress(
      GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  char* unix = toUnix(wide(gbkPath).c_str());
  if (!unix) return {};
  std::wstring path(MultiByteToWideChar(CP_UTF8, 0, unix, -1, nullptr, 0),
                    L'\0');
  MultiByteToWideChar(CP_UTF8, 0, unix, -1, path.data(),
                      static_cast<int>(path.size()));
  HeapFree(GetProcessHeap(), 0, unix);
  path.pop_back();  // the terminator
  return path;
}

}  // namespace

bool makeUnixLink(const std::string& target, const std::string& link) {
  const std::wstring from = unixPathOf(target);
  const std::wstring to = unixPathOf(link);
  if (from.empty() || to.empty()) return false;
  // Wine hands a Unix program to a process of its own, whose handle does
  // not wait for it: the link appearing is the sign it is done.
  std::wstring commandLine =
      L"Z:\\bin\\ln -s \"" + from + L"\" \"" + to + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return waitUntil([&] { return exists(link); });
}

}  // namespace e2e
