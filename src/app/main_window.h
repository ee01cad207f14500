// The main window: its controls, their initial texts and its event wiring.
#pragma once

#include <memory>

#include "app/program.h"
#include "online/startup_notice.h"

WindowDefinition mainWindowDefinition(Program& p);

// Runs once the window and its controls exist, before it is shown. False
// when the start-up notice ended the program. `notice` is the request made
// before the window, if one was.
bool onMainWindowCreated(Program& p,
                         std::shared_ptr<NoticeRequest> notice = nullptr);
void onMainWindowDestroying(Program& p);
