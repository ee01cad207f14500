#include "platform/win32/file_target.h"

#include <windows.h>

#include "platform/win32/literal_path.h"
#include "platform/win32/volume_root.h"

std::wstring literalTargetOf(const std::wstring& path) {
  if (path.empty() || path.find_first_of(L"\r\n") != std::wstring::npos)
    return std::wstring();
  if (path.back() == L'\\' || path.back() == L'/' || isBareDrive(path))
    return std::wstring();
  const std::wstring literal = literalPathOf(path);
  if (literal.empty() || isVolumeRoot(literal)) return std::wstring();
  return literal;
}

std::wstring_view lastNameOf(const std::wstring& literalPath) {
  const size_t split = literalPath.find_last_of(L'\\');
  return std::wstring_view(literalPath)
      .substr(split == std::wstring::npos ? 0 : split + 1);
}

bool isSameName(std::wstring_view listed, std::wstring_view asked,
                bool exactCase) {
  return CompareStringOrdinal(listed.data(), static_cast<int>(listed.size()),
                              asked.data(), static_cast<int>(asked.size()),
                              !exactCase) == CSTR_EQUAL;
}
