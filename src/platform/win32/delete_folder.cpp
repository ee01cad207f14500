#include "platform/win32/delete_folder.h"

#include <algorithm>

#include "platform/win32/file_target.h"
#include "platform/win32/folder_listing.h"
#include "platform/win32/folder_walk.h"
#include "platform/win32/literal_path.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/volume_root.h"
#include "platform/win32/win32_system.h"

namespace {

std::wstring withoutLeadingBlanks(const std::wstring& path) {
  return path.substr(std::min(path.find_first_not_of(L' '), path.size()));
}

// A name the parent's listing can be asked for as it stands: no
// separators, no wildcards, not "." or "..".
bool isPlainName(const std::wstring& name) {
  return !name.empty() && name != L"." && name != L".." &&
         name.find_first_of(L"\\/*?<>\"") == std::wstring::npos;
}

// Asks the parent's listing for the folder by name: the listing tells a
// link from a folder where opening cannot (Wine), and gives the file id the
// opened handle must match. The exact spelling wins over another case.
// `spelling` keeps the name of an entry found before the listing read on.
bool findInParent(FolderListing& listing, const std::wstring& name,
                  ListedEntry* found, std::wstring* spelling) {
  bool any = false;
  ListedEntry entry;
  while (listing.next(&entry)) {
    if (isSameName(entry.name, name, true)) {
      *found = entry;
      return true;
    }
    if (!any && isSameName(entry.name, name)) {
      *found = entry;
      spelling->assign(entry.name);
      found->name = *spelling;
      any = true;
    }
  }
  return any;
}

}  // namespace

bool mayDeleteAsFolder(const std::wstring& path) {
  const std::wstring rest = withoutLeadingBlanks(path);
  if (rest.empty() || isBareDrive(rest)) return false;
  const std::wstring literal = literalPathOf(rest);
  return !literal.empty() && !isVolumeRoot(literal);
}

bool deleteFolderWith(const std::wstring& path, const NtFileCalls& calls,
                      DeletionProgress* progress) {
  if (!mayDeleteAsFolder(path)) return false;
  std::wstring literal = literalPathOf(withoutLeadingBlanks(path));
  while (literal.back() == L'\\') literal.pop_back();  // "\\?\C:\x\" as typed
  const size_t split = literal.find_last_of(L'\\');
  const std::wstring name = literal.substr(split + 1);
  std::wstring parentPath = literal.substr(0, split);
  if (!isPlainName(name)) return false;
  if (isVolumeRoot(parentPath)) parentPath += L'\\';

  HANDLE parent;
  if (!NT_SUCCESS(calls.open(
          nullptr, ntPathOf(parentPath), FILE_LIST_DIRECTORY | SYNCHRONIZE,
          FILE_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT |
              FILE_OPEN_FOR_BACKUP_INTENT,
          &parent)))
    return false;
  // The listing must outlive the entry found in it.
  FolderListing listing(parent, calls, name);
  ListedEntry entry;
  std::wstring spelling;
  const bool removed = findInParent(listing, name, &entry, &spelling) &&
                       deleteFolderEntry(parent, entry, calls, progress);
  calls.close(parent);
  return removed;
}

bool Win32System::deleteFolder(const std::string& path,
                               DeletionProgress* progress) {
  return deleteFolderWith(wideFromText(path), kWindowsNtFileCalls, progress);
}
