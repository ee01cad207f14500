// Start-up, the main window as it first appears, and the ways to close it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "program_driver.h"
#include "started_program.h"

namespace {

using e2e::Place;

// A run under the Chinese locale must really have code page 936, or it
// would prove nothing the default-locale run does not.
TEST(Locale, IsTheOneTheRunAskedFor) {
  const char* expected = std::getenv("QUORVIN_E2E_ACP");
  ASSERT_NE(expected, nullptr) << "run through ctest, which sets the locale";
  EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

TEST_F(StartedProgram, TellsItIsOfflineBeforeShowingTheWindow) {
  EXPECT_TEXT(offlineBox.title, "信息：");
  EXPECT_TEXT(offlineBox.text, "请连接互联网以获得最佳体验！");
  EXPECT_TRUE(offlineBox.hasOk);
  EXPECT_FALSE(offlineBox.hasCancel);
  EXPECT_EQ(offlineBox.icon, e2e::BoxIcon::None);
  EXPECT_FALSE(mainShownWithBox);
}

TEST_F(StartedProgram, ShowsAFixedCentredWindowThatIsNotOnTop) {
  EXPECT_TEXT(e2e::text(program.main), "Quorvin科技文件/夹删除工具V2.5");
  const Place outer = e2e::windowPlace(program.main);
  EXPECT_EQ(outer.width, 643);
  EXPECT_EQ(outer.height, 230);
  const SIZE screen = e2e::screenSize();
  EXPECT_NEAR(outer.left, (screen.cx - 643) / 2, 1) << outer;
  EXPECT_NEAR(outer.top, (screen.cy - 230) / 2, 1) << outer;
  EXPECT_FALSE(e2e::isTopmost(program.main));

  const LONG style = GetWindowLongW(program.main, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME) << "the frame must not be resizable";
}

struct ControlRow {
  const char* name;
  const char* windowClass;
  Place place;
  const char* text;  // a list box's one item
};

const ControlRow kMainWindowControls[] = {
    {"标签1",
     "Static",
     {8, 0, 280, 24},
     "输入文件或目录的绝对路径或拖放文件："},
    {"编辑框1", "Edit", {8, 24, 536, 32}, ""},
    {"按钮1", "Button", {552, 16, 80, 32}, "删除"},
    {"选择框1", "Button", {552, 48, 80, 24}, "自动删除"},
    {"标签2", "Static", {8, 48, 544, 24}, "开始删除吧！"},
    {"标签4", "Static", {8, 72, 152, 24}, "文件大小（约）：0B"},
    {"标签5", "Static", {168, 72, 160, 24}, "合计清理大小（约）：0B"},
    {"标签3", "Static", {336, 72, 208, 24}, "当前已删除：0个文件，0个目录"},
    {"选择框2", "Button", {552, 80, 80, 24}, "窗口置顶"},
    {"选择框3", "Button", {552, 104, 80, 24}, "多文件处理"},
    {"列表框1",
     "ListBox",
     {8, 104, 536, 88},
     "欢迎使用Quorvin科技删除工具——工具现支持多文件和多文件夹删除！"},
    {"按钮2", "Button", {552, 128, 80, 32}, "导出删除记录"},
    {"按钮3", "Button", {552, 160, 80, 32}, "关于"},
};

std::string className(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return e2e::narrow(name);
}

TEST_F(StartedProgram, ShowsEveryControlWithItsTextPlaceAndSize) {
  for (const ControlRow& row : kMainWindowControls) {
    SCOPED_TRACE(row.name);
    HWND control = e2e::control(program, row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetParent(control), program.main);
    EXPECT_TRUE(e2e::isVisible(control));
    EXPECT_TRUE(e2e::isEnabled(control));
    EXPECT_STRCASEEQ(className(control).c_str(), row.windowClass);
    EXPECT_EQ(e2e::clientPlace(control), row.place);
    if (std::string(row.windowClass) == "ListBox") {
      EXPECT_EQ(e2e::listCount(program, row.name), 1);
      EXPECT_TEXT(e2e::listItem(program, row.name, 0), row.text);
    } else {
      EXPECT_TEXT(e2e::text(control), row.text);
    }
  }
}

TEST_F(StartedProgram, ControlsHaveTheirDesignedKinds) {
  const LONG path = GetWindowLongW(e2e::control(program, "编辑框1"), GWL_STYLE);
  const LONG pathEx =
      GetWindowLongW(e2e::control(program, "编辑框1"), GWL_EXSTYLE);
  EXPECT_FALSE(path & ES_MULTILINE);
  EXPECT_FALSE(path & ES_READONLY);
  EXPECT_TRUE((path & WS_BORDER) || (pathEx & WS_EX_CLIENTEDGE));

  for (const char* box : {"选择框1", "选择框2", "选择框3"}) {
    SCOPED_TRACE(box);
    const LONG style = GetWindowLongW(e2e::control(program, box), GWL_STYLE);
    const LONG type = style & BS_TYPEMASK;
    EXPECT_TRUE(type == BS_AUTOCHECKBOX || type == BS_CHECKBOX) << type;
    EXPECT_FALSE(style & BS_LEFTTEXT);
    EXPECT_FALSE(e2e::isChecked(program, box));
  }
  for (const char* button : {"按钮1", "按钮2", "按钮3"}) {
    SCOPED_TRACE(button);
    const LONG style = GetWindowLongW(e2e::control(program, button), GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON) << "no default button";
  }
  for (const char* label : {"标签1", "标签2", "标签3", "标签4", "标签5"}) {
    SCOPED_TRACE(label);
    const LONG style = GetWindowLongW(e2e::control(program, label), GWL_STYLE);
    const LONG type = style & SS_TYPEMASK;
    EXPECT_TRUE(type == SS_LEFT || type == SS_LEFTNOWORDWRAP) << type;
    EXPECT_TRUE(style & SS_CENTERIMAGE) << "vertically centred";
    EXPECT_FALSE(style & (WS_BORDER | SS_SUNKEN));
  }

  const LONG list = GetWindowLongW(e2e::control(program, "列表框1"), GWL_STYLE);
  EXPECT_FALSE(list & LBS_SORT);
  EXPECT_FALSE(list & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
  EXPECT_EQ(e2e::listSelection(program, "列表框1"), LB_ERR);
}

TEST_F(StartedProgram, GivesThePathBoxTheFocus) {
  HWND pathBox = e2e::control(program, "编辑框1");
  EXPECT_EQ(e2e::waitUntilFocused(program, pathBox), pathBox);
}

// Started from another folder, the program still looks relative paths up in
// its own folder.
TEST_F(StartedProgram, LooksRelativePathsUpInItsOwnFolder) {
  const std::wstring exe = e2e::programPath();
  const std::wstring exeName = exe.substr(exe.find_last_of(L"\\/") + 1);
  WIN32_FILE_ATTRIBUTE_DATA exeData{};
  ASSERT_TRUE(
      GetFileAttributesExW(exe.c_str(), GetFileExInfoStandard, &exeData));
  const DWORD exeSize = exeData.nFileSizeLow;
  const std::string exeSizeText =
      exeSize < 1048576 ? std::to_string(exeSize / 1024) + "KB"
                        : std::to_string(exeSize / 1048576) + "MB";

  e2e::setText(program, "编辑框1", e2e::narrow(exeName));
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：" + exeSizeText);

  ASSERT_FALSE(
      e2e::makeFile(startFolder, "只在启动目录.bin", 12 * 1024).empty());
  e2e::setText(program, "编辑框1", "只在启动目录.bin");
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：0KB");
}

// However the offline box is closed, the program goes on to its window.
enum class BoxClosing { OkButton, Esc, CloseButton };

class OfflineBox : public testing::TestWithParam<BoxClosing> {};

TEST_P(OfflineBox, ClosedAnyWayLeadsToTheWindow) {
  e2e::Program program;
  ASSERT_TRUE(e2e::start(program, e2e::testFolder("offline")));
  const e2e::Box box = e2e::waitForBox(program);
  ASSERT_TRUE(box);
  switch (GetParam()) {
    case BoxClosing::OkButton:
      ASSERT_TRUE(e2e::answer(box, IDOK));
      break;
    case BoxClosing::Esc:
      ASSERT_TRUE(e2e::escapeBox(box));
      break;
    case BoxClosing::CloseButton:
      ASSERT_TRUE(e2e::closeBox(box));
      break;
  }
  ASSERT_TRUE(e2e::waitForMainWindow(program));
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_TEXT(e2e::text(program, "标签2"), "开始删除吧！");
}

const char* boxClosingName(BoxClosing closing) {
  switch (closing) {
    case BoxClosing::OkButton:
      return "OkButton";
    case BoxClosing::Esc:
      return "Esc";
    case BoxClosing::CloseButton:
      return "CloseButton";
  }
  return "Unknown";
}

void PrintTo(BoxClosing closing, std::ostream* out) {
  *out << boxClosingName(closing);
}

std::string boxTestName(const testing::TestParamInfo<BoxClosing>& info) {
  return boxClosingName(info.param);
}

INSTANTIATE_TEST_SUITE_P(ByEveryWay, OfflineBox,
                         testing::Values(BoxClosing::OkButton, BoxClosing::Esc,
                                         BoxClosing::CloseButton),
                         boxTestName);

// Every way of closing the window ends the program with exit code 0.
enum class Closing { EscInPathBox, CloseButton, AltF4 };

class ClosedProgram : public StartedProgram,
                      public testing::WithParamInterface<Closing> {};

TEST_P(ClosedProgram, EndsWithExitCodeZero) {
  HWND pathBox = e2e::control(program, "编辑框1");
  ASSERT_EQ(e2e::waitUntilFocused(program, pathBox), pathBox);
  switch (GetParam()) {
    case Closing::EscInPathBox:
      ASSERT_TRUE(e2e::pressKey(program, VK_ESCAPE));
      break;
    case Closing::CloseButton:
      e2e::closeMainWindow(program);
      break;
    case Closing::AltF4:
      ASSERT_TRUE(e2e::pressKeys(program, {VK_MENU, VK_F4}));
      break;
  }
  EXPECT_EQ(e2e::waitForExit(program), std::optional<DWORD>(0));
}

const char* closingName(Closing closing) {
  switch (closing) {
    case Closing::EscInPathBox:
      return "EscInPathBox";
    case Closing::CloseButton:
      return "CloseButton";
    case Closing::AltF4:
      return "AltF4";
  }
  return "Unknown";
}

void PrintTo(Closing closing, std::ostream* out) {
  *out << closingName(closing);
}

std::string testName(const testing::TestParamInfo<Closing>& info) {
  return closingName(info.param);
}

INSTANTIATE_TEST_SUITE_P(ByEveryWay, ClosedProgram,
                         testing::Values(Closing::EscInPathBox,
                                         Closing::CloseButton, Closing::AltF4),
                         testName);

// Enter has no default button to press. The keys typed after it reach the
// path box only once Enter has been handled, and would land in a box had
// Enter opened one.
TEST_F(StartedProgram, EnterInThePathBoxDoesNothing) {
  HWND pathBox = e2e::control(program, "编辑框1");
  ASSERT_EQ(e2e::waitUntilFocused(program, pathBox), pathBox);
  ASSERT_TRUE(e2e::pressKey(program, VK_RETURN));
  ASSERT_TRUE(e2e::typeKeys(program, "x"));
  EXPECT_TRUE(e2e::waitUntilText(pathBox, "x"));
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_TRUE(e2e::isRunning(program));
  EXPECT_TRUE(e2e::isVisible(program.main));
  EXPECT_TEXT(e2e::text(program, "标签2"), "开始删除吧！");
  EXPECT_EQ(e2e::listCount(program, "列表框1"), 1);
}

}  // namespace
