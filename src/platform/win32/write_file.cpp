// writeFile: the bytes go to a new file next to the target, which then
// takes the target's place in one step, so a failure at any point leaves
// the old file (or no file) and no half-written one.
#include <windows.h>

#include <algorithm>

#include "platform/win32/text_wide.h"
#include "platform/win32/win32_system.h"

namespace {

// The folder part of the full path, with its trailing backslash; empty when
// the path names no file (empty, or ending in a separator).
std::wstring folderOf(const std::wstring& path) {
  wchar_t full[MAX_PATH];
  wchar_t* name = nullptr;
  const DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH, full, &name);
  if (n == 0 || n >= MAX_PATH || name == nullptr) return std::wstring();
  return std::wstring(full, name - full);
}

bool writeAll(const wchar_t* path, const std::string& bytes) {
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  size_t done = 0;
  while (ok && done < bytes.size()) {
    const DWORD chunk =
        static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 30));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) &&
         written == chunk;
    done += written;
  }
  ok = ok && FlushFileBuffers(file);
  return CloseHandle(file) && ok;
}

// A read-only file may not be written; replacing it by renaming would
// slip past that where the file system allows the rename (Wine does).
bool isReadOnly(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

bool Win32System::writeFile(const std::string& path, const std::string& bytes) {
  const std::wstring target = wideFromText(path);
  if (target.empty() || isReadOnly(target)) return false;
  const std::wstring folder = folderOf(target);
  wchar_t temp[MAX_PATH];
  if (folder.empty() || !GetTempFileNameW(folder.c_str(), L"qvn", 0, temp))
    return false;
  if (writeAll(temp, bytes) &&
      MoveFileExW(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING))
    return true;
  DeleteFileW(temp);
  return false;
}
