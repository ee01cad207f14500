// Conversions from UTF-8 that both builds must give byte for byte: glibc's
// iconv natively, the system's code pages on Windows. Expected texts are
// GBK bytes; an empty one means the conversion must fail.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct EncodingCase {
  const char* name;
  std::string utf8;
  const char* to;
  std::string expected;
};

// Test names show the case's name rather than its bytes.
inline void PrintTo(const EncodingCase& c, std::ostream* out) {
  *out << c.name;
}

inline std::string fromU8(const char8_t* text) {
  return std::string(reinterpret_cast<const char*>(text));
}

inline const std::vector<EncodingCase>& encodingCases() {
  using namespace std::string_literals;
  static const std::vector<EncodingCase> cases = {
      {"ChineseText", fromU8(u8"公告：服务正常，欢迎使用。"), "GB2312",
       "\xB9\xAB\xB8\xE6\xA3\xBA\xB7\xFE\xCE\xF1\xD5\xFD\xB3\xA3\xA3\xAC"
       "\xBB\xB6\xD3\xAD\xCA\xB9\xD3\xC3\xA1\xA3"},
      {"ChineseTextToGbk", fromU8(u8"公告：服务正常。"), "GBK",
       "\xB9\xAB\xB8\xE6\xA3\xBA\xB7\xFE\xCE\xF1\xD5\xFD\xB3\xA3\xA1\xA3"},
      {"Ascii", "<gonggao>V2.5\r\n</gonggao><zt>0</zt>", "GB2312",
       "<gonggao>V2.5\r\n</gonggao><zt>0</zt>"},
      {"ZeroByteKept", "a\0b"s, "GB2312", "a\0b"s},
      {"FullWidthGreekAndBoxDrawing", fromU8(u8"ＡΩ─"), "GB2312",
       "\xA3\xC1\xA6\xB8\xA9\xA4"},
      {"Empty", "", "GB2312", ""},
      {"GbkOnlyCharacter", fromU8(u8"朱镕基"), "GB2312", ""},
      {"GbkOnlyCharacterToGbk", fromU8(u8"镕"), "GBK", "\xE9\x46"},
      {"Copyright", fromU8(u8"©2025"), "GB2312", ""},
      {"CopyrightToGbk", fromU8(u8"©"), "GBK", ""},
      {"Euro", fromU8(u8"€"), "GB2312", ""},
      {"EuroToGbk", fromU8(u8"€"), "GBK", "\x80"},
      {"Emoji", fromU8(u8"好😀"), "GB2312", ""},
      {"EmojiToGbk", fromU8(u8"😀"), "GBK", ""},
      {"ByteOrderMark",
       "\xEF\xBB\xBF"
       "abc",
       "GB2312", ""},
      {"ByteOrderMarkToGbk",
       "\xEF\xBB\xBF"
       "abc",
       "GBK", ""},
      {"InvalidUtf8", "ab\xC3\x28", "GB2312", ""},
      {"StrayContinuationByte",
       "\x80"
       "abc",
       "GB2312", ""},
      {"CutOffSequence", "ab\xE4\xB8", "GB2312", ""},
      {"CutOffSequenceToGbk", "\xE4\xB8", "GBK", ""},
      {"OverlongSlash", "\xC0\xAF", "GB2312", ""},
      {"EncodedSurrogate", "\xED\xA0\x80", "GBK", ""},
      {"BeyondUnicode", "\xF4\x90\x80\x80", "GBK", ""},
      // glibc's GB2312 follows Unicode's table: A1AA is U+2015 and A1A4 is
      // U+30FB, so the em dash and the middle dot (as typed, and as GBK
      // has them) cannot be converted to GB2312.
      {"EmDash", fromU8(u8"——"), "GB2312", ""},
      {"EmDashToGbk", fromU8(u8"——"), "GBK", "\xA1\xAA\xA1\xAA"},
      {"HorizontalBar", fromU8(u8"―"), "GB2312", "\xA1\xAA"},
      {"HorizontalBarToGbk", fromU8(u8"―"), "GBK", "\xA8\x44"},
      {"MiddleDot", fromU8(u8"·"), "GB2312", ""},
      {"MiddleDotToGbk", fromU8(u8"·"), "GBK", "\xA1\xA4"},
      {"KatakanaMiddleDot", fromU8(u8"・"), "GB2312", "\xA1\xA4"},
      {"PrivateUseToGbk", fromU8(u8"\uE000"), "GBK", ""},
  };
  return cases;
}
