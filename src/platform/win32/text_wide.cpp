#include "platform/win32/text_wide.h"

#include <windows.h>

std::wstring wideFromCodePage(unsigned codePage, const std::string& bytes) {
  if (bytes.empty()) return std::wstring();
  const int size = static_cast<int>(bytes.size());
  const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS,
                                    bytes.data(), size, nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size,
                      wide.data(), n);
  return wide;
}

std::wstring wideFromText(const std::string& text) {
  return wideFromCodePage(CP_UTF8, text);
}

std::string textFromWide(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(),
                                    size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string text(n, '\0');
  WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size,
                      text.data(), n, nullptr, nullptr);
  return text;
}
