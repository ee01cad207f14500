// Files dropped on the main window from another process, by OLE drag and
// drop, as from a file manager.
#include <gtest/gtest.h>

#include "program_driver.h"
#include "started_program.h"

namespace {

// Over the activity list: drops anywhere on the window count.
POINT overTheList() { return {8 + 536 / 2, 104 + 88 / 2}; }

// Without auto delete, a single dropped file only fills the path box and
// shows its size; the source is told nothing was moved or copied.
TEST_F(StartedProgram, SingleDropWithoutAutoDeleteShowsPathAndSize) {
  const std::string file =
      e2e::makeFile(e2e::testFolder("drop"), "拖放文件.bin", 12 * 1024);
  ASSERT_FALSE(file.empty());
  ASSERT_FALSE(e2e::isChecked(program, "选择框1"));
  ASSERT_FALSE(e2e::isChecked(program, "选择框3"));

  const e2e::DropResult drop = e2e::dropFiles(program, {file}, overTheList());
  ASSERT_TRUE(drop.finished) << "the drag source did not report back";
  EXPECT_TRUE(drop.dropped);
  EXPECT_EQ(drop.offered, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(drop.effect, static_cast<DWORD>(DROPEFFECT_NONE));

  ASSERT_TRUE(e2e::settle(program));
  EXPECT_TEXT(e2e::text(program, "编辑框1"), file);
  EXPECT_TEXT(e2e::text(program, "标签4"), "文件大小：12KB");
  EXPECT_TEXT(e2e::text(program, "标签2"), "开始删除吧！");
  EXPECT_EQ(e2e::listCount(program, "列表框1"), 1);
  EXPECT_FALSE(e2e::openBox(program));
  EXPECT_TRUE(e2e::exists(file));
}

}  // namespace
