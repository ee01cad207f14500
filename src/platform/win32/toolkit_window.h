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

// True for the toolkit's own top-level windows (main and modal).
bool isToolkitWindow(HWND window);
// Creates the window hidden, centred on the screen, with its controls;
// `owner` null for a window with a taskbar button of its own.
bool createToolkitWindow(ToolkitWindow& window,
                         const WindowDefinition& definition, HWND owner);
// Creates the controls in table order; control ids count from 1.
void createControls(ToolkitWindow& window,
                    const std::vector<ControlDefinition>& definitions);
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

std::wstring windowText(HWND window);
// Adds the item at the end and widens the list's scrollable width to it.
void appendListItem(HWND list, const std::wstring& text);
// Re-enables what a modal window disabled, as it was before.
void restoreDisabledWindows(ToolkitWindow& window);
