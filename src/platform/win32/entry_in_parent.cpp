#include "platform/win32/entry_in_parent.h"

#include "platform/win32/file_target.h"
#include "platform/win32/literal_path.h"
#include "platform/win32/volume_root.h"

namespace {

// A name the parent's listing can be asked for as it stands: no
// separators, no wildcards, not "." or "..".
bool isPlainName(const std::wstring& name) {
  return !name.empty() && name != L"." && name != L".." &&
         name.find_first_of(L"\\/*?<>\"") == std::wstring::npos;
}

// Asks the parent's listing for the entry by name: the listing tells a
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

bool withEntryInParent(
    const std::wstring& literal, const NtFileCalls& calls,
    const std::function<bool(HANDLE parent, const ListedEntry&)>& use) {
  const std::wstring name(lastNameOf(literal));
  if (name.size() == literal.size()) return false;  // no parent
  std::wstring parentPath = literal.substr(0, literal.size() - name.size() - 1);
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
  const bool done =
      findInParent(listing, name, &entry, &spelling) && use(parent, entry);
  calls.close(parent);
  return done;
}
