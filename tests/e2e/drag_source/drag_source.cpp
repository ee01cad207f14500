// Drags files onto a point of the screen, as a file manager would, and
// reports what the drop target answered.
//
//   drag_source.exe RESULT_FILE X Y [--shift] [--ctrl] PATH...
//
// It shows a small window in the top-left corner, presses the left button
// on it (DoDragDrop starts there), moves the mouse in steps to the screen
// point X,Y and releases. RESULT_FILE then holds one line:
//   "<DoDragDrop result in hex> <final effect> <last effect offered>
//    <key states seen, MK_ flags in hex>"
// or "no-drag" when the drag never started.
#include <ole2.h>
#include <shellapi.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "file_list_data.h"
#include "mouse_drop_source.h"

namespace {

struct Job {
  std::wstring resultFile;
  POINT target{};
  std::vector<WORD> heldKeys;  // VK_SHIFT, VK_CONTROL held during the drag
  std::vector<std::wstring> paths;
  HANDLE dragStarted = nullptr;
  HWND window = nullptr;
};

Job job;

void writeResult(const char* line) {
  FILE* out = _wfopen(job.resultFile.c_str(), L"wb");
  if (!out) return;
  std::fputs(line, out);
  std::fclose(out);
}

INPUT mouse(POINT at, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

void send(INPUT input) { SendInput(1, &input, sizeof input); }

void key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  send(input);
}

// Wine's X11 driver puts the modifier keys back to the X server's state
// (not pressed) now and then, so held keys are pressed again before every
// step, as a keyboard's auto-repeat does.
void holdKeys() {
  for (WORD held : job.heldKeys) key(held, false);
}

// The hand on the mouse. OLE's drag loop samples the cursor every 50 ms or
// so, hence the pauses between steps.
DWORD WINAPI moveMouse(void*) {
  RECT source{};
  GetWindowRect(job.window, &source);
  const POINT from{(source.left + source.right) / 2,
                   (source.top + source.bottom) / 2};
  send(mouse(from, 0));
  Sleep(100);
  send(mouse(from, MOUSEEVENTF_LEFTDOWN));
  if (WaitForSingleObject(job.dragStarted, 10000) != WAIT_OBJECT_0) {
    send(mouse(from, MOUSEEVENTF_LEFTUP));
    return 0;
  }
  const int steps = 12;
  for (int i = 1; i <= steps; ++i) {
    Sleep(60);
    holdKeys();
    send(mouse({from.x + (job.target.x - from.x) * i / steps,
                from.y + (job.target.y - from.y) * i / steps},
               0));
  }
  for (int i = 0; i < 4; ++i) {  // let the target see us hover
    Sleep(60);
    holdKeys();
    send(mouse(job.target, 0));
  }
  holdKeys();
  send(mouse(job.target, MOUSEEVENTF_LEFTUP));
  for (WORD held : job.heldKeys) key(held, true);
  return 0;
}

void drag() {
  SetEvent(job.dragStarted);
  IDataObject* data = newFileListData(job.paths);
  DWORD lastFeedback = 0;
  DWORD keysSeen = 0;
  IDropSource* source = newMouseDropSource(&lastFeedback, &keysSeen);
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT result =
      DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
  source->Release();
  data->Release();
  char line[64];
  std::snprintf(line, sizeof line, "%08lx %lu %lu %lx\n",
                static_cast<unsigned long>(result),
                static_cast<unsigned long>(effect),
                static_cast<unsigned long>(lastFeedback),
                static_cast<unsigned long>(keysSeen));
  writeResult(line);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      KillTimer(window, 1);
      drag();
      PostQuitMessage(0);
      return 0;
    case WM_TIMER:  // the press never came
      writeResult("no-drag\n");
      PostQuitMessage(1);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool readArguments() {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args || count < 5) return false;
  job.resultFile = args[1];
  job.target = {_wtoi(args[2]), _wtoi(args[3])};
  for (int i = 4; i < count; ++i) {
    const std::wstring arg = args[i];
    if (arg == L"--shift")
      job.heldKeys.push_back(VK_SHIFT);
    else if (arg == L"--ctrl")
      job.heldKeys.push_back(VK_CONTROL);
    else
      job.paths.push_back(arg);
  }
  LocalFree(args);
  return !job.paths.empty();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  if (!readArguments()) return 2;
  OleInitialize(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_HIGHLIGHT);
  windowClass.lpszClassName = L"QuorvinTestDragSource";
  RegisterClassW(&windowClass);
  job.window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName,
                               L"drag source", WS_POPUP | WS_VISIBLE, 0, 0, 120,
                               80, nullptr, nullptr, instance, nullptr);
  UpdateWindow(job.window);
  // Held keys reach the window in front; OLE's drag loop reads them from
  // this thread's keyboard state.
  SetForegroundWindow(job.window);
  job.dragStarted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  SetTimer(job.window, 1, 15000, nullptr);
  CloseHandle(CreateThread(nullptr, 0, moveMouse, nullptr, 0, nullptr));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  OleUninitialize();
  return static_cast<int>(message.wParam);
}
