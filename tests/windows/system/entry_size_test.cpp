// Joining a directory entry's size halves: no file system's answer may
// turn into a negative size.
#include "platform/win32/entry_size.h"

#include <gtest/gtest.h>

namespace {

TEST(EntrySize, JoinsTheHalvesAndNeverGoesNegative) {
  struct Case {
    DWORD high, low;
    int64_t size;
  };
  const int64_t largest = INT64_MAX;
  const Case cases[] = {
      {0, 0, 0},
      {0, 0xFFFFFFFF, 4294967295LL},  // no sign from the low half
      {1, 0, 4294967296LL},
      {0x7FFFFFFF, 0xFFFFFFFF, largest},
      {0x80000000, 0, largest},  // 2^63 bytes
      {0x80000000, 1, largest},
      {0xFFFFFFFF, 0xFFFFFFFF, largest},
  };
  for (const Case& c : cases)
    EXPECT_EQ(entrySize(c.high, c.low), c.size)
        << std::hex << c.high << " " << c.low;
}

}  // namespace
