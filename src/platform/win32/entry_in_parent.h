// Finding the entry a literal path names in its parent folder's listing, so
// that it can be opened relative to that folder like any entry of a walk.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/folder_listing.h"
#include "platform/win32/nt_file_calls.h"

// Opens the parent folder of `literal` (a literal path, no trailing
// separator) and looks its last name up in the parent's listing, the exact
// spelling first, then in any case. Calls `use` with the open parent and
// the entry and returns what it returns; false when the name is no plain
// name or is not found.
bool withEntryInParent(
    const std::wstring& literal, const NtFileCalls& calls,
    const std::function<bool(HANDLE parent, const ListedEntry&)>& use);
