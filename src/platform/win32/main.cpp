// The program's entry point: the program itself on the Win32 toolkit and
// system. The toolkit starts the common controls with the first window and
// OLE with the drop registration, so neither holds up the start.
#include <windows.h>

#include "app/startup.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_toolkit.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Win32Toolkit toolkit;
  Win32System system;
  return runProgram(toolkit, system);
}
