// The main window: its controls, their initial texts and its event wiring.
#pragma once

#include "app/program.h"

WindowDefinition mainWindowDefinition(Program& p);

// Runs once the window and its controls exist, before it is shown. False
// when the start-up notice ended the program.
bool onMainWindowCreated(Program& p);
void onMainWindowDestroying(Program& p);
