// The entries of one open folder, read from its handle in large batches.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/nt_file_calls.h"

// An entry as its folder's listing shows it. The name is valid until the
// listing is read on or trimmed.
struct ListedEntry {
  std::wstring_view name;
  ULONG attributes = 0;
  LONGLONG id = 0;  // the file id the file system gives the entry
};

class FolderListing {
 public:
  // `mask`, when not empty, limits the entries to those it matches.
  FolderListing(HANDLE folder, const NtFileCalls& calls,
                std::wstring mask = std::wstring());

  HANDLE folder() const { return folder_; }
  // The next entry; false once there is none (or the folder cannot be read).
  bool next(ListedEntry* entry);
  // Keeps only the entries not taken yet and lets the rest of the batch go,
  // so a folder waiting for a deeper one to be done holds little memory.
  void keepOnlyRest();

 private:
  bool readBatch();

  HANDLE folder_;
  const NtFileCalls* calls_;
  std::wstring mask_;
  std::vector<uint64_t> batch_;  // 8-byte aligned, as the records need
  size_t offset_ = 0;
  size_t end_ = 0;
  bool first_ = true;
  bool finished_ = false;
};
