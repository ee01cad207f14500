#include "handler_registration.h"

#include <windows.h>

namespace {

const wchar_t* const kSchemes[] = {L"http", L"https"};
// Where the opener found before registering is kept, next to the command.
const wchar_t* const kKeptValue = L"QuorvinTestsKept";
const wchar_t* const kWineDefault =
    L"\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"";

std::wstring commandKey(const wchar_t* scheme) {
  return std::wstring(L"Software\\Classes\\") + scheme +
         L"\\shell\\open\\command";
}

bool read(HKEY key, const wchar_t* name, std::wstring& value) {
  wchar_t buffer[2048] = {};
  DWORD size = sizeof buffer - sizeof(wchar_t);
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer),
                       &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return false;
  value = buffer;
  return true;
}

bool write(HKEY key, const wchar_t* name, const std::wstring& value) {
  return RegSetValueExW(
             key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) ==
         ERROR_SUCCESS;
}

HKEY open(const wchar_t* scheme) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, commandKey(scheme).c_str(), 0,
                      nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

}  // namespace

bool registerBrowser(const std::wstring& command) {
  bool ok = true;
  for (const wchar_t* scheme : kSchemes) {
    HKEY key = open(scheme);
    if (!key) return false;
    std::wstring before;
    // A run that ended without unregistering left its kept command: keep
    // that one rather than the recorder.
    if (!read(key, kKeptValue, before))
      ok = write(key, kKeptValue,
                 read(key, nullptr, before) ? before : kWineDefault) &&
           ok;
    ok = write(key, nullptr, command) && ok;
    RegCloseKey(key);
  }
  return ok;
}

bool unregisterBrowser() {
  bool ok = true;
  for (const wchar_t* scheme : kSchemes) {
    HKEY key = open(scheme);
    if (!key) return false;
    std::wstring before;
    if (read(key, kKeptValue, before)) {
      ok = write(key, nullptr, before) && ok;
      RegDeleteValueW(key, kKeptValue);
    }
    RegCloseKey(key);
  }
  return ok;
}
