#include "platform/win32/delete_folder.h"

#include <algorithm>

#include "platform/win32/text_wide.h"
#include "platform/win32/volume_root.h"
#include "platform/win32/win32_system.h"

namespace {

HANDLE WINAPI findFirst(const wchar_t* pattern, WIN32_FIND_DATAW* entry) {
  // No short names: the walk needs only the long name and the attributes.
  return FindFirstFileExW(pattern, FindExInfoBasic, entry,
                          FindExSearchNameMatch, nullptr,
                          FIND_FIRST_EX_LARGE_FETCH);
}

bool isDotOrDotDot(const wchar_t* name) {
  return name[0] == L'.' &&
         (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// A link that Windows can remove as a link carries a reparse tag. Wine shows
// a Unix link to a folder as an untagged reparse point; removing it would
// remove its target instead when that is empty, so it stays.
bool isRemovableLink(const WIN32_FIND_DATAW& entry) {
  return entry.dwReserved0 != 0;
}

// Deletes what is inside the folder named by `path`. The one buffer grows
// by an entry's name and shrinks back, so the walk holds one search per
// level and nothing else.
bool stopRequested(const DeletionProgress* progress) {
  return progress && progress->stopRequested;
}

void count(BOOL removed, std::atomic<int64_t> DeletionProgress::*counter,
           DeletionProgress* progress) {
  if (removed && progress) ++(progress->*counter);
}

void emptyFolder(std::wstring& path, const FolderCalls& calls,
                 DeletionProgress* progress) {
  const size_t length = path.size();
  path += L"\\*.*";
  WIN32_FIND_DATAW entry;
  HANDLE search = calls.findFirst(path.c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (stopRequested(progress)) break;
      if (isDotOrDotDot(entry.cFileName)) continue;
      path.resize(length + 1);  // keeps the backslash
      path += entry.cFileName;
      const DWORD attributes = entry.dwFileAttributes;
      if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        // A file link goes, not its target.
        count(calls.deleteFile(path.c_str()), &DeletionProgress::filesDeleted,
              progress);
      } else if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        emptyFolder(path, calls, progress);
        count(calls.removeDirectory(path.c_str()),
              &DeletionProgress::foldersDeleted, progress);
      } else if (isRemovableLink(entry)) {
        // The link, never its target.
        count(calls.removeDirectory(path.c_str()),
              &DeletionProgress::foldersDeleted, progress);
      }
    } while (calls.findNext(search, &entry));
    calls.findClose(search);
  }
  path.resize(length);
}

}  // namespace

const FolderCalls kWindowsFolderCalls = {findFirst, FindNextFileW, FindClose,
                                         DeleteFileW, RemoveDirectoryW};

bool mayDeleteAsFolder(const std::wstring& path) {
  const std::wstring rest =
      path.substr(std::min(path.find_first_not_of(L' '), path.size()));
  return !rest.empty() && !isBareDrive(rest) && !isVolumeRoot(fullPathOf(rest));
}

namespace {

enum class Target { Folder, RemovableLink, Link };

// What the path itself names. A link typed or dropped as the target must go
// as a link: walking it would empty the folder it points to.
Target targetKind(const std::wstring& path, const FolderCalls& calls) {
  std::wstring itself = path;
  while (itself.size() > 1 && (itself.back() == L'\\' || itself.back() == L'/'))
    itself.pop_back();
  if (itself.find_first_of(L"*?") != std::wstring::npos) return Target::Folder;
  WIN32_FIND_DATAW entry;
  HANDLE search = calls.findFirst(itself.c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return Target::Folder;
  calls.findClose(search);
  if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return Target::Folder;
  return isRemovableLink(entry) ? Target::RemovableLink : Target::Link;
}

}  // namespace

bool deleteFolderWith(std::wstring path, const FolderCalls& calls,
                      DeletionProgress* progress) {
  if (!mayDeleteAsFolder(path)) return false;
  path.erase(0, path.find_first_not_of(L' '));
  switch (targetKind(path, calls)) {
    case Target::RemovableLink:
      return calls.removeDirectory(path.c_str()) != FALSE;
    case Target::Link:
      return false;
    case Target::Folder:
      break;
  }
  emptyFolder(path, calls, progress);
  if (stopRequested(progress)) return false;
  const BOOL removed = calls.removeDirectory(path.c_str());
  count(removed, &DeletionProgress::foldersDeleted, progress);
  return removed != FALSE;
}

bool Win32System::deleteFolder(const std::string& path,
                               DeletionProgress* progress) {
  return deleteFolderWith(wideFromText(path), kWindowsFolderCalls, progress);
}
