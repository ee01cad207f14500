// The build gives the exes' places as Unix paths; under Wine they are
// reached through the drive that maps the Unix root.
#pragma once

#include <string>

namespace e2e {

std::wstring windowsPath(const char* unixPath);
// The environment variable's value, else `unixPath` as a Windows path.
std::wstring fromEnvironmentOr(const wchar_t* variable, const char* unixPath);

}  // namespace e2e
