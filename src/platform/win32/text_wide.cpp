#include "platform/win32/text_wide.h"

#include <windows.h>

namespace {
const UINT kGbk = 936;
}

std::wstring wideFromText(const std::string& gbk) {
  if (gbk.empty()) return std::wstring();
  const int size = static_cast<int>(gbk.size());
  const int n = MultiByteToWideChar(kGbk, 0, gbk.data(), size, nullptr, 0);
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(kGbk, 0, gbk.data(), size, wide.data(), n);
  return wide;
}

std::string textFromWide(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(kGbk, 0, wide.data(), size, nullptr, 0,
                                    nullptr, nullptr);
  std::string gbk(n, '\0');
  WideCharToMultiByte(kGbk, 0, wide.data(), size, gbk.data(), n, nullptr,
                      nullptr);
  return gbk;
}
