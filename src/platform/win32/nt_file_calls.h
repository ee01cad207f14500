// The native file calls a folder's deletion is made of. They come in
// through a table so that tests can stand between the walk and the system:
// to see what it asks, or to make the system answer as another would.
#pragma once

#include <windows.h>
#include <winternl.h>

#include <string_view>

// What MinGW-w64's winternl.h leaves out.
extern "C" NTSTATUS NTAPI NtQueryDirectoryFile(
    HANDLE folder, HANDLE event, PIO_APC_ROUTINE apcRoutine, PVOID apcContext,
    PIO_STATUS_BLOCK status, PVOID buffer, ULONG size,
    FILE_INFORMATION_CLASS informationClass, BOOLEAN singleEntry,
    PUNICODE_STRING mask, BOOLEAN restart);

constexpr FILE_INFORMATION_CLASS kFileDispositionInformationEx =
    static_cast<FILE_INFORMATION_CLASS>(64);
struct FileDispositionInformationEx {
  ULONG flags;
};
constexpr ULONG kDispositionDelete = 0x1;
constexpr ULONG kDispositionPosixSemantics = 0x2;

constexpr NTSTATUS kStatusBufferOverflow = static_cast<NTSTATUS>(0x80000005);
constexpr NTSTATUS kStatusNotImplemented = static_cast<NTSTATUS>(0xC0000002);
constexpr NTSTATUS kStatusInvalidInfoClass = static_cast<NTSTATUS>(0xC0000003);
constexpr NTSTATUS kStatusInvalidParameter = static_cast<NTSTATUS>(0xC000000D);
constexpr NTSTATUS kStatusObjectNameInvalid = static_cast<NTSTATUS>(0xC0000033);
constexpr NTSTATUS kStatusNotSupported = static_cast<NTSTATUS>(0xC00000BB);

struct NtFileCalls {
  // Opens the entry `name` of the open folder `folder`, or the native path
  // `name` when `folder` is null; never creates anything.
  NTSTATUS(*open)
  (HANDLE folder, std::wstring_view name, ACCESS_MASK access, ULONG options,
   HANDLE* opened);
  // The folder's next entries as FILE_ID_FULL_DIR_INFORMATION records, from
  // its start when `first`. A `mask` given on the first call limits the
  // entries to those it matches.
  NTSTATUS(*list)
  (HANDLE folder, void* buffer, ULONG size, std::wstring_view mask, bool first,
   ULONG* written);
  NTSTATUS(*query)
  (HANDLE handle, void* information, ULONG size,
   FILE_INFORMATION_CLASS informationClass);
  NTSTATUS(*set)
  (HANDLE handle, void* information, ULONG size,
   FILE_INFORMATION_CLASS informationClass);
  NTSTATUS (*close)(HANDLE handle);
};

// The calls of ntdll.
extern const NtFileCalls kWindowsNtFileCalls;

// True under Wine: opening a Unix link to a file, even with
// FILE_OPEN_REPARSE_POINT, opens the file it points to.
bool opensWhatLinksPointTo();
