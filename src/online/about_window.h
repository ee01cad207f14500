// The About window: version, description and the update check.
#pragma once

#include "app/program.h"

WindowDefinition aboutWindowDefinition(Program& p);
// Opens the About window modally and waits until it is closed.
void onAboutClicked(Program& p);
// Fetches the latest version and compares it with the current one.
void onCheckUpdateClicked(Program& p);
