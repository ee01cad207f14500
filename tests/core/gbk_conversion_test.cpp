// The GBK forms of stored files and servers, on glibc's iconv.
#include "platform/gbk_conversion.h"

#include <gtest/gtest.h>

#include "fakes/fake_system.h"

namespace {

TEST(GbkFromText, EachCharacterGbkCannotHoldIsOneQuestionMark) {
  struct Case {
    const char* text;
    const char* gbk;
  };
  const Case cases[] = {
      {"", ""},
      {"abc\r\n", "abc\r\n"},
      {"删除——成功", "\xC9\xBE\xB3\xFD\xA1\xAA\xA1\xAA\xB3\xC9\xB9\xA6"},
      {"镕€", "\xE9\x46\x80"},  // GBK has them, GB2312 does not
      {"D:\\사진.txt", "D:\\??.txt"},
      {"фото😀", "\xA7\xE6\xA7\xE0\xA7\xE4\xA7\xE0?"},  // one "?" per character
      {"©\xEF\xBB\xBF"
       "a",
       "??a"},
      {"\xE4\xB8", "?"},  // a cut-off character
  };
  FakeSystem sys;
  for (const Case& c : cases)
    EXPECT_EQ(gbkFromText(sys, c.text), c.gbk) << c.text;
}

TEST(TextFromGbk, EachByteThatBeginsNoCharacterIsOneQuestionMark) {
  struct Case {
    const char* gbk;
    const char* text;
  };
  const Case cases[] = {
      {"", ""},
      {"V2.5\r\n", "V2.5\r\n"},
      {"\xC9\xBE\xB3\xFD", "删除"},
      {"\xA1\xA4\xA1\xAA\x80", "·—€"},
      {"\xC9", "?"},            // a lead byte cut off
      {"a\x81 b", "a? b"},      // a lead byte before a blank
      {"\xFF\xC9\xBE", "?删"},  // not GBK at all, then a character
      {"\xAA\xA1", "??"},       // a user-defined cell
  };
  FakeSystem sys;
  for (const Case& c : cases)
    EXPECT_EQ(textFromGbk(sys, c.gbk), c.text) << c.gbk;
}

}  // namespace
