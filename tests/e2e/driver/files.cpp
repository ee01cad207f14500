// The exe under test and the scenarios' own files and folders.
#include <string>

#include "program_driver.h"
#include "unix_paths.h"

namespace e2e {

std::wstring programPath() {
  return fromEnvironmentOr(L"QUORVIN_E2E_PROGRAM", QUORVIN_E2E_DEFAULT_PROGRAM);
}

std::wstring testFolder(const std::string& purpose) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  static int made = 0;
  const std::wstring folder =
      std::wstring(temp) + L"quorvin-e2e-" + wide(purpose) + L"-" +
      std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++made);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::string makeFile(const std::wstring& folder, const std::string& name,
                     size_t size) {
  const std::wstring path = folder + L"\\" + wide(name);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  const std::string content(size, 'q');
  DWORD written = 0;
  const bool ok =
      WriteFile(file, content.data(), static_cast<DWORD>(content.size()),
                &written, nullptr) &&
      written == content.size();
  CloseHandle(file);
  return ok ? gbk(path) : std::string();
}

bool exists(const std::string& gbkPath) {
  return GetFileAttributesW(wide(gbkPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace e2e
