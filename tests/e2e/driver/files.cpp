// The exe under test and the scenarios' own files and folders.
#include <cstdlib>
#include <string>
#include <vector>

#include "program_driver.h"
#include "unix_paths.h"

namespace e2e {

std::wstring programPath() {
  return fromEnvironmentOr(L"QUORVIN_E2E_PROGRAM", QUORVIN_E2E_DEFAULT_PROGRAM);
}

namespace {

std::vector<std::wstring>& madeFolders() {
  static std::vector<std::wstring> folders;
  return folders;
}

// Empties and removes a folder this driver made. Links inside (junctions,
// and Unix links as Wine shows them) are neither followed nor removed:
// under Wine, removing a link to an empty folder removes that folder.
void removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

void removeMadeFolders() {
  for (const std::wstring& folder : madeFolders()) removeTree(folder);
}

}  // namespace

std::wstring testFolder(const std::string& purpose) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  static int made = 0;
  // Wine reuses process ids, and a killed run leaves its folders behind:
  // take the next name that is really new.
  std::wstring folder;
  do {
    folder = std::wstring(temp) + L"quorvin-e2e-" + wide(purpose) + L"-" +
             std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++made);
  } while (!CreateDirectoryW(folder.c_str(), nullptr) &&
           GetLastError() == ERROR_ALREADY_EXISTS);
  if (madeFolders().empty()) std::atexit(removeMadeFolders);
  madeFolders().push_back(folder);
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
  return ok ? narrow(path) : std::string();
}

bool exists(const std::string& path) {
  return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace e2e
