#include "platform/win32/handle_closer.h"

namespace {

// Waking the other thread costs a system call: it is woken for a few
// handles at a time, and the queue stays short, so that a stop asked for
// in the middle leaves little that was already opened for deletion.
constexpr size_t kWakeAt = 8;
constexpr size_t kMostQueued = 32;

}  // namespace

HandleCloser::HandleCloser(std::function<void(HANDLE)> close,
                           std::function<void(bool)> closed, bool aside)
    : close_(std::move(close)), closed_(std::move(closed)) {
  if (!aside) return;
  queue_.reserve(kMostQueued);
  onOwnThread_ = TrySubmitThreadpoolCallback(closeQueued, this, nullptr);
}

HandleCloser::~HandleCloser() {
  if (!onOwnThread_) return;
  AcquireSRWLockExclusive(&lock_);
  finished_ = true;
  WakeAllConditionVariable(&changed_);
  while (!done_) SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
  ReleaseSRWLockExclusive(&lock_);
}

void HandleCloser::close(HANDLE handle, bool marked) {
  if (!onOwnThread_) {
    close_(handle);
    closed_(marked);
    return;
  }
  AcquireSRWLockExclusive(&lock_);
  while (queue_.size() >= kMostQueued)
    SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
  queue_.push_back({handle, marked});
  const bool wake = closerWaiting_ && queue_.size() >= kWakeAt;
  ReleaseSRWLockExclusive(&lock_);
  if (wake) WakeAllConditionVariable(&changed_);
}

void CALLBACK HandleCloser::closeQueued(PTP_CALLBACK_INSTANCE, PVOID self) {
  static_cast<HandleCloser*>(self)->closeUntilFinished();
}

void HandleCloser::closeUntilFinished() {
  std::vector<Queued> taken;
  taken.reserve(kMostQueued);
  AcquireSRWLockExclusive(&lock_);
  for (;;) {
    while (queue_.empty() && !finished_) {
      closerWaiting_ = true;
      SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
      closerWaiting_ = false;
    }
    if (queue_.empty()) break;
    taken.swap(queue_);
    ReleaseSRWLockExclusive(&lock_);
    WakeAllConditionVariable(&changed_);  // room again for the opener
    for (const Queued& queued : taken) {
      close_(queued.handle);
      closed_(queued.marked);
    }
    taken.clear();
    AcquireSRWLockExclusive(&lock_);
  }
  done_ = true;
  ReleaseSRWLockExclusive(&lock_);
  WakeAllConditionVariable(&changed_);
}
