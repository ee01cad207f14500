#include "platform/win32/folder_walk.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/aside_work.h"

namespace {

struct Walk {
  const NtFileCalls& calls;
  DeletionProgress* progress;
  // Wine opens what a Unix link to a file points to, and its listings show
  // such a link as a plain file: each file's real name is checked before
  // it is marked.
  bool opensFollowLinks = false;
  AsideWork aside;  // finishes the deletion of files
  // Set once the system refused the POSIX-semantics disposition.
  std::atomic<bool> classicOnly{false};
};

// Fewer files than this are not worth a second thread.
constexpr size_t kAsideFrom = 16;
// Files of one folder wait at most this many at a time, so memory stays
// flat however large the folder.
constexpr size_t kFilesPerRound = 256;

bool stopRequested(const Walk& walk) {
  return walk.progress && walk.progress->stopRequested;
}

void countRemoved(Walk& walk, bool folder) {
  if (!walk.progress) return;
  if (folder)
    ++walk.progress->foldersDeleted;
  else
    ++walk.progress->filesDeleted;
}

bool isDotOrDotDot(std::wstring_view name) {
  return name == L"." || name == L"..";
}

// A name with a separator cannot be one entry of its folder (Wine shows
// such Unix names): opening it would reach somewhere else.
bool namesOneEntry(std::wstring_view name) {
  return !name.empty() && name.find_first_of(L"\\/") == std::wstring_view::npos;
}

// Answers that mean the system has no POSIX-semantics disposition at all
// (older Windows, other file systems, Wine).
bool meansUnsupported(NTSTATUS status) {
  return status == kStatusNotImplemented || status == kStatusInvalidInfoClass ||
         status == kStatusNotSupported || status == kStatusInvalidParameter;
}

// Marks the entry behind the handle for deletion. POSIX semantics first:
// the name goes at once, so a folder holding it is empty even while some
// other program still has it open.
bool markForDeletion(Walk& walk, HANDLE handle) {
  if (!walk.classicOnly) {
    FileDispositionInformationEx posix{kDispositionDelete |
                                       kDispositionPosixSemantics};
    const NTSTATUS status = walk.calls.set(handle, &posix, sizeof posix,
                                           kFileDispositionInformationEx);
    if (NT_SUCCESS(status)) return true;
    if (!meansUnsupported(status)) return false;
    walk.classicOnly = true;
  }
  FILE_DISPOSITION_INFORMATION classic{TRUE};
  return NT_SUCCESS(walk.calls.set(handle, &classic, sizeof classic,
                                   FileDispositionInformation));
}

// The name the system resolved the handle to (its path from the root of
// its volume), or "" when it does not say.
std::wstring resolvedName(const Walk& walk, HANDLE handle) {
  ULONG room[512];  // most names fit; longer ones are asked for again
  auto* name = reinterpret_cast<FILE_NAME_INFORMATION*>(room);
  NTSTATUS status =
      walk.calls.query(handle, room, sizeof room, FileNameInformation);
  std::vector<ULONG> more;
  if (status == kStatusBufferOverflow) {
    more.resize(2 + std::max<size_t>(name->FileNameLength, 0x10000) /
                        sizeof(ULONG));
    name = reinterpret_cast<FILE_NAME_INFORMATION*>(more.data());
    status = walk.calls.query(handle, more.data(), more.size() * sizeof(ULONG),
                              FileNameInformation);
  }
  if (!NT_SUCCESS(status)) return std::wstring();
  return std::wstring(name->FileName, name->FileNameLength / sizeof(wchar_t));
}

// A resolved name as Wine gives it for a folder: Wine drops trailing dots
// from every part of a name it resolves but trailing blanks only from the
// last part, so the parts are compared without either.
std::wstring withoutTrailingDotsAndBlanks(std::wstring_view name) {
  std::wstring plain;
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(name.find(L'\\', start), name.size());
    std::wstring_view part = name.substr(start, end - start);
    while (!part.empty() && (part.back() == L'.' || part.back() == L' '))
      part.remove_suffix(1);
    plain.append(part);
    if (end == name.size()) return plain;
    plain += L'\\';
    start = end + 1;
  }
}

// True when the resolved name is that of an entry of the folder whose
// resolved name, compared as above, is `folder`.
bool isEntryOf(std::wstring_view resolved, const std::wstring& folder) {
  const size_t last = resolved.find_last_of(L'\\');
  return last != std::wstring_view::npos && last + 1 < resolved.size() &&
         withoutTrailingDotsAndBlanks(resolved.substr(0, last)) == folder;
}

// Closes a file opened for deletion (with delete-on-close or marked, the
// file goes with the close) and counts it when it went.
void closeFile(Walk& walk, HANDLE file, bool marked) {
  walk.calls.close(file);
  if (marked) countRemoved(walk, false);
}

// Deletes the files of the open folder named in `names` and forgets the
// names. Each is opened relative to the folder as it stands (a link
// itself, never what it points to) and deleted through its own handle; a
// stop is honoured before each one. With enough files, each is finished
// (checked, marked, closed) on a second thread while the next one is opened.
void deleteFiles(Walk& walk, HANDLE folder, std::vector<std::wstring>& names) {
  const bool aside = names.size() >= kAsideFrom;
  std::wstring folderName;
  if (walk.opensFollowLinks && !names.empty()) {
    const std::wstring resolved = resolvedName(walk, folder);
    if (resolved.empty()) names.clear();  // nothing can be checked
    folderName = withoutTrailingDotsAndBlanks(resolved);
    if (folderName == L"\\") folderName.clear();  // the root
  }
  // Where only the classic disposition exists and no check must come
  // first, it is asked for in the open itself.
  const bool deleteOnClose = walk.classicOnly && !walk.opensFollowLinks;
  const ULONG options = FILE_NON_DIRECTORY_FILE | FILE_OPEN_REPARSE_POINT |
                        (deleteOnClose ? FILE_DELETE_ON_CLOSE : 0);
  for (const std::wstring& name : names) {
    if (stopRequested(walk)) break;
    HANDLE file;
    if (!NT_SUCCESS(walk.calls.open(folder, name, DELETE, options, &file)))
      continue;
    std::function<void()> finish;
    if (deleteOnClose) {
      finish = [&walk, file] { closeFile(walk, file, true); };
    } else if (walk.opensFollowLinks) {
      // A file that resolved outside the folder (a Unix link to a file) is
      // closed unmarked. Checked here and marked on the other thread: two
      // round trips to Wine's server each.
      const bool inside = isEntryOf(resolvedName(walk, file), folderName);
      finish = [&walk, file, inside] {
        closeFile(walk, file, inside && markForDeletion(walk, file));
      };
    } else {
      const bool marked = markForDeletion(walk, file);
      finish = [&walk, file, marked] { closeFile(walk, file, marked); };
    }
    if (aside)
      walk.aside.run(std::move(finish));
    else
      finish();
  }
  walk.aside.waitUntilDone();
  names.clear();
}

struct Identity {
  LONGLONG id = 0;
  ULONG attributes = 0;
};

bool identityOf(const Walk& walk, HANDLE handle, Identity* identity) {
  FILE_INTERNAL_INFORMATION internal{};
  FILE_ATTRIBUTE_TAG_INFORMATION tag{};
  if (!NT_SUCCESS(walk.calls.query(handle, &internal, sizeof internal,
                                   FileInternalInformation)) ||
      !NT_SUCCESS(walk.calls.query(handle, &tag, sizeof tag,
                                   FileAttributeTagInformation)))
    return false;
  identity->id = internal.IndexNumber.QuadPart;
  identity->attributes = tag.FileAttributes;
  return true;
}

// What became of a folder or link entry: a folder handle to go into, or
// nothing more to do with it (removed or left).
struct Taken {
  HANDLE folder = nullptr;
  bool removed = false;
};

// A folder or a link of the folder. The entry is opened without following
// links; what the handle then is decides:
// - not the file listed (another file id): something was put in its place
//   since the listing; left alone, never entered;
// - a link itself (Windows): removed as a link;
// - listed as a link but opened as a plain folder (Wine opens what a Unix
//   link points to): left alone;
// - the folder listed: returned, to be emptied and removed.
Taken takeFolder(Walk& walk, HANDLE parent, const ListedEntry& entry) {
  const bool listedAsLink = entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT;
  ACCESS_MASK access = DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
  ULONG options = FILE_OPEN_REPARSE_POINT | FILE_SYNCHRONOUS_IO_NONALERT |
                  FILE_OPEN_FOR_BACKUP_INTENT;
  if (!listedAsLink) {
    access |= FILE_LIST_DIRECTORY;
    options |= FILE_DIRECTORY_FILE;
  }
  HANDLE handle;
  if (!NT_SUCCESS(
          walk.calls.open(parent, entry.name, access, options, &handle)))
    return {};
  Identity identity;
  if (!identityOf(walk, handle, &identity) || identity.id != entry.id) {
    walk.calls.close(handle);
    return {};
  }
  if (identity.attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    const bool removed = markForDeletion(walk, handle);
    walk.calls.close(handle);
    if (removed)
      countRemoved(walk, identity.attributes & FILE_ATTRIBUTE_DIRECTORY);
    return {nullptr, removed};
  }
  if (listedAsLink || !(identity.attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    walk.calls.close(handle);
    return {};
  }
  return {handle, false};
}

// Empties the open folder and everything below it, one level of open
// folders at a time (no recursion, so depth costs no stack), then removes
// each as it becomes empty. True when `top` itself was removed.
bool emptyAndRemove(Walk& walk, HANDLE top) {
  std::vector<FolderListing> levels;
  levels.emplace_back(top, walk.calls);
  // Files listed in the deepest open folder, not deleted yet.
  std::vector<std::wstring> files;
  for (;;) {
    if (stopRequested(walk)) {
      for (const FolderListing& level : levels)
        walk.calls.close(level.folder());
      return false;
    }
    FolderListing& level = levels.back();
    ListedEntry entry;
    if (!level.next(&entry)) {
      deleteFiles(walk, level.folder(), files);
      if (stopRequested(walk)) continue;
      const HANDLE folder = level.folder();
      levels.pop_back();
      const bool removed = markForDeletion(walk, folder);
      walk.calls.close(folder);
      if (removed) countRemoved(walk, true);
      if (levels.empty()) return removed;
      continue;
    }
    if (isDotOrDotDot(entry.name) || !namesOneEntry(entry.name)) continue;
    if (!(entry.attributes &
          (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
      files.emplace_back(entry.name);
      if (files.size() == kFilesPerRound)
        deleteFiles(walk, level.folder(), files);
      continue;
    }
    deleteFiles(walk, level.folder(), files);
    if (stopRequested(walk)) continue;
    const Taken taken = takeFolder(walk, level.folder(), entry);
    if (taken.folder) {
      level.keepOnlyRest();
      levels.emplace_back(taken.folder, walk.calls);
    }
  }
}

}  // namespace

bool deleteFolderEntry(HANDLE parent, const ListedEntry& entry,
                       const NtFileCalls& calls, DeletionProgress* progress) {
  Walk walk{calls, progress, opensWhatLinksPointTo()};
  if (stopRequested(walk) || !namesOneEntry(entry.name) ||
      isDotOrDotDot(entry.name))
    return false;
  const Taken taken = takeFolder(walk, parent, entry);
  if (!taken.folder) return taken.removed;
  return emptyAndRemove(walk, taken.folder);
}

bool deleteFileEntry(HANDLE parent, std::wstring_view name,
                     const NtFileCalls& calls) {
  DeletionProgress deleted;
  Walk walk{calls, &deleted, opensWhatLinksPointTo()};
  std::vector<std::wstring> names{std::wstring(name)};
  if (namesOneEntry(name) && !isDotOrDotDot(name))
    deleteFiles(walk, parent, names);
  return deleted.filesDeleted == 1;
}
