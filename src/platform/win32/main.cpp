// The program's entry point: OLE for drag and drop, the common controls,
// then the program itself on the Win32 toolkit and system.
#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <ole2.h>

#include "app/startup.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_toolkit.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const bool ole = SUCCEEDED(OleInitialize(nullptr));
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  int exitCode = 0;
  {
    Win32Toolkit toolkit;
    Win32System system;
    exitCode = runProgram(toolkit, system);
  }
  if (ole) OleUninitialize();
  return exitCode;
}
