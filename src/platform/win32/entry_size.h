// The size a directory entry records, as the program's signed figure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <limits>

// The two 32-bit halves joined. No NTFS file reaches 2^63 bytes, but the
// figure comes from whichever file system answered: a size that large
// reads as the largest figure, never as a negative one.
inline int64_t entrySize(DWORD high, DWORD low) {
  const uint64_t size = (static_cast<uint64_t>(high) << 32) | low;
  constexpr uint64_t kLargest = std::numeric_limits<int64_t>::max();
  return static_cast<int64_t>(size < kLargest ? size : kLargest);
}
