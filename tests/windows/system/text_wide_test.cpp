// The boundary conversions between the program's UTF-8 and Windows'
// UTF-16: lossless for every Unicode text, and empty (never another text)
// for what is not well-formed.
#include "platform/win32/text_wide.h"

#include <gtest/gtest.h>

namespace {

TEST(TextWide, EveryUnicodeTextCrossesBothWaysUnchanged) {
  struct Case {
    const char* text;
    const wchar_t* wide;
  };
  const Case cases[] = {
      {"", L""},
      {"C:\\a b\\x.txt", L"C:\\a b\\x.txt"},
      {"删除成功！——", L"删除成功！——"},
      {"사진.txt", L"\uC0AC\uC9C4.txt"},
      {"фото😀", L"\u0444\u043E\u0442\u043E\U0001F600"},
      {"€镕©·", L"\u20AC\u9555\u00A9\u00B7"},
      {"a\r\nb", L"a\r\nb"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(wideFromText(c.text), c.wide) << c.text;
    EXPECT_EQ(textFromWide(c.wide), c.text) << c.text;
  }
}

TEST(TextWide, TextsThatAreNotWellFormedBecomeEmpty) {
  for (const char* notUtf8 : {
           "a\xFF.txt",         // never in UTF-8
           "\xB9\xAB",          // 公 in GBK
           "\xC0\xAF",          // an overlong "/"
           "\xED\xA0\x80",      // an encoded surrogate
           "\xF4\x90\x80\x80",  // beyond U+10FFFF
           "ab\xE4\xB8",        // cut off
       })
    EXPECT_EQ(wideFromText(notUtf8), L"") << notUtf8;
  for (const std::wstring& notUtf16 :
       {std::wstring(L"a") + wchar_t(0xD83D) + L".txt",  // a lone high half
        std::wstring(1, wchar_t(0xDE00)),                // a lone low half
        std::wstring(L"\U0001F600").substr(1) + L"\U0001F600"})
    EXPECT_EQ(textFromWide(notUtf16), "");
}

}  // namespace
