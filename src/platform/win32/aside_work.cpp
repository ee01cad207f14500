#include "platform/win32/aside_work.h"

namespace {

// Waking the other thread costs a system call: it is woken for a few tasks
// at a time, and the queue stays short, so that a stop asked for in the
// middle leaves little that was already opened for deletion.
constexpr size_t kWakeAt = 8;
constexpr size_t kMostQueued = 32;

}  // namespace

AsideWork::~AsideWork() {
  if (!started_) return;
  AcquireSRWLockExclusive(&lock_);
  finished_ = true;
  WakeAllConditionVariable(&changed_);
  while (!done_) SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
  ReleaseSRWLockExclusive(&lock_);
}

void AsideWork::run(std::function<void()> task) {
  if (!started_ && !startFailed_) {
    queue_.reserve(kMostQueued);
    priority_ = GetThreadPriority(GetCurrentThread());
    started_ = TrySubmitThreadpoolCallback(runQueued, this, nullptr);
    startFailed_ = !started_;
  }
  if (!started_) {
    task();
    return;
  }
  AcquireSRWLockExclusive(&lock_);
  while (queue_.size() >= kMostQueued)
    SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
  queue_.push_back(std::move(task));
  const bool wake = workerWaiting_ && queue_.size() >= kWakeAt;
  ReleaseSRWLockExclusive(&lock_);
  if (wake) WakeAllConditionVariable(&changed_);
}

void AsideWork::waitUntilDone() {
  if (!started_) return;
  AcquireSRWLockExclusive(&lock_);
  while (!queue_.empty() || working_) {
    if (workerWaiting_) WakeAllConditionVariable(&changed_);
    SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
  }
  ReleaseSRWLockExclusive(&lock_);
}

// The pool's thread works at the caller's priority (a deletion beside the
// window runs below normal, so that the window keeps answering) and is
// given back as it was.
void CALLBACK AsideWork::runQueued(PTP_CALLBACK_INSTANCE, PVOID self) {
  const HANDLE thread = GetCurrentThread();
  const int before = GetThreadPriority(thread);
  SetThreadPriority(thread, static_cast<AsideWork*>(self)->priority_);
  static_cast<AsideWork*>(self)->runUntilFinished();
  SetThreadPriority(thread, before);
}

void AsideWork::runUntilFinished() {
  std::vector<std::function<void()>> taken;
  taken.reserve(kMostQueued);
  AcquireSRWLockExclusive(&lock_);
  for (;;) {
    while (queue_.empty() && !finished_) {
      workerWaiting_ = true;
      SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
      workerWaiting_ = false;
    }
    if (queue_.empty()) break;
    taken.swap(queue_);
    working_ = true;
    ReleaseSRWLockExclusive(&lock_);
    WakeAllConditionVariable(&changed_);  // room again for the caller
    for (const std::function<void()>& task : taken) task();
    taken.clear();
    AcquireSRWLockExclusive(&lock_);
    working_ = false;
    WakeAllConditionVariable(&changed_);  // for a caller waiting until done
  }
  done_ = true;
  // Woken under the lock: once it is released the owner may be gone.
  WakeAllConditionVariable(&changed_);
  ReleaseSRWLockExclusive(&lock_);
}
