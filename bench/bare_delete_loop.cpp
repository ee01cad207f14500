#include "bare_delete_loop.h"

#include <windows.h>

namespace {

bool isDotOrDotDot(const wchar_t* name) {
  return name[0] == L'.' &&
         (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

void emptyFolder(std::wstring& path) {
  const size_t length = path.size();
  path += L"\\*";
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(path.c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (isDotOrDotDot(entry.cFileName)) continue;
      path.resize(length + 1);
      path += entry.cFileName;
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(path.c_str());
      } else if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        emptyFolder(path);  // a linked folder is never entered
        RemoveDirectoryW(path.c_str());
      }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  path.resize(length);
}

}  // namespace

bool deleteTreeBare(std::wstring path) {
  emptyFolder(path);
  return RemoveDirectoryW(path.c_str()) != FALSE;
}
