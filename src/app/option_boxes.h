// The option check boxes and the top-most rule around each handler.
#pragma once

#include "app/program.h"

// Takes the main window out of top-most mode while a handler shows boxes.
void lowerWindow(Program& p);
// Top-most again only when "窗口置顶" is checked.
void restoreTopmostIfChosen(Program& p);
void onOnTopClicked(Program& p);
void onMultiItemClicked(Program& p);
