// Deleting a folder with everything inside it. The file-system calls come
// in through a table so that the refusals can be checked without ever
// pointing a real deletion at a volume root.
#pragma once

#include <windows.h>

#include <string>

#include "platform/system.h"

struct FolderCalls {
  HANDLE(WINAPI* findFirst)(const wchar_t* pattern, WIN32_FIND_DATAW* entry);
  BOOL(WINAPI* findNext)(HANDLE search, WIN32_FIND_DATAW* entry);
  BOOL(WINAPI* findClose)(HANDLE search);
  BOOL(WINAPI* deleteFile)(const wchar_t* path);
  BOOL(WINAPI* removeDirectory)(const wchar_t* path);
};

// The real calls of kernel32.
extern const FolderCalls kWindowsFolderCalls;

// True when the path, after its leading blanks, may be deleted as a folder
// at all: not empty, not a bare drive, not a volume root in full form.
bool mayDeleteAsFolder(const std::wstring& path);

// Refuses what mayDeleteAsFolder refuses before making any call; otherwise
// deletes everything that can be deleted under the folder, never entering
// a link, then the folder itself. True when the folder is gone.
// Counts what it removes into `progress` and stops at the next entry once
// a stop is requested there.
bool deleteFolderWith(std::wstring path, const FolderCalls& calls,
                      DeletionProgress* progress = nullptr);
