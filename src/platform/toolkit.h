// The window-toolkit operations the program's logic uses. Every text that
// crosses this interface is UTF-8.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

enum class WindowId { Main, About };

// A control is addressed by its window and its name ("编辑框1", "标签2").
struct Control {
  WindowId window;
  std::string name;
};

// Message-box kinds: the Windows style values the program uses.
enum BoxKind : int {
  kBoxOk = 0,
  kBoxOkCancel = 1,
  kBoxError = 16,
  kBoxWarning = 48,
  kBoxInformation = 64,
};

// Message-box answers.
enum BoxAnswer : int {
  kAnswerOk = 0,
  kAnswerCancel = 1,
  kAnswerAbort = 2,
  kAnswerRetry = 3,
  kAnswerIgnore = 4,
  kAnswerYes = 5,
  kAnswerNo = 6,
};

enum class ControlKind { Label, Edit, Button, CheckBox, ListBox };

// A font other than the system's default GUI font. An empty face with a
// height means the system's default face for the GB2312 character set.
struct FontDefinition {
  std::string face;
  int height = 0;  // pixels; 0 keeps the default GUI font
  bool gb2312Charset = false;
};

struct ControlDefinition {
  std::string name;
  ControlKind kind;
  int left, top, width, height;  // client-area pixels
  std::string text;              // initial text; for a list box, its one item
  bool visible = true;
  bool wordWrap = false;  // labels only
  FontDefinition font;
  // Clicked for buttons and check boxes, text changed for edit boxes.
  std::function<void()> onEvent;
};

struct WindowDefinition {
  WindowId id;
  std::string title;
  int width, height;  // outer size, pixels
  std::vector<ControlDefinition> controls;
  std::function<void()> onDestroying;  // while the handle is still valid
};

using GotFilesHandler = std::function<void(const std::string& text)>;

// Work started off the window's thread, to be waited for later.
class AsideWork {
 public:
  virtual ~AsideWork() = default;
};

// Work the window's thread hands to a thread of its own, so the windows keep
// answering while it runs.
struct BackgroundWork {
  std::function<void()> run;  // off the window's thread
  // Shown in `progressLabel` a few times a second while the work runs, read
  // on the window's thread; the label gets its former text back afterwards.
  std::function<std::string()> progressText;
  Control progressLabel;
  // The user closed the main window: the work should end soon. The program
  // then ends (exit code 0) as soon as the work has returned.
  std::function<void()> onStop;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Start-up and the message loop.
  // Creates the window hidden, centred on the screen, with all its controls.
  virtual bool createWindow(const WindowDefinition& window) = 0;
  // Shows a created window and gives the keyboard focus to the named control.
  virtual void showWindow(WindowId window, const std::string& focusControl) = 0;
  // Dispatches events until the last window is gone.
  virtual void runMessageLoop() = 0;

  // Controls and windows.
  virtual std::string getText(const Control& control) = 0;
  // On an edit box, raises its text-changed event exactly once, afterwards.
  virtual void setText(const Control& control, const std::string& text) = 0;
  virtual bool isChecked(const Control& box) = 0;
  // Raises no clicked event.
  virtual void setChecked(const Control& box, bool checked) = 0;
  virtual void setVisible(const Control& control, bool visible) = 0;
  virtual void listAppend(const Control& list, const std::string& text) = 0;
  virtual int listCount(const Control& list) = 0;
  // The empty text outside 0 .. count - 1.
  virtual std::string listItemText(const Control& list, int index) = 0;
  // Clamps to count - 1 (and below -1 to -1), selects and scrolls into view.
  virtual void listSelect(const Control& list, int index) = 0;
  virtual void setTopmost(WindowId window, bool topmost) = 0;
  virtual void focusWindow(WindowId window) = 0;

  // Message boxes: task-modal, no owner; an empty title means "信息：".
  virtual int messageBox(const std::string& text, int kind,
                         const std::string& title = std::string()) = 0;

  // Windows and drops.
  // Creates the window afresh, modal to the program; returns once closed.
  virtual void openModal(const WindowDefinition& window) = 0;
  // False when the window was already registered.
  virtual bool registerDropTarget(WindowId window,
                                  GotFilesHandler onGotFiles) = 0;
  virtual void revokeDropTarget(WindowId window) = 0;

  // Work off the window's thread.
  // Runs the work and returns once it has finished. Meanwhile the main
  // window keeps painting and answering, shows the progress and refuses
  // everything that would start another handler (its inputs and drops,
  // until the handler that asked has ended).
  virtual void runInBackground(const BackgroundWork& work) = 0;
  // Starts `work` on a thread of its own; it must own everything it
  // touches, since it may outlive the wait for it.
  virtual std::shared_ptr<AsideWork> startAside(std::function<void()> work) = 0;
  // Waits, while the windows keep answering, until the work has finished or
  // `limitMs` milliseconds have passed since it was started; true when it
  // finished in time. When it did not, its results are to be dropped.
  virtual bool waitAside(AsideWork& work, int limitMs) = 0;
};
