// A stand-in for the web browser in the test Wine prefix. Registered as the
// handler of http and https addresses, it notes each address the shell asks
// it to open in a record file instead of opening it, so a scenario can tell
// whether and what the program asked the browser to show.
//
//   e2e_url_recorder --register RECORD   make it the prefix's browser,
//                                        noting into the Unix file RECORD
//   e2e_url_recorder --unregister        give the addresses back to the
//                                        browser registered before
//   e2e_url_recorder RECORD ADDRESS...   (as the shell starts it) append
//                                        each address as a line to RECORD
#include <windows.h>

#include <cstdio>
#include <string>

#include "handler_registration.h"
#include "unix_paths.h"

namespace {

bool appendLines(const wchar_t* file, int count, wchar_t** lines) {
  HANDLE record = CreateFileW(file, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (record == INVALID_HANDLE_VALUE) return false;
  std::string text;
  for (int i = 0; i < count; ++i) {
    const std::wstring line = std::wstring(lines[i]) + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(),
                                         static_cast<int>(line.size()), nullptr,
                                         0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                        bytes.data(), size, nullptr, nullptr);
    text += bytes;
  }
  DWORD written = 0;
  // One write, so records of recorders started close together stay whole.
  const bool ok =
      WriteFile(record, text.data(), static_cast<DWORD>(text.size()), &written,
                nullptr) &&
      written == text.size();
  CloseHandle(record);
  return ok;
}

std::wstring ownPath() {
  wchar_t path[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  return path;
}

// Wine gives the Unix arguments as UTF-16; Unix paths are UTF-8.
std::string unixText(const wchar_t* text) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(size > 0 ? size : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr,
                      nullptr);
  return bytes.c_str();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring first = argc > 1 ? argv[1] : L"";
  if (first == L"--register" && argc == 3) {
    const std::wstring record = e2e::windowsPath(unixText(argv[2]).c_str());
    const std::wstring command =
        L"\"" + ownPath() + L"\" \"" + record + L"\" \"%1\"";
    if (registerBrowser(command)) return 0;
    std::fprintf(stderr, "cannot register the recorder as the browser\n");
    return 1;
  }
  if (first == L"--unregister" && argc == 2) {
    if (unregisterBrowser()) return 0;
    std::fprintf(stderr, "cannot restore the browser\n");
    return 1;
  }
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: e2e_url_recorder --register RECORD | --unregister | "
                 "RECORD ADDRESS...\n");
    return 2;
  }
  return appendLines(argv[1], argc - 2, argv + 2) ? 0 : 1;
}
