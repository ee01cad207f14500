// deleteFile, programFolder and setWorkingDirectory.
#include <windows.h>

#include "platform/win32/entry_in_parent.h"
#include "platform/win32/file_target.h"
#include "platform/win32/folder_walk.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/win32_system.h"

// Through the folder that holds the file, like every file of a folder
// deletion: under Wine, DeleteFileW on a Unix link to a file deletes the
// file it points to.
bool Win32System::deleteFile(const std::string& path) {
  const std::wstring literal = literalTargetOf(wideFromText(path));
  return !literal.empty() &&
         withEntryInParent(literal, kWindowsNtFileCalls,
                           [](HANDLE parent, const ListedEntry& entry) {
                             return deleteFileEntry(parent, entry.name,
                                                    kWindowsNtFileCalls);
                           });
}

std::string Win32System::programFolder() {
  std::wstring exe(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n =
        GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
    if (n == 0) return std::string();
    if (n < exe.size()) {
      exe.resize(n);
      break;
    }
    exe.resize(exe.size() * 2);  // cut off: try again with more room
  }
  return textFromWide(exe.substr(0, exe.find_last_of(L'\\')));
}

bool Win32System::setWorkingDirectory(const std::string& path) {
  return SetCurrentDirectoryW(wideFromText(path).c_str()) != FALSE;
}
