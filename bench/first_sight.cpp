// Starts a program and prints the milliseconds from just before its process
// was created until it first shows a window of its own (a message box
// counts), then ends it.
//   first_sight.exe PROGRAM.exe
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  DWORD processId;
  bool found;
};

BOOL CALLBACK noteShownWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

double millisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: first_sight PROGRAM.exe\n");
    return 2;
  }
  std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "cannot start the program\n");
    return 1;
  }
  Search search{process.dwProcessId, false};
  double took = -1;
  while (millisecondsSince(start) < 30000) {
    EnumWindows(noteShownWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      took = millisecondsSince(start);
      break;
    }
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (took < 0) {
    std::fprintf(stderr, "the program showed nothing\n");
    return 1;
  }
  std::printf("%.1f\n", took);
  return 0;
}
