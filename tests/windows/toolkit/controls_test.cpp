// Controls in a real window: texts, change and click events, the list box.
#include <string>
#include <vector>

#include "platform/win32/text_wide.h"
#include "platform/win32/toolkit_window.h"
#include "toolkit_fixture.h"

namespace {

using ControlsTest = ToolkitTest;

TEST_F(ControlsTest, SetTextRaisesTheChangeEventOnceAfterTheTextIsInPlace) {
  ui().setText(control("编辑框1"), "C:\\删除我.txt");
  pumpMessages();  // nothing may arrive late
  ui().setText(control("编辑框1"), "C:\\删除我.txt");  // the same text
  pumpMessages();
  ui().setText(control("编辑框1"), "");
  pumpMessages();
  ASSERT_EQ(pathChanges.size(), 3u);
  EXPECT_TEXT(pathChanges[0], "C:\\删除我.txt");
  EXPECT_TEXT(pathChanges[1], "C:\\删除我.txt");
  EXPECT_TEXT(pathChanges[2], "");
}

TEST_F(ControlsTest, ChangesMadeOutsideSetTextRaiseTheEventOnce) {
  // Typing, and a text put in by another program (WM_SETTEXT).
  SetFocus(handle("编辑框1"));
  SendMessageW(handle("编辑框1"), WM_CHAR, L'x', 0);
  SendMessageW(handle("编辑框1"), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"D:\\文件夹"));
  pumpMessages();
  ASSERT_EQ(pathChanges.size(), 2u);
  EXPECT_TEXT(pathChanges[0], "x");
  EXPECT_TEXT(pathChanges[1], "D:\\文件夹");
}

TEST_F(ControlsTest, LabelTextsChangeWithoutEvents) {
  EXPECT_TEXT(ui().getText(control("标签1")), "输入文件或目录的绝对路径：");
  ui().setText(control("标签2"), "删除成功！");
  EXPECT_TEXT(ui().getText(control("标签2")), "删除成功！");
  EXPECT_TRUE(pathChanges.empty());
}

TEST_F(ControlsTest, EmptyControlsGiveTheEmptyText) {
  EXPECT_EQ(ui().getText(control("标签2")), "");
  EXPECT_EQ(ui().getText(control("编辑框1")), "");
  EXPECT_EQ(ui().getText(control("没有这个控件")), "");
}

TEST_F(ControlsTest, UnicodeTextsRoundTripByteForByte) {
  const std::vector<std::string> texts = {
      "开始删除吧！",
      "D:\\照片\\사진.txt",
      "D:\\фото😀",  // beyond the BMP: a surrogate pair in UTF-16
      "€镕©",       // outside GB2312, and © outside GBK
      "Quorvin科技 (C) 2026 —— 100%",
  };
  for (const std::string& text : texts) {
    for (const char* name : {"标签2", "编辑框1"}) {
      ui().setText(control(name), text);
      EXPECT_EQ(ui().getText(control(name)), text) << name;
    }
    ui().listAppend(control("列表框1"), text);
    EXPECT_EQ(ui().listItemText(control("列表框1"),
                                ui().listCount(control("列表框1")) - 1),
              text);
  }
}

// What the controls hold is the characters themselves, as any other
// program reads them.
TEST_F(ControlsTest, ControlsShowTheCharactersThemselves) {
  ui().setText(control("标签2"), "D:\\사진.txt——фото😀");
  EXPECT_EQ(windowText(handle("标签2")), L"D:\\사진.txt——фото😀");
  SetWindowTextW(handle("编辑框1"), L"C:\\фото😀\\사진.txt");
  EXPECT_EQ(ui().getText(control("编辑框1")), "C:\\фото😀\\사진.txt");
  // Not UTF-8 at all: shown as nothing rather than as other characters.
  ui().setText(control("标签2"), "\xC9\xBE\xB3\xFD");
  EXPECT_EQ(windowText(handle("标签2")), L"");
}

TEST_F(ControlsTest, ThePathBoxHasNoLengthLimitOfItsOwn) {
  const std::string path = "C:\\" + std::string(40000, 'a');
  ui().setText(control("编辑框1"), path);
  EXPECT_EQ(ui().getText(control("编辑框1")).size(), path.size());
}

TEST_F(ControlsTest, SetCheckedRaisesNoClick) {
  ui().setChecked(control("选择框1"), true);
  EXPECT_TRUE(ui().isChecked(control("选择框1")));
  ui().setChecked(control("选择框1"), false);
  EXPECT_FALSE(ui().isChecked(control("选择框1")));
  pumpMessages();
  EXPECT_TRUE(autoDeleteClicks.empty());
}

TEST_F(ControlsTest, AClickTogglesTheBoxBeforeItsHandlerRuns) {
  SendMessageW(handle("选择框1"), BM_CLICK, 0, 0);
  SendMessageW(handle("选择框1"), BM_CLICK, 0, 0);
  pumpMessages();
  EXPECT_EQ(autoDeleteClicks, (std::vector<bool>{true, false}));
  SendMessageW(handle("按钮1"), BM_CLICK, 0, 0);
  pumpMessages();
  EXPECT_EQ(deleteClicks, 1);
}

TEST_F(ControlsTest, HiddenControlsComeBack) {
  ui().setVisible(control("按钮1"), false);
  EXPECT_FALSE(IsWindowVisible(handle("按钮1")));
  ui().setVisible(control("按钮1"), true);
  EXPECT_TRUE(IsWindowVisible(handle("按钮1")));
}

TEST_F(ControlsTest, TheListKeepsItsOrderAndStartsWithNoSelection) {
  const Control list = control("列表框1");
  EXPECT_EQ(ui().listCount(list), 1);
  EXPECT_EQ(SendMessageW(handle("列表框1"), LB_GETCURSEL, 0, 0), LB_ERR);
  ui().listAppend(list, "b");
  ui().listAppend(list, "a");
  ASSERT_EQ(ui().listCount(list), 3);
  EXPECT_TEXT(ui().listItemText(list, 0), "欢迎使用");
  EXPECT_EQ(ui().listItemText(list, 1), "b");
  EXPECT_EQ(ui().listItemText(list, 2), "a");
}

TEST_F(ControlsTest, ItemTextsOutsideTheListAreEmpty) {
  const Control list = control("列表框1");
  ui().listAppend(list, "第二项");
  for (int index : {-5, -1, 2, 3, 1000}) {
    EXPECT_EQ(ui().listItemText(list, index), "") << index;
  }
}

TEST_F(ControlsTest, ListSelectClampsAndScrollsTheItemIntoView) {
  const Control list = control("列表框1");
  HWND box = handle("列表框1");
  for (int i = 1; i < 30; ++i) ui().listAppend(list, std::to_string(i));
  struct Case {
    int asked, selected;
  };
  for (const Case c : {Case{30, 29}, Case{1000, 29}, Case{0, 0}, Case{12, 12},
                       Case{-1, -1}, Case{-5, -1}, Case{29, 29}}) {
    ui().listSelect(list, c.asked);
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), c.selected) << c.asked;
    if (c.selected < 0) continue;
    RECT item{}, client{};
    SendMessageW(box, LB_GETITEMRECT, c.selected,
                 reinterpret_cast<LPARAM>(&item));
    GetClientRect(box, &client);
    EXPECT_GE(item.top, client.top) << c.asked;
    EXPECT_LE(item.bottom, client.bottom) << c.asked;
  }
}

TEST_F(ControlsTest, ControlsSitWhereTheDefinitionPutsThem) {
  const WindowDefinition window = definition();
  RECT frame{};
  GetWindowRect(this->window(), &frame);
  EXPECT_EQ(frame.right - frame.left, 643);
  EXPECT_EQ(frame.bottom - frame.top, 230);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 643) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 230) / 2);
  int id = 0;
  for (const ControlDefinition& c : window.controls) {
    ++id;
    HWND h = handle(c.name);
    ASSERT_NE(h, nullptr) << c.name;
    EXPECT_EQ(GetParent(h), this->window());
    EXPECT_EQ(GetDlgCtrlID(h), id) << c.name;
    RECT r{};
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, this->window(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, c.left) << c.name;
    EXPECT_EQ(r.top, c.top) << c.name;
    EXPECT_EQ(r.right - r.left, c.width) << c.name;
    EXPECT_EQ(r.bottom - r.top, c.height) << c.name;
    // What another program reads with WM_GETTEXT.
    wchar_t text[256] = {};
    SendMessageW(h, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    if (c.kind != ControlKind::ListBox) {
      EXPECT_TEXT(textFromWide(text), c.text) << c.name;
    }
  }
}

// Glyphs the control's own font has: Chinese text must not depend on font
// links, which Wine drops when the code page changes, and a stand-in face
// for one that is missing must still have Latin letters ("Quorvin").
TEST_F(ControlsTest, EveryControlsFontDrawsChineseAndLatinItself) {
  for (const ControlDefinition& c : definition().controls) {
    HWND h = handle(c.name);
    HDC dc = GetDC(h);
    HGDIOBJ old = SelectObject(
        dc, reinterpret_cast<HGDIOBJ>(SendMessageW(h, WM_GETFONT, 0, 0)));
    WORD glyphs[4] = {};
    GetGlyphIndicesW(dc, L"删除Qv", 4, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    for (WORD glyph : glyphs) EXPECT_NE(glyph, 0xFFFF) << c.name;
  }
}

}  // namespace
