// The driver for shell scripts (the screenshot):
//   e2e_window_tool show   starts the program in a fresh folder, answers its
//                          start-up boxes with OK, waits for the main window
//                          and leaves the program running; prints the
//                          window's outer place as "X Y WIDTH HEIGHT".
//   e2e_window_tool close  closes the main window as its close button does
//                          and waits for the program to end; prints its exit
//                          code.
#include <cstdio>
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
  const e2e::Place place = e2e::windowPlace(program.main);
  std::printf("%d %d %d %d\n", place.left, place.top, place.width,
              place.height);
  // Leave it running: let go of the process without ending it.
  CloseHandle(program.process.hThread);
  CloseHandle(program.process.hProcess);
  program.process = {};
  return 0;
}

int close() {
  HWND main =
      FindWindowW(nullptr, e2e::wide("Quorvin科技文件/夹删除工具V2.5").c_str());
  if (!main) return 2;
  DWORD pid = 0;
  GetWindowThreadProcessId(main, &pid);
  HANDLE process = OpenProcess(
      SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE,
      FALSE, pid);
  PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (WaitForSingleObject(process, 20000) != WAIT_OBJECT_0) {
    TerminateProcess(process, 1);
    return 3;
  }
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  std::printf("%lu\n", static_cast<unsigned long>(code));
  CloseHandle(process);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && !std::strcmp(argv[1], "show")) return show();
  if (argc == 2 && !std::strcmp(argv[1], "close")) return close();
  std::fputs("usage: e2e_window_tool show|close\n", stderr);
  return 1;
}
