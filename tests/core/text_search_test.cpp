#include "online/text_search.h"

#include <gtest/gtest.h>

#include "gbk_text.h"
#include "online/startup_notice.h"

namespace {

TEST(FindText, FindsWholeCharactersOnly) {
  struct Case {
    std::string text, tag;
    int64_t position;
  };
  // The notice is searched in its GBK form. "\x81<" is one double-byte
  // character whose second byte looks like "<".
  const Case cases[] = {
      {gbk("<zt>开放</zt>"), "<zt>", 1},
      {gbk("<zt>开放</zt>"), "</zt>", 9},
      {gbk("公告<zt>"), "<zt>", 5},
      {"\x81<zt>", "<zt>", -1},
      {"\x81<zt><zt>", "<zt>", 6},
      {"abc", "x", -1},
      {"", "<zt>", -1},
      {"<Zt>", "<zt>", -1},
      {"ab<z", "<zt>", -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(findText(c.text, c.tag), c.position) << c.text;
}

TEST(MidText, ClipsAndRefuses) {
  struct Case {
    int64_t start, count;
    const char* result;
  };
  const int64_t past32Bits = int64_t{1} << 32;
  const Case cases[] = {
      {1, 3, "abc"},
      {4, 100, "defghijk"},
      {11, 1, "k"},
      {12, 1, ""},
      {0, 3, ""},
      {-3, 8, ""},
      {2, 0, ""},
      {2, -1, ""},
      // Positions and counts beyond 32 bits are taken whole, not cut down
      // to a small number that would land inside the text.
      {past32Bits + 1, 1, ""},
      {1, past32Bits, "abcdefghijk"},
      {2, past32Bits + 3, "bcdefghijk"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(midText("abcdefghijk", c.start, c.count), c.result)
        << c.start << "," << c.count;
}

TEST(NoticeField, MissingTagsFollowThePositionArithmetic) {
  struct Case {
    std::string document, field;
  };
  const Case cases[] = {
      {gbk("<gonggao>今天\r\n维护</gonggao>"), gbk("今天\r\n维护")},
      {"<gonggao></gonggao>", ""},
      // No opening tag: position -1 + 9 = 8, so the bytes 8 .. 11.
      {"abcdefghijk</gonggao>", "hijk"},
      {"<gonggao>only the opening", ""},
      {"</gonggao>x<gonggao>", ""},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_TEXT(noticeField(c.document, "<gonggao>", "</gonggao>"), c.field)
        << c.document;
  // No "<zt>": the value runs from position 3 to the byte before "</zt>".
  EXPECT_EQ(noticeField("abcdefg</zt>", "<zt>", "</zt>"), "cdefg");
}

}  // namespace
