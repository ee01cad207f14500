#include "platform/win32/delay_loaded.h"

#include <windows.h>

namespace {

// The module stays loaded for the process's life, as a static import would.
bool loads(const wchar_t* dll) { return LoadLibraryW(dll) != nullptr; }

}  // namespace

bool winInetLoads() {
  static const bool loaded = loads(L"wininet.dll");
  return loaded;
}

bool oleLoads() {
  static const bool loaded = loads(L"ole32.dll");
  return loaded;
}

bool shellLoads() {
  static const bool loaded = loads(L"shell32.dll");
  return loaded;
}

bool commonControlsLoad() {
  static const bool loaded = loads(L"comctl32.dll");
  return loaded;
}
