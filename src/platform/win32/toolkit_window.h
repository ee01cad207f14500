// What the toolkit keeps for each of its windows, and the steps that build
// and run them. Internal to the Win32 toolkit.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/toolkit.h"

struct ToolkitControl {
  HWND handle = nullptr;
  ControlKind kind = ControlKind::Label;
  std::function<void()> onEvent;
};

struct ToolkitWindow {
  HWND handle = nullptr;
  GotFilesHandler onGotFiles;  // set while registered as a drop target
  std::vector<ToolkitControl> controls;  // control id = index + 1
  std::map<std::string, size_t> byName;
  std::function<void()> onDestroying;
  std::vector<HFONT> fonts;      // made for this window's controls
  HWND lastFocus = nullptr;      // handed the focus back on activation
  bool quietEdits = false;       // set while setText replaces an edit's text
  bool endsMessageLoop = false;  // the main window: closing it ends the loop
  // Modal windows: the other windows they disabled, with their former state.
  std::vector<std::pair<HWND, bool>> disabledWindows;
  HWND activeBefore = nullptr;  // activated again when a modal one closes
};

// What the toolkit is busy with, for its window procedure and drop target.
struct ToolkitActivity {
  int handlersRunning = 0;         // control events and drops being handled
  bool workRunning = false;        // background or time-limited work
  std::function<void()> stopWork;  // set while background work runs
  bool closeRequested = false;     // the main window was closed meanwhile
  // Main-window inputs disabled for background work, and the control that
  // had the focus; given back when the handler that asked has ended.
  std::vector<HWND> refusedInputs;
  HWND focusBefore = nullptr;
};
ToolkitActivity& toolkitActivity();
// Counts a handler as running while it lives; the last one to end gives
// back the inputs that background work refused.
class HandlerScope {
 public:
  HandlerScope();
  ~HandlerScope();
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;
};
// Drops and control events are taken only while nothing else runs.
bool acceptsNewHandler();
void giveBackRefusedInputs();

// Posted to a window for each drop; the lParam owns the dropped text (a
// new std::string), so the drop returns to its source at once.
const UINT kFilesDroppedMessage = WM_APP + 1;

// True for the toolkit's own top-level windows (main and modal).
bool isToolkitWindow(HWND window);
// Creates the window hidden, centred on the screen, with its controls;
// `owner` null for a window with a taskbar button of its own.
bool createToolkitWindow(ToolkitWindow& window,
                         const WindowDefinition& definition, HWND owner);
// Creates the controls in table order; control ids count from 1.
void createControls(ToolkitWindow& window,
                    const std::vector<ControlDefinition>& definitions);
// Single-line labels whose top lies under a control drawn over them show
// their text in the part left visible.
void showLabelsBelowCoveredTops(ToolkitWindow& window);
// Centres a single-line edit box's text in its height.
void centreTextVertically(HWND edit);
// The first visible, enabled tab-stop control, or null.
HWND firstTabStop(const ToolkitWindow& window);
// Gives the window's previously focused control (or its first tab stop) the
// keyboard focus.
void handOnFocus(ToolkitWindow& window);

// The program's keyboard rules for its own windows, applied to each message
// before it is dispatched: Esc closes the window, Enter does nothing, Tab
// moves between controls. True when the message was used up.
bool handleWindowKeys(const MSG& message);
// Dispatches messages until `done` holds or WM_QUIT arrives; a WM_QUIT is
// left for the outer loop.
void runMessages(const std::function<bool()>& done);
// Dispatches every message waiting now; false when WM_QUIT came (it is put
// back for the outer loop).
bool dispatchWaitingMessages();

std::wstring windowText(HWND window);
// Adds the item at the end and widens the list's scrollable width to it.
void appendListItem(HWND list, const std::wstring& text);
// Re-enables what a modal window disabled, as it was before.
void restoreDisabledWindows(ToolkitWindow& window);
