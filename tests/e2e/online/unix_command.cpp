#include "unix_command.h"

#include <windows.h>

#include <cstdlib>
#include <string>

#include "program_driver.h"
#include "unix_files.h"
#include "unix_paths.h"
#include "waiting.h"

namespace e2e {

int runUnix(const std::string& commandLine) {
  // Wine hands a Unix program to a process of its own, so its handle does
  // not wait for it: the shell leaves its exit status in a file, moved into
  // place in one step, and that file appearing means it is done.
  static int runs = 0;
  const std::string done = std::string(QUORVIN_E2E_SERVER_STATE) + "/done-" +
                           std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(++runs);
  std::wstring line = wide("Z:\\bin\\sh -c \"" + commandLine + "; echo $? > " +
                           done + ".tmp; mv " + done + ".tmp " + done + "\"");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                      CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process))
    return -1;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const std::wstring marker = windowsPath(done.c_str());
  const bool finished = waitUntil([&] {
    return GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
  });
  if (!finished) return -1;
  const std::string status = readUnixFile(done);
  DeleteFileW(marker.c_str());
  return status.empty() ? -1 : std::atoi(status.c_str());
}

}  // namespace e2e
