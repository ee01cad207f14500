#include "platform/win32/taskbar_progress.h"

#include "platform/win32/delay_loaded.h"

TaskbarProgress::TaskbarProgress(HWND window) : window_(window) {
  if (!window_ || !oleLoads()) return;
  void* made = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ITaskbarList3, &made)) ||
      !made) {
    return;
  }
  taskbar_ = static_cast<ITaskbarList3*>(made);
  if (FAILED(taskbar_->HrInit()) ||
      FAILED(taskbar_->SetProgressState(window_, TBPF_INDETERMINATE))) {
    taskbar_->Release();
    taskbar_ = nullptr;
  }
}

TaskbarProgress::~TaskbarProgress() {
  if (!taskbar_) return;
  if (IsWindow(window_)) taskbar_->SetProgressState(window_, TBPF_NOPROGRESS);
  taskbar_->Release();
}
