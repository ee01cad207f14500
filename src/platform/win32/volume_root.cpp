#include "platform/win32/volume_root.h"

#include <windows.h>

#include <vector>

namespace {

bool startsWith(const std::wstring& text, const wchar_t* prefix) {
  return text.compare(0, wcslen(prefix), prefix) == 0;
}

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Windows drops trailing dots and blanks from a name, so a name made only
// of them (other than "..") stands for the folder it is in.
bool onlyDotsAndBlanks(const std::wstring& name) {
  return name.find_first_not_of(L". ") == std::wstring::npos;
}

// The names of the path after its volume prefix, with "." and ".." applied.
// ".." never climbs above the volume's own names (the first `keep`).
std::vector<std::wstring> resolvedNames(const std::wstring& path, size_t keep) {
  std::vector<std::wstring> names;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = start;
    while (end < path.size() && !isSeparator(path[end])) ++end;
    const std::wstring name = path.substr(start, end - start);
    if (name == L"..") {
      if (names.size() > keep) names.pop_back();
    } else if (!onlyDotsAndBlanks(name)) {
      names.push_back(name);
    }
    start = end + 1;
  }
  return names;
}

}  // namespace

bool isBareDrive(const std::wstring& path) {
  return path.size() == 2 && iswalpha(path[0]) && path[1] == L':';
}

bool isVolumeRoot(const std::wstring& fullPath) {
  std::wstring rest = fullPath;
  size_t volumeNames = 1;  // "C:" or "Volume{...}"
  const bool devicePrefix =
      rest.size() >= 4 && isSeparator(rest[0]) && isSeparator(rest[1]) &&
      (rest[2] == L'?' || rest[2] == L'.') && isSeparator(rest[3]);
  if (devicePrefix) {
    rest = rest.substr(4);
    if (rest.size() >= 4 && _wcsnicmp(rest.c_str(), L"UNC", 3) == 0 &&
        isSeparator(rest[3])) {
      rest = rest.substr(4);
      volumeNames = 2;  // server and share
    } else if (rest.size() >= 11 &&
               _wcsnicmp(rest.c_str(), L"GLOBALROOT", 10) == 0 &&
               isSeparator(rest[10])) {
      volumeNames = 3;  // GLOBALROOT\Device\HarddiskVolume1
    }
  } else if (startsWith(rest, L"\\??\\")) {
    rest = rest.substr(4);
  } else if (rest.size() >= 2 && isSeparator(rest[0]) && isSeparator(rest[1])) {
    rest = rest.substr(2);
    volumeNames = 2;
  } else if (rest.empty() || isSeparator(rest[0])) {
    return true;  // not a full path: take no chances
  }
  return resolvedNames(rest, volumeNames).size() <= volumeNames;
}
