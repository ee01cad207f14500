// What a scenario needs to find and read the program's record files: the
// date-time texts the clock can give around an export, the folder's
// entries, a file's bytes, and a hex dump for people to read.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The record's date-time text for a local time: 2022年7月12日8时5分 and so on.
std::string dateTimeText(const SYSTEMTIME& time);
SYSTEMTIME localNow();
SYSTEMTIME secondsLater(const SYSTEMTIME& time, int seconds);
// The texts of every whole second from `first` to `last`, in order.
std::vector<std::string> dateTimeTextsBetween(const SYSTEMTIME& first,
                                              const SYSTEMTIME& last);

// Names in the folder (without "." and ".."), sorted.
std::vector<std::string> folderEntries(const std::wstring& folder);
// The file's bytes; empty if it cannot be read.
std::string fileBytes(const std::string& path);
// Offset, 16 bytes in hex, and the ASCII ones as text.
std::string hexDump(const std::string& bytes, size_t firstOffset = 0);

}  // namespace e2e
