#include "platform/win32/literal_path.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <vector>

namespace {

bool startsWith(const std::wstring& text, const wchar_t* prefix) {
  return text.compare(0, wcslen(prefix), prefix) == 0;
}

bool startsWithNoCase(const std::wstring& text, const wchar_t* prefix) {
  const size_t n = wcslen(prefix);
  return text.size() >= n && _wcsnicmp(text.c_str(), prefix, n) == 0;
}

bool isDriveLetter(wchar_t c) { return c < 128 && iswalpha(c); }

// A volume's prefix ("\\?\C:", "\\?\UNC\server\share") and the names below
// it, with "." and ".." already applied.
struct Resolved {
  std::wstring volume;
  std::vector<std::wstring> names;
};

// Adds the segments of `text` (separated by "\") to the names.
void applySegments(const std::wstring& text, Resolved& into) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'\\', start);
    if (end == std::wstring::npos) end = text.size();
    const std::wstring name = text.substr(start, end - start);
    if (name == L"..") {
      if (!into.names.empty()) into.names.pop_back();
    } else if (!name.empty() && name != L".") {
      into.names.push_back(name);
    }
    start = end + 1;
  }
}

// The first `count` segments of `text` (the server and share of a UNC
// path), and where the rest begins.
std::wstring leadingSegments(const std::wstring& text, int count,
                             size_t* rest) {
  size_t end = 0;
  for (int i = 0; i < count && end <= text.size(); ++i) {
    end = text.find(L'\\', end);
    if (end == std::wstring::npos) end = text.size();
    if (i + 1 < count) ++end;
  }
  end = std::min(end, text.size());
  *rest = end;
  return text.substr(0, end);
}

std::wstring currentDirectory() {
  std::wstring folder(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n =
        GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    if (n == 0) return std::wstring();
    if (n < folder.size()) {
      folder.resize(n);
      return folder;
    }
    folder.resize(n);  // the size needed, terminator included
  }
}

// The current folder of a drive, as the system keeps it per drive ("X:\"
// when there is none). A bare drive names no device, so this is safe to ask.
std::wstring driveDirectory(wchar_t drive) {
  const wchar_t bare[] = {drive, L':', L'\0'};
  std::wstring full(MAX_PATH, L'\0');
  DWORD n = GetFullPathNameW(bare, static_cast<DWORD>(full.size()), full.data(),
                             nullptr);
  if (n >= full.size()) {
    full.resize(n);
    n = GetFullPathNameW(bare, static_cast<DWORD>(full.size()), full.data(),
                         nullptr);
  }
  if (n == 0 || n >= full.size()) return std::wstring();
  full.resize(n);
  return full;
}

bool resolveAbsolute(const std::wstring& path, Resolved& into);

// A full path the working directory or a drive's folder gives; false when
// there is none to be had.
bool resolveBase(const std::wstring& base, Resolved& into) {
  std::wstring normal = base;
  std::replace(normal.begin(), normal.end(), L'/', L'\\');
  if (startsWith(normal, L"\\\\?\\")) {
    // A folder already in literal form: its names as they stand.
    const std::wstring body = normal.substr(4);
    size_t rest = 0;
    const bool unc = startsWithNoCase(body, L"UNC\\");
    into.volume = L"\\\\?\\" + leadingSegments(body, unc ? 3 : 1, &rest);
    applySegments(body.substr(rest), into);
    return true;
  }
  return resolveAbsolute(normal, into);
}

// Paths that name their volume themselves ("C:\...", "\\server\share\...",
// "\\.\C:\..."); everything else is resolved against a base folder.
bool resolveAbsolute(const std::wstring& path, Resolved& into) {
  size_t rest = 0;
  if (startsWith(path, L"\\\\.\\")) {
    const std::wstring device = path.substr(4);
    if (startsWithNoCase(device, L"UNC\\")) {
      into.volume =
          L"\\\\?\\UNC\\" + leadingSegments(device.substr(4), 2, &rest);
      rest += 8;
    } else {
      into.volume = L"\\\\?\\" + leadingSegments(device, 1, &rest);
      rest += 4;
    }
  } else if (startsWith(path, L"\\\\")) {
    into.volume = L"\\\\?\\UNC\\" + leadingSegments(path.substr(2), 2, &rest);
    rest += 2;
  } else if (path.size() >= 3 && isDriveLetter(path[0]) && path[1] == L':' &&
             path[2] == L'\\') {
    into.volume = L"\\\\?\\" + path.substr(0, 2);
    rest = 2;
  } else {
    return false;
  }
  applySegments(path.substr(std::min(rest, path.size())), into);
  return true;
}

std::wstring joined(const Resolved& path) {
  std::wstring literal = path.volume;
  for (const std::wstring& name : path.names) literal += L"\\" + name;
  if (path.names.empty()) literal += L"\\";
  return literal;
}

}  // namespace

std::wstring literalPathOf(const std::wstring& path) {
  if (path.empty()) return std::wstring();
  std::wstring literal;
  if (startsWith(path, L"\\\\?\\") || startsWith(path, L"\\??\\")) {
    literal = L"\\\\?\\" + path.substr(4);
  } else {
    std::wstring normal = path;
    std::replace(normal.begin(), normal.end(), L'/', L'\\');
    Resolved resolved;
    if (!resolveAbsolute(normal, resolved)) {
      const bool driveRelative =
          normal.size() >= 2 && isDriveLetter(normal[0]) && normal[1] == L':';
      const std::wstring base =
          driveRelative ? driveDirectory(normal[0]) : currentDirectory();
      if (!resolveBase(base, resolved)) return std::wstring();
      if (driveRelative) {
        applySegments(normal.substr(2), resolved);
      } else if (normal[0] == L'\\') {
        resolved.names.clear();  // rooted: from the top of that volume
        applySegments(normal, resolved);
      } else {
        applySegments(normal, resolved);
      }
    }
    literal = joined(resolved);
  }
  if (literal.size() > kLongestLiteralPath) return std::wstring();
  return literal;
}

std::wstring ntPathOf(const std::wstring& literalPath) {
  if (!startsWith(literalPath, L"\\\\?\\")) return std::wstring();
  return L"\\??\\" + literalPath.substr(4);
}
