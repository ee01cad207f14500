// Path checks that guard the file operations against volume roots. They
// inspect UTF-16 text only and touch no file.
#pragma once

#include <string>

// The path in full form, resolved against the working directory: ".",
// "..", "/" and repeated separators as Windows resolves them. Empty when
// Windows cannot resolve it.
std::wstring fullPathOf(const std::wstring& path);

// True for a drive letter with its colon and nothing else ("X:").
bool isBareDrive(const std::wstring& path);

// True when a full path names the root of a volume: "C:\", "\\server\share",
// "\\?\C:\", "\\?\UNC\server\share", "\\?\Volume{...}\" and the like, also
// when written with "/", repeated separators, "." or "..". Errs towards
// true: an empty or unparsable path counts as a root.
bool isVolumeRoot(const std::wstring& fullPath);
