// exists and fileSize: one directory search for exactly the entry named.
#include <windows.h>

#include "platform/win32/entry_size.h"
#include "platform/win32/file_target.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/win32_system.h"

namespace {

// The entry named, found by a directory search without opening the file;
// for a pattern, its first match. A search still matches names loosely
// (Wine lets "abc.." match "abc"), so only the name itself counts.
bool findEntry(const std::string& text, WIN32_FIND_DATAW* entry) {
  const std::wstring literal = literalTargetOf(wideFromText(text));
  if (literal.empty()) return false;
  const std::wstring_view name = lastNameOf(literal);
  const bool pattern = name.find_first_of(L"*?") != std::wstring_view::npos;
  HANDLE search = FindFirstFileExW(literal.c_str(), FindExInfoBasic, entry,
                                   FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool found;
  do {
    found = pattern || isSameName(entry->cFileName, name);
  } while (!found && FindNextFileW(search, entry));
  FindClose(search);
  return found;
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
