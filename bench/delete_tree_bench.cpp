// Deletes one folder and prints how long it took and how much memory the
// process used, so a script can compare the program's folder deletion with
// a bare loop on the same tree.
//   delete_tree_bench ours|bare FOLDER
// Prints one line of name=value pairs: elapsed and CPU seconds of the
// deletion, its result, whether the folder is gone, and the working set.
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "bare_delete_loop.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/win32_system.h"

namespace {

struct Memory {
  unsigned long long workingSetKb;
  unsigned long long peakWorkingSetKb;
};

Memory processMemory() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return {counters.WorkingSetSize / 1024, counters.PeakWorkingSetSize / 1024};
}

// User and kernel time of this process: what the walk itself costs, however
// busy the machine is with other work.
double cpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ticks = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
           t.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

double secondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// The delete button's own call: the folder as a UTF-8 text, as typed.
bool deleteOurWay(const std::wstring& folder) {
  Win32System system;
  return system.deleteFolder(textFromWide(folder));
}

bool isPresent(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring method = argc == 3 ? argv[1] : L"";
  if (method != L"ours" && method != L"bare") {
    std::fprintf(stderr, "usage: delete_tree_bench ours|bare FOLDER\n");
    return 2;
  }
  const std::wstring folder = argv[2];
  if (!isPresent(folder)) {
    std::fprintf(stderr, "delete_tree_bench: no such folder\n");
    return 2;
  }

  const Memory before = processMemory();
  const double cpuBefore = cpuSeconds();
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  const bool result =
      method == L"ours" ? deleteOurWay(folder) : deleteTreeBare(folder);
  const double seconds = secondsSince(start);
  const double cpu = cpuSeconds() - cpuBefore;
  const Memory after = processMemory();

  std::printf(
      "method=%ls seconds=%.3f cpu_seconds=%.3f result=%d gone=%d "
      "working_set_before_kb=%llu "
      "peak_working_set_before_kb=%llu peak_working_set_kb=%llu\n",
      method.c_str(), seconds, cpu, result ? 1 : 0, isPresent(folder) ? 0 : 1,
      before.workingSetKb, before.peakWorkingSetKb, after.peakWorkingSetKb);
  return 0;
}
