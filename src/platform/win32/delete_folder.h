// Deleting a folder with everything inside it, as the delete button asks:
// the path turned into its literal form, volume roots refused, then the
// handle-relative walk of folder_walk.h. The native calls come in through
// a table so that the refusals can be checked without ever pointing a real
// deletion at a volume root, and the walk's choices without a real race.
#pragma once

#include <string>

#include "platform/system.h"
#include "platform/win32/nt_file_calls.h"

// True when the path, after its leading blanks, may be deleted as a folder
// at all: not empty, not a bare drive, and its literal form names no
// volume root and is not too long.
bool mayDeleteAsFolder(const std::wstring& path);

// Refuses what mayDeleteAsFolder refuses before making any call; otherwise
// looks the folder up in its parent, deletes everything that can be deleted
// under it without ever entering a link, then the folder itself. A link
// given as the folder is removed as a link. True when the folder is gone.
// Counts what it removes into `progress` and stops at the next entry once a
// stop is requested there.
bool deleteFolderWith(const std::wstring& path, const NtFileCalls& calls,
                      DeletionProgress* progress = nullptr);
