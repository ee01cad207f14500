// A toolkit double: controls as plain state, every visible effect written to
// one timeline, message boxes answered from a script.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/toolkit.h"

class FakeToolkit : public Toolkit {
 public:
  struct ControlState {
    ControlKind kind;
    std::string text;
    bool checked = false;
    bool visible = true;
    std::vector<std::string> items;
    int selected = -1;
    std::function<void()> onEvent;
  };
  struct Box {
    std::string text;
    int kind;
    std::string title;
  };

  // What the program did, in order (GBK): "box <title>: <text>",
  // "text <control> = <text>", "append <text>", "select <index>",
  // "topmost on|off", "check <control> on|off", "visible <control> on|off".
  std::vector<std::string> timeline;
  std::vector<Box> boxes;
  std::deque<int> answers;  // next box answers; OK when empty
  bool topmost = false;
  bool dropRegistered = false;
  bool shown = false;
  GotFilesHandler onGotFiles;
  // Runs while the modal window is open, as the user would act in it.
  std::function<void()> whileModalOpen;
  std::vector<WindowDefinition> modalsOpened;
  // Background work runs inline; the progress text it would show at its
  // end, and the label it names, are kept here (not in the timeline, since
  // the label gets its former text back).
  std::vector<std::string> progressShown;
  std::vector<std::string> progressLabels;
  int backgroundRuns = 0;
  // Work aside runs when waited for: the limits asked for, and whether the
  // time runs out (the work is then never run, as if its answer came too
  // late).
  std::vector<int> timeLimits;
  bool timeRunsOut = false;

  // The user's actions.
  void type(const std::string& editName, const std::string& text);
  void click(WindowId window, const std::string& name);
  void drop(const std::string& text);

  ControlState& state(WindowId window, const std::string& name);
  std::string mainText(const std::string& name);
  std::vector<std::string> listItems();
  // Timeline entries since the last call.
  std::vector<std::string> takeTimeline();

  bool createWindow(const WindowDefinition& window) override;
  void showWindow(WindowId window, const std::string& focusControl) override;
  void runMessageLoop() override {}
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
                 const std::string& title) override;
  void openModal(const WindowDefinition& window) override;
  bool registerDropTarget(WindowId window, GotFilesHandler handler) override;
  void revokeDropTarget(WindowId window) override;
  void runInBackground(const BackgroundWork& work) override;
  std::shared_ptr<AsideWork> startAside(std::function<void()> work) override;
  bool waitAside(AsideWork& work, int limitMs) override;

 private:
  void addWindow(const WindowDefinition& window);
  std::map<std::pair<WindowId, std::string>, ControlState> controls_;
  size_t taken_ = 0;
};
