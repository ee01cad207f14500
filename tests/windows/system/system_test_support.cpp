#include "system_test_support.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/text_wide.h"
#include "unix_command.h"

namespace {

std::wstring wide(const std::string& text) { return wideFromText(text); }

std::wstring wideFromUtf8(const std::string& text) {
  std::wstring out(text.size(), L'\0');
  out.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(),
                                 static_cast<int>(text.size()), out.data(),
                                 static_cast<int>(out.size())));
  return out;
}

}  // namespace

std::string windowsPathOf(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

int runUnix(const std::string& commandLine) {
  return unix_shell::run(wideFromUtf8(commandLine));
}

bool underWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
}

void FolderTest::SetUp() {
  ASSERT_TRUE(underWine()) << "these tests use Wine's Z: drive";
  const testing::TestInfo* test =
      testing::UnitTest::GetInstance()->current_test_info();
  unixFolder_ = std::string(QUORVIN_TEST_WORK_DIR) + "/" +
                test->test_suite_name() + "." + test->name();
  // Left from an earlier run, perhaps with read-only files in it.
  ASSERT_EQ(
      runUnix("rm -rf '" + unixFolder_ + "' && mkdir -p '" + unixFolder_ + "'"),
      0);
  folder_ = windowsPathOf(unixFolder_);
}

std::string FolderTest::path(const std::string& name) const {
  return name.empty() ? folder_ : folder_ + "\\" + name;
}

std::string FolderTest::unixPath(const std::string& name) const {
  std::string path = name;
  std::replace(path.begin(), path.end(), '\\', '/');
  return unixFolder_ + "/" + path;
}

void FolderTest::makeFile(const std::string& name, const std::string& bytes) {
  HANDLE file = CreateFileW(wide(path(name)).c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
            nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size());
}

void FolderTest::makeFolder(const std::string& name) {
  ASSERT_TRUE(CreateDirectoryW(wide(path(name)).c_str(), nullptr)) << name;
}

bool FolderTest::present(const std::string& name) const {
  return GetFileAttributesW(wide(path(name)).c_str()) !=
         INVALID_FILE_ATTRIBUTES;
}

std::string FolderTest::contents(const std::string& name) const {
  HANDLE file =
      CreateFileW(wide(path(name)).c_str(), GENERIC_READ, FILE_SHARE_READ,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

void FolderTest::setReadOnly(const std::string& name) {
  ASSERT_TRUE(
      SetFileAttributesW(wide(path(name)).c_str(), FILE_ATTRIBUTE_READONLY));
}

std::vector<std::string> FolderTest::listing(const std::string& folder) const {
  std::vector<std::string> names;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(wide(path(folder) + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = entry.cFileName;
    if (name != L"." && name != L"..") names.push_back(textFromWide(name));
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}
