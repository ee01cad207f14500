#include "program_driver.h"

namespace e2e {

namespace {

std::wstring toWide(const std::string& bytes, UINT codePage) {
  if (bytes.empty()) return {};
  const int n =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(n > 0 ? n : 0, L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                      static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

std::string fromWide(const std::wstring& text, UINT codePage,
                     const char* replacement) {
  if (text.empty()) return {};
  const DWORD flags = replacement ? WC_NO_BEST_FIT_CHARS : 0;
  const int n = WideCharToMultiByte(codePage, flags, text.data(),
                                    static_cast<int>(text.size()), nullptr, 0,
                                    replacement, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(codePage, flags, text.data(),
                      static_cast<int>(text.size()), out.data(), n, replacement,
                      nullptr);
  return out;
}

}  // namespace

std::wstring wide(const std::string& text) { return toWide(text, CP_UTF8); }
std::string narrow(const std::wstring& text) {
  return fromWide(text, CP_UTF8, nullptr);
}
std::string gbk(const std::string& text) {
  return fromWide(wide(text), 936, "?");
}

}  // namespace e2e
