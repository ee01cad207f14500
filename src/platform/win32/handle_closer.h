// Closing handles on a thread of their own while the caller goes on.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// Under Wine every close is a round trip to the server, and closing a handle
// opened for deletion is what deletes the file. Handing the closes to a
// second thread lets the next open and this close run at the same time.
// `closed(marked)` is called on the closing thread after each close.
// Without `aside` (or without a thread pool) the caller's thread closes each
// handle at once.
class HandleCloser {
 public:
  HandleCloser(std::function<void(HANDLE)> close,
               std::function<void(bool)> closed, bool aside);
  ~HandleCloser();  // waits until every handle given is closed
  HandleCloser(const HandleCloser&) = delete;
  HandleCloser& operator=(const HandleCloser&) = delete;

  // Queues the handle; waits while too many are queued already.
  void close(HANDLE handle, bool marked);

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
  bool closerWaiting_ = false;
  bool finished_ = false;
  bool done_ = false;
  bool onOwnThread_ = false;
};
