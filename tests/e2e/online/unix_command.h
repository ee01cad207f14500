// Running a Unix command from a scenario under Wine.
#pragma once

#include <string>

namespace e2e {

// Runs `commandLine` in the Unix shell and waits until it has finished;
// its exit status, or -1 when it could not be started or did not finish
// within the patience. No double quotes inside (quote with single ones).
int runUnix(const std::string& commandLine);

}  // namespace e2e
