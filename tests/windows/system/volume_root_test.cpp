// The refusal of volume roots, checked on the pure path test and through
// deleteFolder with recording stand-ins for the file-system calls, so no
// test ever points a real deletion at a root.
#include "platform/win32/volume_root.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/delete_folder.h"

namespace {

TEST(IsVolumeRoot, RootsInAnySpelling) {
  for (const wchar_t* root :
       {L"C:\\",
        L"C:",
        L"c:\\.",
        L"C:\\..",
        L"C:\\x\\..",
        L"C:\\x\\..\\..",
        L"C:/",
        L"C:\\\\",
        L"C://",
        L"C:\\.\\",
        L"C:\\ ",
        L"C:\\...",
        L"\\\\?\\C:\\",
        L"\\\\?\\C:",
        L"\\\\.\\C:\\",
        L"\\\\?\\c:\\.",
        L"\\\\server\\share",
        L"\\\\server\\share\\",
        L"//server/share/",
        L"\\\\server\\share\\x\\..",
        L"\\\\server",
        L"\\\\?\\UNC\\server\\share\\",
        L"\\\\.\\unc\\server\\share",
        L"\\\\?\\Volume{12345678-0000-0000-0000-000000000000}\\",
        L"\\??\\C:\\",
        L"",
        L"\\",
        L"relative",
        L"\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1\\"})
    EXPECT_TRUE(isVolumeRoot(root)) << root;
}

TEST(IsVolumeRoot, FoldersBelowARoot) {
  for (const wchar_t* folder :
       {L"C:\\x", L"C:\\x\\", L"C:/x", L"C:\\..\\x", L"C:\\x\\y\\..", L"C:\\ x",
        L"C:\\...\\x", L"\\\\server\\share\\x", L"\\\\?\\C:\\x",
        L"\\\\?\\UNC\\server\\share\\x",
        L"\\\\?\\Volume{12345678-0000-0000-0000-000000000000}\\x",
        L"\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1\\x"})
    EXPECT_FALSE(isVolumeRoot(folder)) << folder;
}

// Stand-ins that record every call and find nothing unless told to.
std::vector<std::wstring> calls;
std::vector<std::pair<std::wstring, std::vector<WIN32_FIND_DATAW>>> listings;

struct Search {
  std::vector<WIN32_FIND_DATAW> entries;
  size_t next = 0;
};

HANDLE WINAPI recordFindFirst(const wchar_t* pattern, WIN32_FIND_DATAW* out) {
  calls.push_back(std::wstring(L"find ") + pattern);
  for (auto& [listed, entries] : listings) {
    if (listed == pattern && !entries.empty()) {
      auto* search = new Search{entries, 1};
      *out = entries[0];
      return search;
    }
  }
  SetLastError(ERROR_FILE_NOT_FOUND);
  return INVALID_HANDLE_VALUE;
}

BOOL WINAPI recordFindNext(HANDLE handle, WIN32_FIND_DATAW* out) {
  auto* search = static_cast<Search*>(handle);
  if (search->next == search->entries.size()) return FALSE;
  *out = search->entries[search->next++];
  return TRUE;
}

BOOL WINAPI recordFindClose(HANDLE handle) {
  delete static_cast<Search*>(handle);
  return TRUE;
}

BOOL WINAPI recordDeleteFile(const wchar_t* path) {
  calls.push_back(std::wstring(L"delete ") + path);
  return TRUE;
}

BOOL WINAPI recordRemoveDirectory(const wchar_t* path) {
  calls.push_back(std::wstring(L"remove ") + path);
  return TRUE;
}

const FolderCalls kRecording = {recordFindFirst, recordFindNext,
                                recordFindClose, recordDeleteFile,
                                recordRemoveDirectory};

WIN32_FIND_DATAW entry(const wchar_t* name, DWORD attributes, DWORD tag = 0) {
  WIN32_FIND_DATAW found{};
  found.dwFileAttributes = attributes;
  found.dwReserved0 = tag;
  wcscpy(found.cFileName, name);
  return found;
}

class DeleteFolderCalls : public testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    listings.clear();
    GetCurrentDirectoryW(MAX_PATH, saved_);
  }
  void TearDown() override { SetCurrentDirectoryW(saved_); }
  wchar_t saved_[MAX_PATH];
};

TEST_F(DeleteFolderCalls, RootsAreRefusedBeforeAnyCall) {
  for (const wchar_t* root : {L"",
                              L"   ",
                              L"C:",
                              L"c:",
                              L"Z:",
                              L"  C:",
                              L"C:\\",
                              L"Z:\\",
                              L"  C:\\",
                              L"C:/",
                              L"C:\\.",
                              L"C:\\\\",
                              L"C:\\..",
                              L"C:\\x\\..",
                              L"Z:\\tmp\\..",
                              L"\\\\?\\C:\\",
                              L"\\\\.\\C:\\",
                              L"\\\\?\\Z:\\",
                              L"\\\\server\\share",
                              L"\\\\server\\share\\",
                              L"//server/share",
                              L"\\\\?\\UNC\\server\\share",
                              L"\\",
                              L"/"}) {
    EXPECT_FALSE(deleteFolderWith(root, kRecording)) << root;
    EXPECT_TRUE(calls.empty()) << root;
  }
}

TEST_F(DeleteFolderCalls, RelativePathsThatReachTheRootAreRefused) {
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\windows"));
  for (const wchar_t* root : {L"..", L"..\\.", L"../", L"system32\\..\\.."}) {
    EXPECT_FALSE(deleteFolderWith(root, kRecording)) << root;
    EXPECT_TRUE(calls.empty()) << root;
  }
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\"));
  for (const wchar_t* root : {L".", L"x\\..", L"  ."}) {
    EXPECT_FALSE(deleteFolderWith(root, kRecording)) << root;
    EXPECT_TRUE(calls.empty()) << root;
  }
}

TEST_F(DeleteFolderCalls, AFolderIsSearchedEmptiedAndRemoved) {
  const std::wstring top = L"C:\\quorvin-none";
  listings = {
      {top + L"\\*.*",
       {entry(L".", FILE_ATTRIBUTE_DIRECTORY),
        entry(L"..", FILE_ATTRIBUTE_DIRECTORY),
        entry(L"a.txt", FILE_ATTRIBUTE_ARCHIVE),
        entry(L"sub", FILE_ATTRIBUTE_DIRECTORY),
        entry(L"junction",
              FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT,
              IO_REPARSE_TAG_MOUNT_POINT),
        entry(L"winelink",
              FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT),
        entry(L"filelink", FILE_ATTRIBUTE_REPARSE_POINT,
              IO_REPARSE_TAG_SYMLINK)}},
      {top + L"\\sub\\*.*", {entry(L"b.txt", FILE_ATTRIBUTE_READONLY)}}};
  // Leading blanks are not part of the path.
  EXPECT_TRUE(deleteFolderWith(L"  " + top, kRecording));
  const std::vector<std::wstring> expected = {
      L"find " + top,  // what the path itself names
      L"find " + top + L"\\*.*",
      L"delete " + top + L"\\a.txt",
      L"find " + top + L"\\sub\\*.*",
      L"delete " + top + L"\\sub\\b.txt",
      L"remove " + top + L"\\sub",
      L"remove " + top + L"\\junction",  // the link itself, not entered
      // winelink: an untagged reparse point, neither entered nor removed
      L"delete " + top + L"\\filelink",
      L"remove " + top,
  };
  EXPECT_EQ(calls, expected);
}

TEST_F(DeleteFolderCalls, ALinkGivenAsTheTargetIsNeverEntered) {
  const std::wstring link = L"C:\\quorvin-link";
  struct Case {
    DWORD tag;
    bool removed;
  };
  for (const Case& c : {Case{IO_REPARSE_TAG_MOUNT_POINT, true},
                        Case{IO_REPARSE_TAG_SYMLINK, true},
                        Case{0, false}}) {  // Wine's view of a Unix link
    calls.clear();
    const WIN32_FIND_DATAW itself =
        entry(L"quorvin-link",
              FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT, c.tag);
    listings = {
        {link, {itself}},
        {link + L"\\*.*", {entry(L"target.txt", FILE_ATTRIBUTE_ARCHIVE)}}};
    EXPECT_EQ(deleteFolderWith(link + L"\\", kRecording), c.removed);
    std::vector<std::wstring> expected = {L"find " + link};
    if (c.removed) expected.push_back(L"remove " + link + L"\\");
    EXPECT_EQ(calls, expected) << "tag " << c.tag;
  }
}

}  // namespace
