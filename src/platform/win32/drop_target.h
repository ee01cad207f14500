// The OLE drop target of the main window: it takes dropped file lists only
// and hands them on as one text, every path whole in UTF-8.
#pragma once

#include <windows.h>
// after windows.h, which they need
#include <ole2.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "platform/toolkit.h"

// A new drop target holding one reference. While `accepting` (when given)
// says no, every drag is refused and nothing is handed on.
IDropTarget* newFileDropTarget(GotFilesHandler onGotFiles,
                               std::function<bool()> accepting = nullptr);

// The effect offered to the drag source for the keys held: copy, move with
// Shift, copy with Ctrl, none with both; never one the source does not allow.
DWORD dropEffectFor(DWORD keyState, DWORD allowed);

// One path alone, or every path followed by "\r\n", in the source's order.
std::string droppedFilesText(HDROP files);
