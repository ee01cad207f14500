// Work handed to a thread of its own while the window's thread keeps
// dispatching messages: the windows paint, move and answer throughout.
#include <windows.h>

#include <memory>
#include <utility>

#include "platform/win32/taskbar_progress.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/toolkit_window.h"
#include "platform/win32/win32_toolkit.h"

namespace {

// How often the progress text is refreshed; the first refresh comes after
// one period, so a quick deletion never flickers.
const DWORD kProgressPeriodMs = 200;

// Shared by the waiting thread and the worker: a worker that outlives its
// wait (a server that never answers) keeps it alive until it returns.
struct Job {
  std::function<void()> work;
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ~Job() {
    if (done) CloseHandle(done);
  }
};

DWORD WINAPI runJob(void* parameter) {
  std::unique_ptr<std::shared_ptr<Job>> job(
      static_cast<std::shared_ptr<Job>*>(parameter));
  (*job)->work();
  SetEvent((*job)->done);
  return 0;
}

// Starts the job on a new thread; null when no thread could be made.
std::shared_ptr<Job> startJob(std::function<void()> work) {
  auto job = std::make_shared<Job>();
  job->work = std::move(work);
  if (!job->done) return nullptr;
  auto* handedOver = new std::shared_ptr<Job>(job);
  HANDLE thread = CreateThread(nullptr, 0, runJob, handedOver, 0, nullptr);
  if (!thread) {
    delete handedOver;
    return nullptr;
  }
  // The window's thread comes first: it must answer at once.
  SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL);
  CloseHandle(thread);
  return job;
}

// Dispatches messages until the job is done or `deadline` (a tick count)
// has passed, calling `onPeriod` every `periodMs` meanwhile. True when done.
bool waitDispatching(const Job& job, ULONGLONG deadline, DWORD periodMs,
                     const std::function<void()>& onPeriod) {
  ULONGLONG nextPeriod = GetTickCount64() + periodMs;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return WaitForSingleObject(job.done, 0) == 0;
    if (onPeriod && now >= nextPeriod) {
      onPeriod();
      nextPeriod = now + periodMs;
    }
    ULONGLONG until = deadline;
    if (onPeriod && nextPeriod < until) until = nextPeriod;
    const ULONGLONG left = until > now ? until - now : 0;
    const DWORD wait = left >= INFINITE ? INFINITE : static_cast<DWORD>(left);
    const DWORD woke = MsgWaitForMultipleObjectsEx(
        1, &job.done, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke == WAIT_OBJECT_0 + 1) dispatchWaitingMessages();
  }
}

void refuseInputs(ToolkitWindow& main) {
  ToolkitActivity& activity = toolkitActivity();
  if (!activity.refusedInputs.empty()) return;  // still refused
  activity.focusBefore = GetFocus();
  bool focusRefused = false;
  for (const ToolkitControl& control : main.controls) {
    const bool input = control.kind == ControlKind::Edit ||
                       control.kind == ControlKind::Button ||
                       control.kind == ControlKind::CheckBox;
    if (!input || !IsWindowEnabled(control.handle)) continue;
    if (control.handle == activity.focusBefore) focusRefused = true;
    activity.refusedInputs.push_back(control.handle);
  }
  for (HWND input : activity.refusedInputs) EnableWindow(input, FALSE);
  // The keyboard stays with the window (Esc still closes it), on a control
  // that is still enabled.
  if (focusRefused) handOnFocus(main);
}

// The main window was closed while the work ran: the program ends now, as a
// close ends it, with the drop target revoked by the window's destruction.
void endAfterClose(HWND main) {
  if (IsWindow(main)) DestroyWindow(main);
  ExitProcess(0);
}

}  // namespace

ToolkitActivity& toolkitActivity() {
  static ToolkitActivity activity;
  return activity;
}

HandlerScope::HandlerScope() { ++toolkitActivity().handlersRunning; }

HandlerScope::~HandlerScope() {
  if (--toolkitActivity().handlersRunning == 0) giveBackRefusedInputs();
}

bool acceptsNewHandler() {
  const ToolkitActivity& activity = toolkitActivity();
  return activity.handlersRunning == 0 && !activity.workRunning;
}

void giveBackRefusedInputs() {
  ToolkitActivity& activity = toolkitActivity();
  if (activity.refusedInputs.empty()) return;
  for (HWND input : activity.refusedInputs) {
    if (IsWindow(input)) EnableWindow(input, TRUE);
  }
  activity.refusedInputs.clear();
  HWND before = activity.focusBefore;
  activity.focusBefore = nullptr;
  HWND focus = GetFocus();
  if (before && IsWindow(before) && focus && focus != before &&
      GetAncestor(focus, GA_ROOT) == GetAncestor(before, GA_ROOT)) {
    SetFocus(before);
  }
}

void Win32Toolkit::runInBackground(const BackgroundWork& work) {
  ToolkitActivity& activity = toolkitActivity();
  ToolkitWindow& main = windows_[WindowId::Main];
  HWND mainHandle = main.handle;
  const std::shared_ptr<Job> job = startJob(work.run);
  if (!job) {  // no thread to be had: the work runs here, as it used to
    work.run();
    return;
  }
  activity.workRunning = true;
  activity.stopWork = work.onStop;
  if (mainHandle) refuseInputs(main);
  TaskbarProgress taskbar(mainHandle);
  HWND label = controlHandle(work.progressLabel);
  const std::wstring labelBefore = label ? windowText(label) : std::wstring();
  bool labelChanged = false;
  waitDispatching(*job, ~0ULL, kProgressPeriodMs, [&] {
    if (!label || !IsWindow(label)) return;
    SetWindowTextW(label, wideFromText(work.progressText()).c_str());
    labelChanged = true;
  });
  activity.workRunning = false;
  activity.stopWork = nullptr;
  if (activity.closeRequested) endAfterClose(mainHandle);
  if (labelChanged && IsWindow(label))
    SetWindowTextW(label, labelBefore.c_str());
  if (activity.handlersRunning == 0) giveBackRefusedInputs();
}

namespace {

struct StartedAside : AsideWork {
  std::shared_ptr<Job> job;  // null when no thread could be made
  ULONGLONG startedAt = GetTickCount64();
};

}  // namespace

std::shared_ptr<AsideWork> Win32Toolkit::startAside(
    std::function<void()> work) {
  auto aside = std::make_shared<StartedAside>();
  aside->job = startJob(std::move(work));
  return aside;
}

bool Win32Toolkit::waitAside(AsideWork& work, int limitMs) {
  auto& aside = static_cast<StartedAside&>(work);
  if (!aside.job) return false;
  ToolkitActivity& activity = toolkitActivity();
  const bool wasRunning = activity.workRunning;
  activity.workRunning = true;
  const bool done = waitDispatching(
      *aside.job, aside.startedAt + static_cast<ULONGLONG>(limitMs), 0,
      nullptr);
  activity.workRunning = wasRunning;
  return done;
}
