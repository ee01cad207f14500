#include "record_files.h"

#include <algorithm>
#include <cstdio>

#include "program_driver.h"

namespace e2e {

std::string dateTimeText(const SYSTEMTIME& t) {
  std::string text = std::to_string(t.wYear) + "年" + std::to_string(t.wMonth) +
                     "月" + std::to_string(t.wDay) + "日";
  if (t.wSecond != 0)
    return text + std::to_string(t.wHour) + "时" + std::to_string(t.wMinute) +
           "分" + std::to_string(t.wSecond) + "秒";
  if (t.wMinute != 0)
    return text + std::to_string(t.wHour) + "时" + std::to_string(t.wMinute) +
           "分";
  if (t.wHour != 0) return text + std::to_string(t.wHour) + "时";
  return text;
}

SYSTEMTIME localNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  now.wMilliseconds = 0;
  return now;
}

SYSTEMTIME secondsLater(const SYSTEMTIME& time, int seconds) {
  FILETIME file;
  SystemTimeToFileTime(&time, &file);
  ULARGE_INTEGER ticks{{file.dwLowDateTime, file.dwHighDateTime}};
  ticks.QuadPart += static_cast<LONGLONG>(seconds) * 10000000;
  file = {ticks.LowPart, ticks.HighPart};
  SYSTEMTIME later;
  FileTimeToSystemTime(&file, &later);
  return later;
}

std::vector<std::string> dateTimeTextsBetween(const SYSTEMTIME& first,
                                              const SYSTEMTIME& last) {
  std::vector<std::string> texts;
  const std::string end = dateTimeText(last);
  for (int s = 0; s < 3600; ++s) {
    texts.push_back(dateTimeText(secondsLater(first, s)));
    if (texts.back() == end) break;
  }
  return texts;
}

std::vector<std::string> folderEntries(const std::wstring& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = entry.cFileName;
    if (name != L"." && name != L"..") names.push_back(narrow(name));
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::string fileBytes(const std::string& path) {
  HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

std::string hexDump(const std::string& bytes, size_t firstOffset) {
  std::string dump;
  for (size_t row = 0; row < bytes.size(); row += 16) {
    char line[128];
    int n = std::snprintf(line, sizeof line, "%08zx ", firstOffset + row);
    std::string ascii;
    for (size_t i = row; i < row + 16; ++i) {
      if (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        n += std::snprintf(line + n, sizeof line - n, " %02x", byte);
        ascii += byte >= 0x20 && byte < 0x7f ? static_cast<char>(byte) : '.';
      } else {
        n += std::snprintf(line + n, sizeof line - n, "   ");
      }
    }
    dump += std::string(line) + "  " + ascii + "\n";
  }
  return dump;
}

}  // namespace e2e
