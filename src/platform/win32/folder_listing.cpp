#include "platform/win32/folder_listing.h"

#include <cstring>

namespace {

// Large enough for hundreds of entries per call; Windows caps a batch at
// 64 KiB for some file systems anyway.
constexpr ULONG kBatchBytes = 64 * 1024;

}  // namespace

FolderListing::FolderListing(HANDLE folder, const NtFileCalls& calls,
                             std::wstring mask)
    : folder_(folder), calls_(&calls), mask_(std::move(mask)) {}

bool FolderListing::next(ListedEntry* entry) {
  if (offset_ >= end_ && !readBatch()) return false;
  const auto* bytes = reinterpret_cast<const char*>(batch_.data());
  const auto* record =
      reinterpret_cast<const FILE_ID_FULL_DIR_INFORMATION*>(bytes + offset_);
  entry->name = std::wstring_view(record->FileName,
                                  record->FileNameLength / sizeof(wchar_t));
  entry->attributes = record->FileAttributes;
  entry->id = record->FileId.QuadPart;
  offset_ = record->NextEntryOffset ? offset_ + record->NextEntryOffset : end_;
  return true;
}

void FolderListing::keepOnlyRest() {
  const size_t rest = end_ > offset_ ? end_ - offset_ : 0;
  std::vector<uint64_t> kept((rest + 7) / 8);
  if (rest)
    std::memcpy(kept.data(),
                reinterpret_cast<const char*>(batch_.data()) + offset_, rest);
  batch_.swap(kept);
  offset_ = 0;
  end_ = rest;
}

bool FolderListing::readBatch() {
  if (finished_) return false;
  batch_.assign(kBatchBytes / 8, 0);
  ULONG written = 0;
  const NTSTATUS status =
      calls_->list(folder_, batch_.data(), kBatchBytes,
                   first_ ? mask_ : std::wstring_view(), first_, &written);
  first_ = false;
  if (!NT_SUCCESS(status) || written == 0) {
    finished_ = true;
    batch_ = {};
    offset_ = end_ = 0;
    return false;
  }
  offset_ = 0;
  end_ = written;
  return true;
}
