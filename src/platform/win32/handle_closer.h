// Closing handles on a thread of their own while the caller goes on.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// Under Wine every close is a round trip to the server, and closing a handle
// opened for deletion is what deletes the file. Handing the closes to a
// second thread lets the next open and this close run at the same time.
// `closed(marked)` is called after each close, on the thread that closed.
class HandleCloser {
 public:
  HandleCloser(std::function<void(HANDLE)> close,
               std::function<void(bool)> closed);
  ~HandleCloser();  // closes what is still queued first
  HandleCloser(const HandleCloser&) = delete;
  HandleCloser& operator=(const HandleCloser&) = delete;

  // Closes the handle on this thread, at once.
  void closeNow(HANDLE handle, bool marked);
  // Queues the handle for the second thread (started on first use; without
  // a thread pool, closes it at once). Waits while many are queued.
  void closeAside(HANDLE handle, bool marked);
  // Returns once every handle given so far is closed.
  void waitUntilClosed();

 private:
  struct Queued {
    HANDLE handle;
    bool marked;
  };
  static void CALLBACK closeQueued(PTP_CALLBACK_INSTANCE, PVOID self);
  void closeUntilFinished();

  std::function<void(HANDLE)> close_;
  std::function<void(bool)> closed_;
  SRWLOCK lock_ = SRWLOCK_INIT;
  CONDITION_VARIABLE changed_ = CONDITION_VARIABLE_INIT;
  std::vector<Queued> queue_;
  bool started_ = false;
  bool startFailed_ = false;
  bool closerWaiting_ = false;
  bool closing_ = false;  // the second thread holds handles taken off the queue
  bool finished_ = false;
  bool done_ = false;
  int priority_ = THREAD_PRIORITY_NORMAL;  // the caller's
};
