#include "unix_paths.h"

#include <windows.h>

namespace e2e {

std::wstring windowsPath(const char* unixPath) {
  using ToDos = WCHAR*(CDECL*)(const char*);
  auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_dos_file_name")));
  if (toDos) {
    if (WCHAR* dos = toDos(unixPath)) {
      std::wstring path = dos;
      HeapFree(GetProcessHeap(), 0, dos);
      return path;
    }
  }
  std::wstring path = L"Z:";
  for (const char* c = unixPath; *c; ++c)
    path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  return path;
}

std::wstring fromEnvironmentOr(const wchar_t* variable, const char* unixPath) {
  wchar_t value[MAX_PATH * 2] = {};
  if (GetEnvironmentVariableW(variable, value, MAX_PATH * 2)) return value;
  return windowsPath(unixPath);
}

}  // namespace e2e
