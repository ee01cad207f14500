// The window-toolkit operations on USER32, the common controls and OLE drag
// and drop. Every text is converted between UTF-8 and UTF-16 at this boundary.
//
// Each control is a real child window whose WM_GETTEXT gives its text, and
// its control id (GetDlgCtrlID) is its 1-based position in the window
// definition's control list: in the main window "标签1" is 1, "编辑框1" is
// 2, ..., "按钮3" is 13. Programs that drive the tool from outside rely on
// these ids.
#pragma once

#include <windows.h>

#include <map>

#include "platform/toolkit.h"
#include "platform/win32/toolkit_window.h"

class Win32Toolkit : public Toolkit {
 public:
  // To be made and used on the user-interface thread. It starts the common
  // controls with the first window and OLE with the first drop registration
  // (ending OLE when it goes), so neither holds up the first window.
  Win32Toolkit();
  ~Win32Toolkit() override;
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;

  bool createWindow(const WindowDefinition& window) override;
  void showWindow(WindowId window, const std::string& focusControl) override;
  void runMessageLoop() override;

  std::string getText(const Control& control) override;
  void setText(const Control& control, const std::string& text) override;
  bool isChecked(const Control& box) override;
  void setChecked(const Control& box, bool checked) override;
  void setVisible(const Control& control, bool visible) override;
  void listAppend(const Control& list, const std::string& text) override;
  int listCount(const Control& list) override;
  std::string listItemText(const Control& list, int index) override;
  void listSelect(const Control& list, int index) override;
  void setTopmost(WindowId window, bool topmost) override;
  void focusWindow(WindowId window) override;

  int messageBox(const std::string& text, int kind,
                 const std::string& title = std::string()) override;

  void openModal(const WindowDefinition& window) override;
  bool registerDropTarget(WindowId window, GotFilesHandler onGotFiles) override;
  void revokeDropTarget(WindowId window) override;
  void runInBackground(const BackgroundWork& work) override;
  std::shared_ptr<AsideWork> startAside(std::function<void()> work) override;
  bool waitAside(AsideWork& work, int limitMs) override;

  // The window's handle while it exists, else null.
  HWND windowHandle(WindowId window) const;
  // A control's handle while its window exists, else null.
  HWND controlHandle(const Control& control) const;

 private:
  const ToolkitControl* findControl(const Control& control) const;
  // Owns the About window, so it has no taskbar button; made on first use.
  HWND modalOwner();
  // Starts OLE on this thread once; false where it cannot start.
  bool oleStarted();

  std::map<WindowId, ToolkitWindow> windows_;
  HWND modalOwner_ = nullptr;
  bool oleStarted_ = false;
};
