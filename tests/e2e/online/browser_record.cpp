#include "browser_record.h"

#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include "program_driver.h"
#include "unix_files.h"

namespace e2e {

namespace {

const std::string kRecord = QUORVIN_E2E_BROWSER_RECORD;

// The shell has created a recorder's process by the time its open request
// returns, so once none is left every request made so far is in the file.
bool waitForRecorders() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  bool allEnded = true;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (lstrcmpiW(entry.szExeFile, L"e2e_url_recorder.exe") != 0) continue;
    HANDLE recorder = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID);
    if (!recorder) continue;  // already gone
    allEnded =
        WaitForSingleObject(recorder, kPatience) == WAIT_OBJECT_0 && allEnded;
    CloseHandle(recorder);
  }
  CloseHandle(snapshot);
  return allEnded;
}

}  // namespace

bool recorderIsTheBrowser() {
  wchar_t command[2048] = {};
  LONG size = sizeof command;
  if (RegQueryValueW(HKEY_LOCAL_MACHINE,
                     L"Software\\Classes\\http\\shell\\open\\command", command,
                     &size) != ERROR_SUCCESS)
    return false;
  return std::wstring(command).find(L"e2e_url_recorder") != std::wstring::npos;
}

bool forgetOpenedAddresses() {
  return waitForRecorders() && writeUnixFile(kRecord, "");
}

std::vector<std::string> openedAddresses() {
  std::vector<std::string> addresses;
  if (!waitForRecorders()) {
    addresses.push_back("(a recorder did not finish)");
    return addresses;
  }
  const std::string record = readUnixFile(kRecord);
  size_t start = 0;
  for (size_t end; (end = record.find('\n', start)) != std::string::npos;
       start = end + 1)
    addresses.push_back(record.substr(start, end - start));
  return addresses;
}

}  // namespace e2e
