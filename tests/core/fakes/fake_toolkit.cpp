#include "fakes/fake_toolkit.h"

#include <stdexcept>

void FakeToolkit::addWindow(const WindowDefinition& window) {
  for (const ControlDefinition& c : window.controls) {
    ControlState s{c.kind, c.text};
    s.visible = c.visible;
    s.onEvent = c.onEvent;
    if (c.kind == ControlKind::ListBox) {
      s.items.push_back(c.text);
      s.text.clear();
    }
    controls_[{window.id, c.name}] = s;
  }
}

bool FakeToolkit::createWindow(const WindowDefinition& window) {
  addWindow(window);
  return true;
}

void FakeToolkit::showWindow(WindowId, const std::string&) { shown = true; }

FakeToolkit::ControlState& FakeToolkit::state(WindowId window,
                                              const std::string& name) {
  auto it = controls_.find({window, name});
  if (it == controls_.end()) throw std::logic_error("no control " + name);
  return it->second;
}

std::string FakeToolkit::mainText(const std::string& name) {
  return state(WindowId::Main, name).text;
}

std::vector<std::string> FakeToolkit::listItems() {
  return state(WindowId::Main, "列表框1").items;
}

std::vector<std::string> FakeToolkit::takeTimeline() {
  std::vector<std::string> recent(timeline.begin() + taken_, timeline.end());
  taken_ = timeline.size();
  return recent;
}

void FakeToolkit::type(const std::string& editName, const std::string& text) {
  ControlState& s = state(WindowId::Main, editName);
  s.text = text;
  if (s.onEvent) s.onEvent();
}

void FakeToolkit::click(WindowId window, const std::string& name) {
  ControlState& s = state(window, name);
  if (s.kind == ControlKind::CheckBox) s.checked = !s.checked;
  if (s.onEvent) s.onEvent();
}

void FakeToolkit::drop(const std::string& text) {
  if (!dropRegistered) throw std::logic_error("drop without a drop target");
  onGotFiles(text);
}

std::string FakeToolkit::getText(const Control& c) {
  return state(c.window, c.name).text;
}

void FakeToolkit::setText(const Control& c, const std::string& text) {
  ControlState& s = state(c.window, c.name);
  s.text = text;
  timeline.push_back("text " + c.name + " = " + text);
  if (s.kind == ControlKind::Edit && s.onEvent) s.onEvent();
}

bool FakeToolkit::isChecked(const Control& c) {
  return state(c.window, c.name).checked;
}

void FakeToolkit::setChecked(const Control& c, bool checked) {
  state(c.window, c.name).checked = checked;
  timeline.push_back("check " + c.name + (checked ? " on" : " off"));
}

void FakeToolkit::setVisible(const Control& c, bool visible) {
  state(c.window, c.name).visible = visible;
  timeline.push_back("visible " + c.name + (visible ? " on" : " off"));
}

void FakeToolkit::listAppend(const Control& c, const std::string& text) {
  state(c.window, c.name).items.push_back(text);
  timeline.push_back("append " + text);
}

int FakeToolkit::listCount(const Control& c) {
  return static_cast<int>(state(c.window, c.name).items.size());
}

std::string FakeToolkit::listItemText(const Control& c, int index) {
  const auto& items = state(c.window, c.name).items;
  if (index < 0 || index >= static_cast<int>(items.size())) return {};
  return items[index];
}

void FakeToolkit::listSelect(const Control& c, int index) {
  ControlState& s = state(c.window, c.name);
  const int last = static_cast<int>(s.items.size()) - 1;
  s.selected = index > last ? last : (index < -1 ? -1 : index);
  timeline.push_back("select " + std::to_string(s.selected));
}

void FakeToolkit::setTopmost(WindowId, bool on) {
  topmost = on;
  timeline.push_back(on ? "topmost on" : "topmost off");
}

void FakeToolkit::focusWindow(WindowId) { timeline.push_back("focus"); }

int FakeToolkit::messageBox(const std::string& text, int kind,
                            const std::string& title) {
  const std::string shownTitle = title.empty() ? "信息：" : title;
  boxes.push_back({text, kind, shownTitle});
  timeline.push_back("box " + shownTitle + ": " + text);
  if (answers.empty()) return kAnswerOk;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeToolkit::openModal(const WindowDefinition& window) {
  modalsOpened.push_back(window);
  timeline.push_back("open " + window.title);
  addWindow(window);
  if (whileModalOpen) whileModalOpen();
  timeline.push_back("closed " + window.title);
}

bool FakeToolkit::registerDropTarget(WindowId, GotFilesHandler handler) {
  if (dropRegistered) return false;
  dropRegistered = true;
  onGotFiles = std::move(handler);
  timeline.push_back("drop target on");
  return true;
}

void FakeToolkit::revokeDropTarget(WindowId) {
  dropRegistered = false;
  timeline.push_back("drop target off");
}

void FakeToolkit::runInBackground(const BackgroundWork& work) {
  ++backgroundRuns;
  work.run();
  progressShown.push_back(work.progressText());
  progressLabels.push_back(work.progressLabel.name);
}

namespace {

struct FakeAsideWork : AsideWork {
  std::function<void()> work;
};

}  // namespace

std::shared_ptr<AsideWork> FakeToolkit::startAside(std::function<void()> work) {
  auto aside = std::make_shared<FakeAsideWork>();
  aside->work = std::move(work);
  return aside;
}

bool FakeToolkit::waitAside(AsideWork& work, int limitMs) {
  timeLimits.push_back(limitMs);
  if (timeRunsOut) return false;
  auto& aside = static_cast<FakeAsideWork&>(work);
  if (aside.work) aside.work();
  aside.work = nullptr;
  return true;
}
