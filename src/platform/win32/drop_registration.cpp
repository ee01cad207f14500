// Registering a window with OLE drag and drop; OLE covers its child
// controls too.
#include <windows.h>
// after windows.h, which they need
#include <ole2.h>

#include <string>

#include "platform/win32/drop_target.h"
#include "platform/win32/toolkit_window.h"
#include "platform/win32/win32_toolkit.h"

bool Win32Toolkit::registerDropTarget(WindowId id, GotFilesHandler onGotFiles) {
  HWND window = windowHandle(id);
  if (!window) return false;
  // The drop only takes the text and posts it: the source gets its answer
  // at once, and the handling (boxes included) follows on this thread.
  IDropTarget* target = newFileDropTarget(
      [window](const std::string& text) {
        auto* owned = new std::string(text);
        if (!PostMessageW(window, kFilesDroppedMessage, 0,
                          reinterpret_cast<LPARAM>(owned)))
          delete owned;
      },
      acceptsNewHandler);
  const HRESULT result = RegisterDragDrop(window, target);
  target->Release();  // OLE keeps its own reference while registered
  if (FAILED(result)) return false;
  windows_[id].onGotFiles = std::move(onGotFiles);
  return true;
}

void Win32Toolkit::revokeDropTarget(WindowId id) {
  HWND window = windowHandle(id);
  if (window) RevokeDragDrop(window);
  if (window) windows_[id].onGotFiles = nullptr;
}
