// Files dropped on the main window from another process, by OLE drag and
// drop, as from a file manager.
#include <gtest/gtest.h>

#include "program_driver.h"
#include "started_program.h"
#include "text_expectations.h"

namespace {

// Over the activity list: drops anywhere on the window count.
POINT overTheList() { return {8 + 536 / 2, 104 + 88 / 2}; }

// The keys held while dropping decide the effect the source is offered;
// with Ctrl and Shift together the window takes nothing.
struct KeysCase {
  const char* name;
  int keys;
  DWORD offered;
};

void PrintTo(const KeysCase& c, std::ostream* out) { *out << c.name; }

class SingleDrop : public StartedProgram,
                   public testing::WithParamInterface<KeysCase> {};

// Without auto delete, a single dropped file only fills the path box and
// shows its size; the source is told nothing was moved or copied.
TEST_P(SingleDrop, WithoutAutoDeleteShowsPathAndSizeOnly) {
  const std::string file =
      e2e::makeFile(e2e::testFolder("drop"), "拖放文件.bin", 12 * 1024);
  ASSERT_FALSE(file.empty());
  ASSERT_FALSE(e2e::isChecked(program, "选择框1"));
  ASSERT_FALSE(e2e::isChecked(program, "选择框3"));

  const e2e::DropResult drop =
      e2e::dropFiles(program, {file}, overTheList(), GetParam().keys);
  ASSERT_TRUE(drop.finished) << "the drag source did not report back";
  if (GetParam().keys & e2e::kShift) {
    ASSERT_TRUE(drop.keysSeen & MK_SHIFT) << "OLE never saw Shift held";
  }
  if (GetParam().keys & e2e::kCtrl) {
    ASSERT_TRUE(drop.keysSeen & MK_CONTROL) << "OLE never saw Ctrl held";
  }
  EXPECT_EQ(drop.offered, GetParam().offered);
  EXPECT_EQ(drop.effect, static_cast<DWORD>(DROPEFFECT_NONE));
  ASSERT_TRUE(e2e::settle(program));
  if (GetParam().offered == DROPEFFECT_NONE) {
    EXPECT_FALSE(drop.dropped);
    EXPECT_TEXT(e2e::text(program, "编辑框1"), "");
    EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小（约）：0B");
  } else {
    EXPECT_TRUE(drop.dropped);
    EXPECT_TEXT(e2e::text(program, "编辑框1"), file);
    EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：12KB");
  }
  EXPECT_TEXT(e2e::text(program, "标签2"), "开始删除吧！");
  EXPECT_EQ(e2e::listCount(program, "列表框1"), 1);
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_TRUE(e2e::exists(file));
}

std::string testName(const testing::TestParamInfo<KeysCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    HoldingKeys, SingleDrop,
    testing::Values(KeysCase{"NoKeys", e2e::kNoKeys, DROPEFFECT_COPY},
                    KeysCase{"Shift", e2e::kShift, DROPEFFECT_MOVE},
                    KeysCase{"Ctrl", e2e::kCtrl, DROPEFFECT_COPY},
                    KeysCase{"CtrlShift", e2e::kCtrl | e2e::kShift,
                             DROPEFFECT_NONE}),
    testName);

}  // namespace
