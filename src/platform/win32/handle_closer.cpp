#include "platform/win32/handle_closer.h"

namespace {

// Waking the other thread costs a system call: it is woken for a few
// handles at a time, and the queue stays short, so that a stop asked for
// in the middle leaves little that was already opened for deletion.
constexpr size_t kWakeAt = 8;
constexpr size_t kMostQueued = 32;

}  // namespace

HandleCloser::HandleCloser(std::function<void(HANDLE)> close,
                           std::function<void(bool)> closed)
    : close_(std::move(close)), closed_(std::move(closed)) {}

HandleCloser::~HandleCloser() {
  if (!started_) return;
  AcquireSRWLockExclusive(&lock_);
  finished_ = true;
  WakeAllConditionVariable(&changed_);
  while (!done_) SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
  ReleaseSRWLockExclusive(&lock_);
}

void HandleCloser::closeNow(HANDLE handle, bool marked) {
  close_(handle);
  closed_(marked);
}

void HandleCloser::closeAside(HANDLE handle, bool marked) {
  if (!started_ && !startFailed_) {
    queue_.reserve(kMostQueued);
    priority_ = GetThreadPriority(GetCurrentThread());
    started_ = TrySubmitThreadpoolCallback(closeQueued, this, nullptr);
    startFailed_ = !started_;
  }
  if (!started_) {
    closeNow(handle, marked);
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

void HandleCloser::waitUntilClosed() {
  if (!started_) return;
  AcquireSRWLockExclusive(&lock_);
  while (!queue_.empty() || closing_) {
    if (closerWaiting_) WakeAllConditionVariable(&changed_);
    SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
  }
  ReleaseSRWLockExclusive(&lock_);
}

// The pool's thread works at the caller's priority (a deletion beside the
// window runs below normal, so that the window keeps answering) and is
// given back as it was.
void CALLBACK HandleCloser::closeQueued(PTP_CALLBACK_INSTANCE, PVOID self) {
  const HANDLE thread = GetCurrentThread();
  const int before = GetThreadPriority(thread);
  SetThreadPriority(thread, static_cast<HandleCloser*>(self)->priority_);
  static_cast<HandleCloser*>(self)->closeUntilFinished();
  SetThreadPriority(thread, before);
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
    closing_ = true;
    ReleaseSRWLockExclusive(&lock_);
    WakeAllConditionVariable(&changed_);  // room again for the caller
    for (const Queued& queued : taken) closeNow(queued.handle, queued.marked);
    taken.clear();
    AcquireSRWLockExclusive(&lock_);
    closing_ = false;
    WakeAllConditionVariable(&changed_);  // for a caller waiting until closed
  }
  done_ = true;
  // Woken under the lock: once it is released the owner may be gone.
  WakeAllConditionVariable(&changed_);
  ReleaseSRWLockExclusive(&lock_);
}
