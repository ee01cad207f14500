// exists and fileSize: one directory search for exactly the given text.
#include <windows.h>

#include "platform/win32/entry_size.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/volume_root.h"
#include "platform/win32/win32_system.h"

namespace {

// Texts that name no directory entry, decided here rather than left to
// how a given Windows version's search treats them.
bool namesNoEntry(const std::wstring& path) {
  if (path.empty() || path.find_first_of(L"\r\n") != std::wstring::npos)
    return true;
  if (path.back() == L'\\' || path.back() == L'/') return true;
  return isBareDrive(path) || isVolumeRoot(fullPathOf(path));
}

// The first entry the search finds, without opening the file.
bool findEntry(const std::string& gbkPath, WIN32_FIND_DATAW* entry) {
  const std::wstring path = wideFromText(gbkPath);
  if (namesNoEntry(path)) return false;
  HANDLE search = FindFirstFileExW(path.c_str(), FindExInfoBasic, entry,
                                   FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

}  // namespace

bool Win32System::exists(const std::string& path) {
  WIN32_FIND_DATAW entry;
  return findEntry(path, &entry);
}

int64_t Win32System::fileSize(const std::string& path) {
  WIN32_FIND_DATAW entry;
  if (!findEntry(path, &entry)) return -1;
  if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
  return entrySize(entry.nFileSizeHigh, entry.nFileSizeLow);
}
