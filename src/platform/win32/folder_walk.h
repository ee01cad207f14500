// Deleting a folder with everything inside it through handles: each entry
// is opened relative to the open folder that listed it, without following
// links, and deleted through its own handle. No path is built on the way,
// so nothing is ever looked up again by name from the top, and depth has no
// limit but the file system's.
#pragma once

#include <windows.h>

#include "platform/system.h"
#include "platform/win32/folder_listing.h"
#include "platform/win32/nt_file_calls.h"

// Deletes `entry`, listed in the open folder `parent`, as a folder with
// everything inside it; true when it is gone. It is entered only when the
// handle opened for it is the very folder listed (same file id, no link);
// a link is removed as a link where the system can, never followed.
// Inside, every entry is tried and a failure does not stop the walk;
// read-only files stay. Counts what it removes into `progress` and stops
// at the next entry, deleting nothing more, once a stop is requested there.
bool deleteFolderEntry(HANDLE parent, const ListedEntry& entry,
                       const NtFileCalls& calls, DeletionProgress* progress);

// Deletes `name`, a file of the open folder `parent`, through a handle
// opened relative to it, exactly as the walk deletes a file: a link itself
// where the system can, never what a link points to. True when it is gone.
bool deleteFileEntry(HANDLE parent, std::wstring_view name,
                     const NtFileCalls& calls);
