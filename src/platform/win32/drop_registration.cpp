// Registering a window with OLE drag and drop; OLE covers its child
// controls too.
#include <windows.h>
// after windows.h, which they need
#include <ole2.h>

#include "platform/win32/drop_target.h"
#include "platform/win32/win32_toolkit.h"

bool Win32Toolkit::registerDropTarget(WindowId id, GotFilesHandler onGotFiles) {
  HWND window = windowHandle(id);
  if (!window) return false;
  IDropTarget* target = newFileDropTarget(std::move(onGotFiles));
  const HRESULT result = RegisterDragDrop(window, target);
  target->Release();  // OLE keeps its own reference while registered
  return SUCCEEDED(result);
}

void Win32Toolkit::revokeDropTarget(WindowId id) {
  HWND window = windowHandle(id);
  if (window) RevokeDragDrop(window);
}
