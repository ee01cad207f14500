#include "app/startup.h"

#include "app/main_window.h"

int runProgram(Toolkit& ui, System& sys) {
  DeletionTally tally;
  Program p{ui, sys, tally};
  // Relative paths typed by the user are looked up next to the program.
  sys.setWorkingDirectory(sys.programFolder());
  if (!ui.createWindow(mainWindowDefinition(p))) return 0;
  if (!onMainWindowCreated(p)) return 0;
  ui.showWindow(WindowId::Main, "编辑框1");
  ui.runMessageLoop();
  return 0;
}
