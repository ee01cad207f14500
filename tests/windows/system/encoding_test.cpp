// convertEncoding on Windows against glibc: the shared cases, and every
// character from U+0080 up as tabled from glibc at build time, to GB2312
// and GBK and back from GBK.
#include <windows.h>

#include <fstream>
#include <sstream>

#include "../../shared/encoding_cases.h"
#include "system_test_support.h"

namespace {

class SharedEncodingCase : public testing::TestWithParam<EncodingCase> {};

TEST_P(SharedEncodingCase, WindowsGivesTheBytesGlibcGives) {
  const EncodingCase& c = GetParam();
  Win32System sys;
  EXPECT_EQ(testing::PrintToString(sys.convertEncoding(c.utf8, "UTF-8", c.to)),
            testing::PrintToString(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Encoding, SharedEncodingCase,
                         testing::ValuesIn(encodingCases()),
                         [](const testing::TestParamInfo<EncodingCase>& info) {
                           return std::string(info.param.name);
                         });

std::string utf8Of(unsigned long cp) {
  std::string out;
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | cp >> 6);
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | cp >> 12);
    out += char(0x80 | (cp >> 6 & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | cp >> 18);
    out += char(0x80 | (cp >> 12 & 0x3F));
    out += char(0x80 | (cp >> 6 & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
  return out;
}

std::string hex(const std::string& bytes) {
  if (bytes.empty()) return "-";
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

std::string bytesOf(const std::string& hexText) {
  std::string out;
  for (size_t i = 0; i + 1 < hexText.size(); i += 2)
    out += static_cast<char>(std::stoi(hexText.substr(i, 2), nullptr, 16));
  return out;
}

TEST(EncodingTable, EveryCharacterConvertsAsGlibcConvertsIt) {
  std::ifstream table(windowsPathOf(QUORVIN_TEST_GLIBC_CHARSETS));
  ASSERT_TRUE(table) << "no table from glibc";
  Win32System sys;
  int rows = 0, gb2312Cells = 0, mismatches = 0;
  std::string line;
  while (std::getline(table, line)) {
    std::istringstream row(line);
    std::string point, gb2312, gbk;
    row >> point >> gb2312 >> gbk;
    const std::string utf8 = utf8Of(std::stoul(point, nullptr, 16));
    // In the middle of a text, as the notice has them.
    const std::string got2312 =
        hex(sys.convertEncoding("a" + utf8 + "b", "UTF-8", "GB2312"));
    const std::string gotGbk =
        hex(sys.convertEncoding("a" + utf8 + "b", "UTF-8", "GBK"));
    const auto framed = [](const std::string& h) {
      return h == "-" ? h : "61" + h + "62";
    };
    // And back: the GBK bytes read as the character they stand for.
    const std::string back =
        gbk == "-"
            ? "-"
            : sys.convertEncoding("a" + bytesOf(gbk) + "b", "GBK", "UTF-8");
    const bool backOk = back == "-" || back == "a" + utf8 + "b";
    if (got2312 != framed(gb2312) || gotGbk != framed(gbk) || !backOk) {
      if (++mismatches <= 20)
        ADD_FAILURE() << "U+" << point << ": GB2312 " << got2312 << " (glibc "
                      << gb2312 << "), GBK " << gotGbk << " (glibc " << gbk
                      << "), back from GBK " << hex(back);
    }
    ++rows;
    gb2312Cells += gb2312 != "-";
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(rows, 60000);
  EXPECT_EQ(gb2312Cells, 7445);
}

// Back from GBK: what glibc refuses, Windows refuses too.
TEST(EncodingFromGbk, RefusesWhatIsNotGbk) {
  Win32System sys;
  for (const char* bytes : {"\xB9", "a\x81 b", "\xFF", "\xAA\xA1", "\xA1"})
    EXPECT_EQ(sys.convertEncoding(bytes, "GBK", "UTF-8"), "") << hex(bytes);
  EXPECT_EQ(sys.convertEncoding("\xB9\xAB\x80", "GBK", "UTF-8"), "公€");
}

}  // namespace
