#include "app/startup.h"

#include <utility>

#include "app/main_window.h"
#include "online/startup_notice.h"

int runProgram(Toolkit& ui, System& sys) {
  DeletionTally tally;
  Program p{ui, sys, tally};
  // Relative paths typed by the user are looked up next to the program.
  sys.setWorkingDirectory(sys.programFolder());
  // The network is asked while the window is made.
  auto notice = requestStartupNotice(p);
  if (!ui.createWindow(mainWindowDefinition(p))) return 0;
  if (!onMainWindowCreated(p, std::move(notice))) return 0;
  ui.showWindow(WindowId::Main, "编辑框1");
  ui.runMessageLoop();
  return 0;
}
