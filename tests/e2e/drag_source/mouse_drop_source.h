// A drop source that follows the left mouse button, as a file manager's
// drag does.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <ole2.h>

// `lastFeedback` receives the effect the target offered last; `keysSeen`
// gathers the key states OLE reported while dragging (MK_SHIFT, ...).
IDropSource* newMouseDropSource(DWORD* lastFeedback, DWORD* keysSeen);
