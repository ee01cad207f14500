// Starting, finding and ending the program under test.
#include <string>

#include "control_names.h"
#include "program_driver.h"
#include "waiting.h"

namespace e2e {

namespace {

const std::string kMainTitle = "Quorvin科技文件/夹删除工具V2.5";

bool belongsTo(HWND window, const Program& program) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid == program.process.dwProcessId;
}

struct WindowSearch {
  const Program* program;
  std::wstring title;
  HWND found;
};

BOOL CALLBACK checkWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  if (!belongsTo(window, *search->program) || !IsWindowVisible(window))
    return TRUE;
  if (wide(text(window)) != search->title) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

Program::~Program() {
  if (!process.hProcess) return;
  if (isRunning(*this)) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

bool start(Program& program, const std::wstring& workingFolder,
           const std::wstring& exe) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr,
                        FALSE, 0, nullptr, workingFolder.c_str(), &startup,
                        &program.process) != 0;
}

HWND findMainWindow(const Program& program) {
  WindowSearch search{&program, wide(kMainTitle), nullptr};
  EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND waitForWindow(const Program& program, const std::string& title) {
  WindowSearch search{&program, wide(title), nullptr};
  return waitUntil([&] {
    search.found = nullptr;
    EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
  });
}

HWND waitForMainWindow(Program& program) {
  program.main = waitUntil([&] { return findMainWindow(program); });
  return program.main;
}

bool isRunning(const Program& program) {
  return program.process.hProcess &&
         WaitForSingleObject(program.process.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> waitForExit(const Program& program) {
  if (WaitForSingleObject(program.process.hProcess, kPatience) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(program.process.hProcess, &code);
  return code;
}

void closeMainWindow(const Program& program) {
  PostMessageW(program.main, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// Messages posted to one thread are handled in order, also inside a modal
// box's or a running deletion's loop: once a harmless marker posted to the path
// box has taken effect, everything posted before it has been handled. The
// marker is an edit length limit, which only bounds typing; the old one is put
// back.
bool settle(const Program& program) {
  HWND pathBox = control(program, "编辑框1");
  DWORD_PTR limit = 0;
  if (!SendMessageTimeoutW(pathBox, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL,
                           kPatience, &limit))
    return false;
  const WPARAM marker = limit == 0x7FFFFFF0 ? 0x7FFFFFF1 : 0x7FFFFFF0;
  if (!PostMessageW(pathBox, EM_SETLIMITTEXT, marker, 0)) return false;
  const bool settled = waitUntil([&] {
    return static_cast<WPARAM>(SendMessageW(pathBox, EM_GETLIMITTEXT, 0, 0)) ==
           marker;
  });
  SendMessageW(pathBox, EM_SETLIMITTEXT, limit, 0);
  // A deletion dispatches messages while it runs and keeps the delete
  // button disabled until its handler has ended (or waits in a box).
  HWND deleteButton = control(program, "按钮1");
  return settled && waitUntil([&] {
           return IsWindowEnabled(deleteButton) || openBox(program);
         });
}

}  // namespace e2e
