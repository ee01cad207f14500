// The drop target through its IDropTarget interface, with data built as the
// shell builds it.
#include "platform/win32/drop_target.h"

#include <string>
#include <vector>

#include "file_list_data.h"
#include "toolkit_fixture.h"

namespace {

const DWORD kAnyEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

class DropTargetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    IDropTarget* made = newFileDropTarget(
        [this](const std::string& text) { texts.push_back(text); });
    // Reached through COM, as OLE reaches it.
    ASSERT_EQ(made->QueryInterface(IID_IDropTarget,
                                   reinterpret_cast<void**>(&target)),
              S_OK);
    made->Release();
  }
  void TearDown() override { target->Release(); }

  // A whole drag over the target ending in a drop; the effect reported
  // back to the source.
  DWORD dragAndDrop(IDataObject* data, DWORD keys = 0) {
    DWORD effect = kAnyEffect;
    target->DragEnter(data, keys, POINTL{10, 10}, &effect);
    effect = kAnyEffect;
    target->DragOver(keys, POINTL{20, 20}, &effect);
    effect = kAnyEffect;
    EXPECT_EQ(target->Drop(data, keys, POINTL{20, 20}, &effect), S_OK);
    data->Release();
    return effect;
  }

  IDropTarget* target = nullptr;
  std::vector<std::string> texts;
};

TEST_F(DropTargetTest, OneItemArrivesAsThePathAlone) {
  const DWORD effect = dragAndDrop(newFileListData({L"C:\\测试\\删除我.txt"}));
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TEXT(texts[0], "C:\\测试\\删除我.txt");
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
}

TEST_F(DropTargetTest, SeveralItemsArriveEachFollowedByALineEnd) {
  const DWORD effect = dragAndDrop(
      newFileListData({L"C:\\a.txt", L"D:\\文件夹", L"C:\\사진\\фото😀.doc"}));
  ASSERT_EQ(texts.size(), 1u);
  // Every path whole, in any script: nothing goes through a code page.
  EXPECT_TEXT(texts[0], "C:\\a.txt\r\nD:\\文件夹\r\nC:\\사진\\фото😀.doc\r\n");
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
}

TEST_F(DropTargetTest, TextIsRefused) {
  IDataObject* data = newPlainTextData(L"C:\\a.txt");
  DWORD effect = kAnyEffect;
  target->DragEnter(data, 0, POINTL{}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  effect = kAnyEffect;
  target->DragOver(0, POINTL{}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  data->AddRef();
  EXPECT_EQ(dragAndDrop(data), static_cast<DWORD>(DROPEFFECT_NONE));
  data->Release();
  EXPECT_TRUE(texts.empty());
}

TEST_F(DropTargetTest, TheKeysChooseTheEffectOffered) {
  struct Case {
    DWORD keys, allowed, offered;
  };
  const Case cases[] = {
      {0, kAnyEffect, DROPEFFECT_COPY},
      {MK_SHIFT, kAnyEffect, DROPEFFECT_MOVE},
      {MK_CONTROL, kAnyEffect, DROPEFFECT_COPY},
      {MK_SHIFT | MK_CONTROL, kAnyEffect, DROPEFFECT_NONE},
      {MK_LBUTTON, kAnyEffect, DROPEFFECT_COPY},
      {MK_SHIFT, DROPEFFECT_COPY, DROPEFFECT_NONE},  // never one not allowed
      {0, DROPEFFECT_MOVE, DROPEFFECT_NONE},
  };
  IDataObject* data = newFileListData({L"C:\\a.txt"});
  for (const Case& c : cases) {
    DWORD effect = c.allowed;
    target->DragEnter(data, c.keys, POINTL{}, &effect);
    EXPECT_EQ(effect, c.offered) << "enter, keys " << c.keys;
    effect = c.allowed;
    target->DragOver(c.keys, POINTL{}, &effect);
    EXPECT_EQ(effect, c.offered) << "over, keys " << c.keys;
    target->DragLeave();
  }
  data->Release();
  EXPECT_TRUE(texts.empty());
}

TEST_F(DropTargetTest, AMoveIsReportedAsNothingDone) {
  EXPECT_EQ(dragAndDrop(newFileListData({L"C:\\a.txt"}), MK_SHIFT),
            static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(texts.size(), 1u);
  // Ctrl and Shift together refuse the drop altogether.
  EXPECT_EQ(dragAndDrop(newFileListData({L"C:\\b.txt"}), MK_SHIFT | MK_CONTROL),
            static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(texts.size(), 1u);
}

// While another handler runs, every drag is refused and nothing handed on;
// once it has ended, drops are taken again.
TEST(BusyDropTarget, RefusesEverythingWhileNotAccepting) {
  bool accepting = false;
  std::vector<std::string> texts;
  IDropTarget* target =
      newFileDropTarget([&](const std::string& text) { texts.push_back(text); },
                        [&] { return accepting; });
  IDataObject* data = newFileListData({L"C:\\a.txt"});
  for (const bool open : {false, true}) {
    accepting = open;
    const DWORD expected = open ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    DWORD effect = kAnyEffect;
    target->DragEnter(data, 0, POINTL{}, &effect);
    EXPECT_EQ(effect, expected) << "enter, accepting " << open;
    effect = kAnyEffect;
    target->DragOver(0, POINTL{}, &effect);
    EXPECT_EQ(effect, expected) << "over, accepting " << open;
    effect = kAnyEffect;
    EXPECT_EQ(target->Drop(data, 0, POINTL{}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(texts.size(), open ? 1u : 0u) << "accepting " << open;
  }
  data->Release();
  target->Release();
}

using DropRegistrationTest = ToolkitTest;

TEST_F(DropRegistrationTest, AWindowIsRegisteredOnce) {
  EXPECT_TRUE(
      ui().registerDropTarget(WindowId::Main, [](const std::string&) {}));
  EXPECT_FALSE(
      ui().registerDropTarget(WindowId::Main, [](const std::string&) {}));
  ui().revokeDropTarget(WindowId::Main);
  EXPECT_TRUE(
      ui().registerDropTarget(WindowId::Main, [](const std::string&) {}));
  ui().revokeDropTarget(WindowId::Main);
  EXPECT_FALSE(
      ui().registerDropTarget(WindowId::About, [](const std::string&) {}));
}

}  // namespace
