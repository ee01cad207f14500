#include "unix_files.h"

#include <windows.h>

#include "unix_paths.h"

namespace e2e {

bool writeUnixFile(const std::string& unixPath, const std::string& bytes) {
  HANDLE file = CreateFileW(windowsPath(unixPath.c_str()).c_str(),
                            GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                nullptr) &&
      written == bytes.size();
  CloseHandle(file);
  return ok;
}

std::string readUnixFile(const std::string& unixPath) {
  HANDLE file =
      CreateFileW(windowsPath(unixPath.c_str()).c_str(), GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
    bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

}  // namespace e2e
