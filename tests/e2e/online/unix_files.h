// Whole files at Unix paths (the build tree), reached through Wine's drive
// for the Unix root.
#pragma once

#include <string>

namespace e2e {

// Creates or replaces the file with exactly these bytes.
bool writeUnixFile(const std::string& unixPath, const std::string& bytes);
// Its bytes; empty when it is missing.
std::string readUnixFile(const std::string& unixPath);

}  // namespace e2e
