// The conversions every build must agree on, here on glibc's iconv, and the
// GB2312 membership check that the Windows build relies on, proved equal to
// glibc's GB2312 on every double-byte code.
#include <gtest/gtest.h>

#include "../shared/encoding_cases.h"
#include "gbk_text.h"
#include "platform/gb2312.h"
#include "platform/iconv_encoding.h"

namespace {

class SharedEncodingCase : public testing::TestWithParam<EncodingCase> {};

TEST_P(SharedEncodingCase, GlibcGivesTheExpectedBytes) {
  const EncodingCase& c = GetParam();
  EXPECT_EQ(testing::PrintToString(convertWithIconv(c.utf8, "UTF-8", c.to)),
            testing::PrintToString(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Encoding, SharedEncodingCase,
                         testing::ValuesIn(encodingCases()),
                         [](const testing::TestParamInfo<EncodingCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(Gb2312Set, PairCheckMatchesGlibcOnEveryDoubleByteCode) {
  int members = 0;
  for (int lead = 0xA1; lead <= 0xFE; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      const bool inGlibc = !convertWithIconv(pair, "GB2312", "UTF-8").empty();
      EXPECT_EQ(isGb2312Pair(lead, trail), inGlibc)
          << std::hex << lead << " " << trail;
      members += inGlibc;
    }
  }
  EXPECT_EQ(members, 7445);  // 682 signs and 6763 hanzi
}

TEST(Gb2312Set, TextCheckTakesWholeCharacters) {
  EXPECT_TRUE(isGb2312Text(""));
  EXPECT_TRUE(isGb2312Text(gbk("abc公告\r\n")));
  EXPECT_FALSE(isGb2312Text(gbk("镕")));  // a GBK-only pair
  EXPECT_FALSE(isGb2312Text("\x80"));     // the euro sign of code page 936
  EXPECT_FALSE(isGb2312Text(gbk("公") + "\xB9"));  // cut off after a lead
  EXPECT_FALSE(isGb2312Text("\xB9\x41"));  // trail byte in the ASCII range
  EXPECT_TRUE(isGb2312Text("\xA1\xA1\xD7\xF9"));  // first cell, row 55's last
  EXPECT_FALSE(isGb2312Text("\xD7\xFA"));         // just past row 55
}

}  // namespace
