// The refusal of volume roots, checked on the pure path test and through
// deleteFolder with recording stand-ins for the file-system calls, so no
// test ever points a real deletion at a root.
#include "platform/win32/volume_root.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/delete_folder.h"
#include "platform/win32/nt_file_calls.h"

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

TEST(IsVolumeRoot, LiteralFormsOfNamesThatLookLikeDevices) {
  // A file named like a device is a file: only "\\.\nul" itself is one.
  for (const wchar_t* file :
       {L"\\\\?\\C:\\x\\nul", L"\\\\?\\C:\\x\\con", L"\\\\?\\C:\\aux.txt",
        L"\\\\?\\Z:\\tmp\\com1", L"\\\\?\\C:\\x\\abc.", L"\\\\?\\C:\\x\\abc "})
    EXPECT_FALSE(isVolumeRoot(file)) << file;
  for (const wchar_t* root : {L"\\\\?\\nul\\", L"\\\\?\\C:\\", L"\\\\?\\C:"})
    EXPECT_TRUE(isVolumeRoot(root)) << root;
}

// Stand-ins that record every call and find nothing.
std::vector<std::wstring> calls;

NTSTATUS recordOpen(HANDLE, std::wstring_view name, ACCESS_MASK, ULONG,
                    HANDLE* opened) {
  calls.push_back(L"open " + std::wstring(name));
  *opened = nullptr;
  return static_cast<NTSTATUS>(0xC0000034);  // not found
}

NTSTATUS recordList(HANDLE, void*, ULONG, std::wstring_view, bool, ULONG*) {
  calls.push_back(L"list");
  return static_cast<NTSTATUS>(0x80000006);  // no more files
}

NTSTATUS recordQuery(HANDLE, void*, ULONG, FILE_INFORMATION_CLASS) {
  calls.push_back(L"query");
  return kStatusNotSupported;
}

NTSTATUS recordSet(HANDLE, void*, ULONG, FILE_INFORMATION_CLASS) {
  calls.push_back(L"set");
  return kStatusNotSupported;
}

NTSTATUS recordClose(HANDLE) {
  calls.push_back(L"close");
  return 0;
}

const NtFileCalls kRecording = {recordOpen, recordList, recordQuery, recordSet,
                                recordClose};

class DeleteFolderCalls : public testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    GetCurrentDirectoryW(MAX_PATH, saved_);
  }
  void TearDown() override { SetCurrentDirectoryW(saved_); }
  wchar_t saved_[MAX_PATH];
};

TEST_F(DeleteFolderCalls, RootsAreRefusedBeforeAnyCall) {
  for (const wchar_t* root :
       {L"",
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
        L"C:\\x\\..\\..\\.",
        L"\\\\?\\C:\\",
        L"\\\\?\\C:",
        L"\\\\?\\C:\\x\\..",
        L"\\\\.\\C:\\",
        L"\\\\.\\C:\\x\\..",
        L"\\\\.\\nul",
        L"\\\\?\\Z:\\",
        L"\\\\server\\share",
        L"\\\\server\\share\\",
        L"//server/share",
        L"\\\\server\\share\\x\\..",
        L"\\\\?\\UNC\\server\\share",
        L"\\\\?\\Volume{12345678-0000-0000-0000-000000000000}\\",
        L"\\",
        L"/"}) {
    EXPECT_FALSE(deleteFolderWith(root, kRecording)) << root;
    EXPECT_TRUE(calls.empty()) << root;
  }
}

TEST_F(DeleteFolderCalls, RelativePathsThatReachTheRootAreRefused) {
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\windows"));
  for (const wchar_t* root : {L"..", L"..\\.", L"../", L"system32\\..\\..",
                              L"\\", L"C:..", L"C:system32\\..\\.."}) {
    EXPECT_FALSE(deleteFolderWith(root, kRecording)) << root;
    EXPECT_TRUE(calls.empty()) << root;
  }
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\"));
  for (const wchar_t* root : {L".", L"x\\..", L"  ."}) {
    EXPECT_FALSE(deleteFolderWith(root, kRecording)) << root;
    EXPECT_TRUE(calls.empty()) << root;
  }
}

// Before the literal form, "...\nul" was "\\.\nul" and taken for a root.
TEST_F(DeleteFolderCalls, NamesOfDevicesAreFoldersLikeAnyOther) {
  for (const wchar_t* folder : {L"C:\\x\\nul", L"C:\\x\\con", L"C:\\x\\prn",
                                L"C:\\x\\com1", L"C:\\x\\dir."}) {
    EXPECT_TRUE(mayDeleteAsFolder(folder)) << folder;
    calls.clear();
    EXPECT_FALSE(deleteFolderWith(folder, kRecording)) << folder;
    // The parent is opened by its literal name, and nothing else happens
    // when it cannot be.
    ASSERT_EQ(calls, std::vector<std::wstring>{L"open \\??\\C:\\x"}) << folder;
  }
}

TEST_F(DeleteFolderCalls, ATooLongPathIsRefused) {
  EXPECT_FALSE(
      deleteFolderWith(L"C:\\" + std::wstring(40000, L'a'), kRecording));
  EXPECT_TRUE(calls.empty());
}

}  // namespace
