// The driver for shell scripts (the screenshot):
//   e2e_window_tool show       starts the program in a fresh folder, answers
//                              its start-up boxes with OK, waits for the main
//                              window to be drawn on the screen and leaves the
//                              program running; prints
//                              "X Y WIDTH HEIGHT PID": the window's outer
//                              place and the program's process id.
//   e2e_window_tool close PID  closes that program's main window as its
//                              close button does and waits for the program
//                              to end; prints its exit code.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "program_driver.h"

namespace {

int show() {
  e2e::Program program;
  if (!e2e::start(program, e2e::testFolder("window-tool"))) return 2;
  // The notice boxes come before the window; OK each until it shows.
  const ULONGLONG deadline = GetTickCount64() + e2e::kPatience;
  while (!e2e::findMainWindow(program) && GetTickCount64() < deadline) {
    if (e2e::Box box = e2e::openBox(program)) e2e::answer(box, IDOK);
    Sleep(10);
  }
  if (!e2e::waitForMainWindow(program)) return 3;
  e2e::settle(program);  // its queue has run dry: painting comes next
  if (!e2e::waitUntilDrawn(program.main)) return 4;
  const e2e::Place place = e2e::windowPlace(program.main);
  std::printf("%d %d %d %d %lu\n", place.left, place.top, place.width,
              place.height,
              static_cast<unsigned long>(program.process.dwProcessId));
  // Leave it running: let go of the process without ending it.
  CloseHandle(program.process.hThread);
  CloseHandle(program.process.hProcess);
  program.process = {};
  return 0;
}

int close(DWORD pid) {
  e2e::Program program;  // borrows the running program; ends it on failure
  program.process.dwProcessId = pid;
  program.process.hProcess = OpenProcess(
      SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE,
      FALSE, pid);
  if (!program.process.hProcess) return 2;
  HWND main = e2e::findMainWindow(program);
  if (!main) return 2;
  PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  const std::optional<DWORD> code = e2e::waitForExit(program);
  if (!code) return 3;
  std::printf("%lu\n", static_cast<unsigned long>(*code));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && !std::strcmp(argv[1], "show")) return show();
  if (argc == 3 && !std::strcmp(argv[1], "close"))
    return close(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
  std::fputs("usage: e2e_window_tool show | close PID\n", stderr);
  return 1;
}
