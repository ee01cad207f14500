// Small tasks done on a second thread while the caller goes on.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// Under Wine every call on a file is a round trip to the server. Finishing
// the deletion of one file (closing its handle, which is what deletes it)
// on a second thread lets the next file's open run at the same time.
class AsideWork {
 public:
  AsideWork() = default;
  ~AsideWork();  // does what is still queued first
  AsideWork(const AsideWork&) = delete;
  AsideWork& operator=(const AsideWork&) = delete;

  // Queues the task for the second thread (started on first use, at the
  // caller's priority; without a thread pool the task runs at once). Waits
  // while many are queued.
  void run(std::function<void()> task);
  // Returns once every task given so far is done.
  void waitUntilDone();

 private:
  static void CALLBACK runQueued(PTP_CALLBACK_INSTANCE, PVOID self);
  void runUntilFinished();

  SRWLOCK lock_ = SRWLOCK_INIT;
  CONDITION_VARIABLE changed_ = CONDITION_VARIABLE_INIT;
  std::vector<std::function<void()>> queue_;
  bool started_ = false;
  bool startFailed_ = false;
  bool workerWaiting_ = false;
  bool working_ = false;  // the second thread holds tasks taken off the queue
  bool finished_ = false;
  bool done_ = false;
  int priority_ = THREAD_PRIORITY_NORMAL;  // the caller's
};
