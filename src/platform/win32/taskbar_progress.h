// The taskbar button's progress display while work runs aside: shown as
// going on (the amount left is not known) for as long as this lives.
// Where the system offers no taskbar list (Wine), it does nothing.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <shobjidl.h>

class TaskbarProgress {
 public:
  explicit TaskbarProgress(HWND window);
  ~TaskbarProgress();
  TaskbarProgress(const TaskbarProgress&) = delete;
  TaskbarProgress& operator=(const TaskbarProgress&) = delete;

 private:
  HWND window_;
  ITaskbarList3* taskbar_ = nullptr;
};
