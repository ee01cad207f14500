#include <gtest/gtest.h>

#include <cstdint>

#include "deletion/tally.h"
#include "gbk_text.h"

namespace {

struct SizeCase {
  int64_t bytes;
  const char* text;
};

TEST(SizeText, WholeKilobytesBelowOneMegabyteWholeMegabytesFromThere) {
  const SizeCase cases[] = {
      {0, "0KB"},
      {1023, "0KB"},
      {1024, "1KB"},
      {12 * 1024 + 1000, "12KB"},
      {1048575, "1023KB"},
      {1048576, "1MB"},
      {2147483647, "2047MB"},
      {-1, "0KB"},  // nothing found
      {-1025, "-1KB"},
      {3221225472LL, "3072MB"},  // a 3 GiB file keeps its real size
      {5368709120LL, "5120MB"},
      {2147483648LL + 2147483648LL, "4096MB"},  // no wrap past 32 bits
      // Past 2^53 a double cannot hold every byte count: still toward zero.
      {9007199255789567LL, "8589934592MB"},
      {INT64_MAX, "8796093022207MB"},
      {INT64_MIN, "-9007199254740992KB"},
  };
  for (const SizeCase& c : cases)
    EXPECT_EQ(sizeText(c.bytes), c.text) << "bytes " << c.bytes;
}

}  // namespace
