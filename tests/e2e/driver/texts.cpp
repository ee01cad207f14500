#include "program_driver.h"

namespace e2e {

namespace {
constexpr UINT kGbk = 936;

std::wstring toWide(const std::string& bytes, UINT codePage) {
  if (bytes.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, bytes.data(),
                                    static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                      out.data(), n);
  return out;
}

std::string fromWide(const std::wstring& text, UINT codePage) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(codePage, 0, text.data(),
                                    static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                      out.data(), n, nullptr, nullptr);
  return out;
}
}  // namespace

std::wstring wide(const std::string& gbk) { return toWide(gbk, kGbk); }
std::string gbk(const std::wstring& text) { return fromWide(text, kGbk); }
std::string utf8(const std::string& gbk) {
  return fromWide(toWide(gbk, kGbk), CP_UTF8);
}

}  // namespace e2e
