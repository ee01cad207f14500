// A data object as the shell offers it in a drag: a dropped file list
// (CF_HDROP with wide paths), or only plain text.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <ole2.h>

#include <string>
#include <vector>

// One reference; the caller releases it.
IDataObject* newFileListData(const std::vector<std::wstring>& paths);
IDataObject* newPlainTextData(const std::wstring& text);
