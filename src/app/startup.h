// Start-up, the message loop and the exit code.
#pragma once

#include "platform/system.h"
#include "platform/toolkit.h"

// Expects the toolkit (and OLE) initialised. Returns the exit code.
int runProgram(Toolkit& ui, System& sys);
