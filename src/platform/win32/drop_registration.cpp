// Registering a window with OLE drag and drop; OLE covers its child
// controls too.
#include <windows.h>
// after windows.h, which they need
#include <ole2.h>

#include <string>

#include "platform/win32/delay_loaded.h"
#include "platform/win32/drop_target.h"
#include "platform/win32/toolkit_window.h"
#include "platform/win32/win32_toolkit.h"

// OLE starts with the first registration rather than with the process, so
// the program's first window (a box of the start-up notice, or the main
// window) is not held up by loading and starting it.
bool Win32Toolkit::oleStarted() {
  if (!oleStarted_ && oleLoads())
    oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
  return oleStarted_;
}

bool Win32Toolkit::registerDropTarget(WindowId id, GotFilesHandler onGotFiles) {
  HWND window = windowHandle(id);
  if (!window || !oleStarted()) return false;
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
  if (window && oleStarted_) RevokeDragDrop(window);
  if (window) windows_[id].onGotFiles = nullptr;
}
