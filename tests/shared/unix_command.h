// Running a Unix command from a test program under Wine, and naming a
// Windows path as the Unix shell sees it.
#pragma once

#include <string>

namespace unix_shell {

// Runs `commandLine` in the Unix shell (/bin/sh -c) and waits until it has
// finished, at most `patienceMs`; its exit status, or -1 when it could not
// be started or did not finish in time. No double quotes inside (quote with
// single ones).
int run(const std::wstring& commandLine, unsigned long patienceMs = 20000);

// The Unix path of a Windows path (the file need not exist); empty when
// not under Wine.
std::wstring unixPathOf(const std::wstring& windowsPath);

}  // namespace unix_shell
