// The literal form of a typed or dropped path: the one entry it names,
// with nothing stripped or substituted on the way to the file system.
#pragma once

#include <string>

// The longest literal path passed on, in characters. The system measures a
// path in bytes in 16 bits, terminator included; Wine wraps longer lengths
// around and then names a different entry.
constexpr size_t kLongestLiteralPath = 32766;

// The full path with the "\\?\" (or "\\?\UNC\") prefix: a relative path is
// resolved against the working directory (a drive-relative one against that
// drive's), "/" becomes "\", repeated separators collapse, and "." and ".."
// segments are applied to the text (".." never climbs above the volume).
// Trailing dots and blanks stay, and device names such as "nul" or "com1"
// stay file names. A path that already carries "\\?\" is taken as it is.
// Empty for an empty path and for a result longer than kLongestLiteralPath.
std::wstring literalPathOf(const std::wstring& path);

// The same path as the native system names it ("\??\..."), for the calls
// below Win32.
std::wstring ntPathOf(const std::wstring& literalPath);
