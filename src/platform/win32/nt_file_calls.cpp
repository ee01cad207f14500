#include "platform/win32/nt_file_calls.h"

namespace {

// Names longer than a counted string can hold are no names.
bool countedString(std::wstring_view text, UNICODE_STRING* counted) {
  if (text.size() > 0x7FFF) return false;
  counted->Buffer = const_cast<PWSTR>(text.data());
  counted->Length = static_cast<USHORT>(text.size() * sizeof(wchar_t));
  counted->MaximumLength = counted->Length;
  return true;
}

NTSTATUS openEntry(HANDLE folder, std::wstring_view name, ACCESS_MASK access,
                   ULONG options, HANDLE* opened) {
  UNICODE_STRING counted;
  if (!countedString(name, &counted)) return kStatusObjectNameInvalid;
  // An entry of a folder is opened by the exact name its listing gave; a
  // whole path is looked up the way Windows looks up typed paths.
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &counted,
                             folder ? 0 : OBJ_CASE_INSENSITIVE, folder,
                             nullptr);
  IO_STATUS_BLOCK status;
  *opened = nullptr;
  return NtOpenFile(opened, access, &attributes, &status,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    options);
}

NTSTATUS listEntries(HANDLE folder, void* buffer, ULONG size,
                     std::wstring_view mask, bool first, ULONG* written) {
  UNICODE_STRING counted;
  const bool masked = !mask.empty() && countedString(mask, &counted);
  IO_STATUS_BLOCK status{};
  const NTSTATUS result =
      NtQueryDirectoryFile(folder, nullptr, nullptr, nullptr, &status, buffer,
                           size, FileIdFullDirectoryInformation, FALSE,
                           masked ? &counted : nullptr, first);
  *written = NT_SUCCESS(result) ? static_cast<ULONG>(status.Information) : 0;
  return result;
}

NTSTATUS queryInformation(HANDLE handle, void* information, ULONG size,
                          FILE_INFORMATION_CLASS informationClass) {
  IO_STATUS_BLOCK status;
  return NtQueryInformationFile(handle, &status, information, size,
                                informationClass);
}

NTSTATUS setInformation(HANDLE handle, void* information, ULONG size,
                        FILE_INFORMATION_CLASS informationClass) {
  IO_STATUS_BLOCK status;
  return NtSetInformationFile(handle, &status, information, size,
                              informationClass);
}

NTSTATUS closeHandle(HANDLE handle) { return NtClose(handle); }

}  // namespace

const NtFileCalls kWindowsNtFileCalls = {
    openEntry, listEntries, queryInformation, setInformation, closeHandle};

bool opensWhatLinksPointTo() {
  // Wine's ntdll says what it is; Windows' has no such export.
  static const bool wine =
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
  return wine;
}
