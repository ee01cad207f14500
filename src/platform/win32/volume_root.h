// Path checks that guard the file operations against volume roots. They
// inspect UTF-16 text only and touch no file.
#pragma once

#include <string>

// True for a drive letter with its colon and nothing else ("X:").
bool isBareDrive(const std::wstring& path);

// True when a full path (in practice a literal one, literal_path.h) names
// the root of a volume: "C:\", "\\server\share",
// "\\?\C:\", "\\?\UNC\server\share", "\\?\Volume{...}\" and the like, also
// when written with "/", repeated separators, "." or "..". Errs towards
// true: an empty or unparsable path counts as a root.
bool isVolumeRoot(const std::wstring& fullPath);
