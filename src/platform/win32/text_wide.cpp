#include "platform/win32/text_wide.h"

#include <windows.h>

namespace {

// Well-formed UTF-8 as Unicode defines it: no overlong forms, no
// surrogates, nothing above U+10FFFF, no character cut off at the end.
// Checked here because not every system's decoder refuses all of these.
bool isStrictUtf8(const std::string& bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* end = p + bytes.size();
  while (p < end) {
    const unsigned char lead = *p++;
    if (lead < 0x80) continue;
    int more;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
      more = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      more = 2;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      more = 3;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (end - p < more || *p < low || *p > high) return false;
    for (int i = 1; i < more; ++i)
      if (p[i] < 0x80 || p[i] > 0xBF) return false;
    p += more;
  }
  return true;
}

// Every surrogate in a pair, high then low.
bool isWellFormedUtf16(const std::wstring& wide) {
  for (size_t i = 0; i < wide.size(); ++i) {
    const wchar_t c = wide[i];
    if (c >= 0xDC00 && c <= 0xDFFF) return false;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 >= wide.size() || wide[i + 1] < 0xDC00 || wide[i + 1] > 0xDFFF)
        return false;
      ++i;
    }
  }
  return true;
}

}  // namespace

std::wstring wideFromText(const std::string& text) {
  if (text.empty() || !isStrictUtf8(text)) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                    size, nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size,
                      wide.data(), n);
  return wide;
}

std::string textFromWide(const std::wstring& wide) {
  if (wide.empty() || !isWellFormedUtf16(wide)) return std::string();
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(),
                                    size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string text(n, '\0');
  WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size,
                      text.data(), n, nullptr, nullptr);
  return text;
}
