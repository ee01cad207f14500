// What every handler works with: the two platform interfaces and the tally,
// the only state of the program that lives outside its controls.
#pragma once

#include "deletion/tally.h"
#include "platform/system.h"
#include "platform/toolkit.h"

struct Program {
  Toolkit& ui;
  System& sys;
  DeletionTally& tally;
};

// The main window's controls, by name.
inline Control mainControl(const char* name) { return {WindowId::Main, name}; }
// The About window's controls, by name.
inline Control aboutControl(const char* name) {
  return {WindowId::About, name};
}
