// The entry a typed or dropped path names, for exists, fileSize and
// deleteFile alike, so that the size shown and the file deleted are the
// same one.
#pragma once

#include <string>
#include <string_view>

// The path's literal form (literal_path.h); empty for texts that name no
// entry: empty, holding a line break, ending in a separator, a bare drive,
// a volume root, or too long.
std::wstring literalTargetOf(const std::wstring& path);

// The name after the last backslash of a literal path.
std::wstring_view lastNameOf(const std::wstring& literalPath);

// Whether a name a listing gave is the name asked for, as the file system
// compares names (ordinal; case ignored unless `exactCase`).
bool isSameName(std::wstring_view listed, std::wstring_view asked,
                bool exactCase = false);
