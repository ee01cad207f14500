// Drives the real quorvin-delete.exe from a second process, as a user would.
//
// A scenario is a gtest exe run under Wine in the program's own prefix (and
// on its virtual desktop). Add one in a CMakeLists.txt under tests/e2e/:
//
//   add_executable(e2e_deletion manual_deletion_test.cpp ...)
//   quorvin_e2e_scenarios(e2e_deletion)  # links this driver and gtest_main,
//                                        # runs under both locales
//
// started_program.h has the usual starting point (a fixture that starts the
// program from a folder of its own, answers the offline box and waits for
// the main window); text_expectations.h has EXPECT_TEXT. By hand:
//
//   e2e::Program program;
//   ASSERT_TRUE(e2e::start(program, e2e::testFolder("start")));
//   e2e::Box box = e2e::waitForBox(program);        // the offline notice
//   ASSERT_TRUE(box);
//   EXPECT_TEXT(box.text, "请连接互联网以获得最佳体验！");
//   e2e::answer(box, IDOK);
//   ASSERT_TRUE(e2e::waitForMainWindow(program));
//   e2e::setText(program, "编辑框1", path);        // raises EN_CHANGE
//   e2e::click(program, "按钮1");                  // posted: never blocks
//   e2e::Box confirm = e2e::waitForBox(program);
//   e2e::answer(confirm, IDOK);
//   e2e::settle(program);                          // all posted handled
//   EXPECT_TEXT(e2e::text(program, "标签2"), "...");
//   e2e::DropResult drop = e2e::dropFiles(program, {file}, POINT{276, 148});
//   EXPECT_TRUE(drop.dropped);                     // client point: the list
//
// Rules of the driver:
// - Every text in and out is UTF-8, like the program's own texts.
//   EXPECT_TEXT (text_expectations.h) prints both sides when they differ.
// - Controls are named as the program names them ("编辑框1", "标签2", ...);
//   one table maps each name to its control id. About-window controls are
//   reached with the About window's handle: control(aboutWindow, "按钮1").
// - Clicks are posted, so a handler that opens a box never blocks the
//   driver. After a click that opens no box, call settle() before reading
//   the result: it returns once the program has handled everything posted
//   to it before, including the click.
// - Every wait polls until its condition holds or kPatience has passed; a
//   failed wait returns an empty result and the test fails on it, never
//   hangs. Nothing sleeps for a fixed time.
// - Keys and drags go through the system's input queue (SendInput) to the
//   window in front, like a user's; they need the prefix's virtual desktop
//   to themselves, so scenarios run one at a time (RUN_SERIAL).
// - A Program ends its process (and a Drop its drag source) when it goes
//   out of scope, so a failed test leaves nothing running.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

// How long any single wait may take before the scenario counts it failed,
// in milliseconds.
constexpr DWORD kPatience = 20000;

// ---- Texts ----------------------------------------------------------------
std::wstring wide(const std::string& text);
std::string narrow(const std::wstring& text);
// The GBK bytes of a text (as the record file holds it), "?" for a
// character GBK cannot hold.
std::string gbk(const std::string& text);
// EXPECT_TEXT and ASSERT_TEXT are in text_expectations.h.

// ---- Files and folders ----------------------------------------------------
// The exe under test: QUORVIN_E2E_PROGRAM in the environment, else the
// loopback build this driver was built with.
std::wstring programPath();
// A fresh, empty folder under the temp folder, named after `purpose`;
// removed with its contents when the scenario exe ends.
std::wstring testFolder(const std::string& purpose);
// Writes `size` bytes into a new file; its full path, empty on failure.
std::string makeFile(const std::wstring& folder, const std::string& name,
                     size_t size);
bool exists(const std::string& path);

// ---- The program's process ------------------------------------------------
struct Program {
  PROCESS_INFORMATION process{};
  HWND main = nullptr;  // set by waitForMainWindow
  Program() = default;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();  // ends the process if it still runs
};

// Starts the exe with `workingFolder` as its working directory.
bool start(Program& program, const std::wstring& workingFolder,
           const std::wstring& exe = programPath());
// The visible main window titled "Quorvin科技文件/夹删除工具V2.5", if shown.
HWND findMainWindow(const Program& program);
// Waits for it and remembers it in program.main.
HWND waitForMainWindow(Program& program);
// The process's exit code once it has ended; empty if it still runs after
// the patience.
std::optional<DWORD> waitForExit(const Program& program);
bool isRunning(const Program& program);
// Sends the main window the close request, as its close button does.
void closeMainWindow(const Program& program);
// Returns once the program has handled every message posted to it so far.
bool settle(const Program& program);

// A visible top-level window of the program with this title (the About
// window is titled "关于"), once there is one.
HWND waitForWindow(const Program& program, const std::string& title);

// ---- Controls -------------------------------------------------------------
HWND control(const Program& program, const std::string& name);  // main
HWND control(HWND aboutWindow, const std::string& name);        // About
std::string text(HWND window);  // WM_GETTEXT: works across processes
std::string text(const Program& program, const std::string& name);
// WM_SETTEXT: the edit box then notifies EN_CHANGE, as typing does.
void setText(const Program& program, const std::string& name,
             const std::string& newText);
void click(const Program& program, const std::string& name);  // BM_CLICK
void click(HWND button);
bool isChecked(const Program& program, const std::string& name);
int listCount(const Program& program, const std::string& name);
std::string listItem(const Program& program, const std::string& name,
                     int index);
std::vector<std::string> listItems(const Program& program,
                                   const std::string& name);
int listSelection(const Program& program, const std::string& name);  // -1
bool isEnabled(HWND window);
bool isVisible(HWND window);
bool isTopmost(HWND window);

// Place and size in pixels.
struct Place {
  int left, top, width, height;
  bool operator==(const Place&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Place& place);
Place windowPlace(HWND window);   // outer frame, screen coordinates
Place clientPlace(HWND control);  // in its parent's client area
SIZE screenSize();                // the (virtual) desktop

// The control that has the keyboard focus in the program's thread.
HWND focusedControl(const Program& program);
// Waits until `control` has the focus; returns the focused control.
HWND waitUntilFocused(const Program& program, HWND control);
// Waits until the window's place on the screen shows more than one colour
// and has stayed the same for several reads: the system's copy of what the
// program painted has reached the display. False if it never settled.
bool waitUntilDrawn(HWND window);
// Waits until the window shows `wanted`; false if it never did.
bool waitUntilText(HWND window, const std::string& wanted);
// Presses and releases a key through the system's input queue, as the user
// would, with the program's main window in front.
bool pressKey(const Program& program, WORD virtualKey);
// Presses the keys in order and releases them in reverse: {VK_MENU, VK_F4}.
bool pressKeys(const Program& program, std::initializer_list<WORD> keys);
// The same with `window` (a box, the About window) brought to the front.
bool pressKeysIn(HWND window, std::initializer_list<WORD> keys);
// Types ASCII characters the same way.
bool typeKeys(const Program& program, const std::string& ascii);

// ---- Message boxes --------------------------------------------------------
enum class BoxIcon { None, Error, Warning, Information, Question, Unknown };
std::ostream& operator<<(std::ostream& out, BoxIcon icon);

struct Box {
  HWND window = nullptr;
  std::string title;
  std::string text;
  bool hasOk = false;
  bool hasCancel = false;
  BoxIcon icon = BoxIcon::None;
  explicit operator bool() const { return window != nullptr; }
};
// The program's open message box (a visible top-level "#32770" window of
// its process), once there is one; an empty Box after the patience.
Box waitForBox(const Program& program);
// The box open right now, if any (no waiting).
Box openBox(const Program& program);
// Chooses a button (IDOK, IDCANCEL) and waits until the box has gone.
bool answer(const Box& box, int buttonId);
// Closes the box with its title bar's close button; waits until it has gone.
bool closeBox(const Box& box);
// Presses Esc in the box; waits until it has gone.
bool escapeBox(const Box& box);

// ---- Dropping files -------------------------------------------------------
// A drag from a second process (the drag source exe) onto the main window,
// with the mouse moved by the system's input queue.
struct Drop {
  PROCESS_INFORMATION source{};
  std::wstring resultFile;
  Drop() = default;
  Drop(const Drop&) = delete;
  Drop& operator=(const Drop&) = delete;
  ~Drop();  // ends the drag source if it still runs
};
struct DropResult {
  bool finished = false;  // the source reported back
  // The target took the files while the mouse hovered over it, and the
  // button was released there (DoDragDrop also returns DRAGDROP_S_DROP
  // when the button is released over a window that refused them).
  bool dropped = false;
  HRESULT result = 0;  // what DoDragDrop returned
  DWORD effect = 0;    // the effect the source was told at the end
  DWORD offered = 0;   // the effect the target offered while hovering
  DWORD keysSeen = 0;  // MK_SHIFT, MK_CONTROL: the keys OLE saw held
};
// Keys held while the mouse moves and is released over the target.
enum DropKeys { kNoKeys = 0, kShift = 1, kCtrl = 2 };
// Starts dragging `paths` onto the main window's client point `at`; the
// drop handler may open boxes, so answer them before waitForDrop.
bool startDrop(Drop& drop, const Program& program,
               const std::vector<std::string>& paths, POINT at,
               int keys = kNoKeys);
DropResult waitForDrop(Drop& drop);
// Both in one, for drops that open no box.
DropResult dropFiles(const Program& program,
                     const std::vector<std::string>& paths, POINT at,
                     int keys = kNoKeys);

}  // namespace e2e
