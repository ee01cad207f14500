// The data a file manager offers when files are dragged: a CF_HDROP file
// list (DROPFILES with wide paths), and a drop source that follows the left
// mouse button.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>
#include <vector>

IDataObject* newFileListData(const std::vector<std::wstring>& paths);

// `lastFeedback` receives the effect the target offered last; `keysSeen`
// gathers the key states OLE reported while dragging (MK_SHIFT, ...).
IDropSource* newMouseDropSource(DWORD* lastFeedback, DWORD* keysSeen);
