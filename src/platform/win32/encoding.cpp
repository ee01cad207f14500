// convertEncoding from UTF-8 to GB2312 (EUC-CN) or GBK, and from GBK to
// UTF-8, strictly: any invalid input or unrepresentable character gives an
// empty result. The results are those of glibc's iconv for the same
// charsets, which the tests check character by character.
#include <windows.h>

#include "platform/gb2312.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/win32_system.h"

namespace {

const UINT kGbk = 936;

enum class Target { None, Gb2312, Gbk };

bool namedAs(const std::string& name, std::initializer_list<const char*> all) {
  for (const char* one : all)
    if (_stricmp(name.c_str(), one) == 0) return true;
  return false;
}

Target targetNamed(const std::string& name) {
  if (namedAs(name, {"GB2312", "EUC-CN", "EUCCN"})) return Target::Gb2312;
  if (namedAs(name, {"GBK", "CP936"})) return Target::Gbk;
  return Target::None;
}

// Code page 936 without best-fit guesses; empty when any character had to
// be replaced by the default one.
std::string strictGbk(const std::wstring& wide) {
  const int size = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide.data(),
                                    size, nullptr, 0, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return std::string();
  std::string out(n, '\0');
  WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide.data(), size, out.data(),
                      n, nullptr, &usedDefault);
  return usedDefault ? std::string() : out;
}

// glibc maps two GB2312 cells as Unicode's own GB2312 table does, where
// code page 936 uses other characters: A1A4 is U+30FB (not U+00B7) and
// A1AA is U+2015 (not U+2014). Rewrites the text into code page 936's
// characters for those cells; false when it holds one of the characters
// glibc has no GB2312 cell for.
bool toCodePageCells(std::wstring& wide) {
  for (wchar_t& c : wide) {
    if (c == 0x00B7 || c == 0x2014) return false;
    if (c == 0x30FB) c = 0x00B7;
    if (c == 0x2015) c = 0x2014;
  }
  return true;
}

// Code page 936 maps the user-defined cells of GBK to private-use
// characters; glibc's GBK has no such cells.
bool holdsPrivateUse(const std::wstring& wide) {
  for (wchar_t c : wide)
    if (c >= 0xE000 && c <= 0xF8FF) return true;
  return false;
}

std::string fromGbk(const std::string& bytes) {
  const std::wstring wide = wideFromCodePage(kGbk, bytes);
  if (wide.empty() || holdsPrivateUse(wide)) return std::string();
  return textFromWide(wide);
}

std::string toGbk(const std::string& bytes, Target target) {
  std::wstring wide = wideFromText(bytes);
  if (wide.empty() || holdsPrivateUse(wide)) return std::string();
  if (target == Target::Gb2312 && !toCodePageCells(wide)) return std::string();
  std::string out = strictGbk(wide);
  if (target == Target::Gb2312 && !isGb2312Text(out)) return std::string();
  return out;
}

}  // namespace

std::string Win32System::convertEncoding(const std::string& bytes,
                                         const std::string& fromCharset,
                                         const std::string& toCharset) {
  if (bytes.empty()) return std::string();
  const bool fromUtf8 = namedAs(fromCharset, {"UTF-8", "UTF8"});
  if (fromUtf8 && targetNamed(toCharset) != Target::None)
    return toGbk(bytes, targetNamed(toCharset));
  if (targetNamed(fromCharset) == Target::Gbk &&
      namedAs(toCharset, {"UTF-8", "UTF8"}))
    return fromGbk(bytes);
  return std::string();
}
