#include "app/option_boxes.h"

void lowerWindow(Program& p) { p.ui.setTopmost(WindowId::Main, false); }

void restoreTopmostIfChosen(Program& p) {
  if (p.ui.isChecked(mainControl("选择框2")))
    p.ui.setTopmost(WindowId::Main, true);
}

void onOnTopClicked(Program& p) {
  p.ui.setTopmost(WindowId::Main, p.ui.isChecked(mainControl("选择框2")));
}

void onMultiItemClicked(Program& p) {
  lowerWindow(p);
  if (p.ui.isChecked(mainControl("选择框3"))) {
    const int answer = p.ui.messageBox(
        "多文件/夹删除功能正在测试中，请确认是否使用。\r\n"
        "目前多文件删除功能仅支持自动删除，使用时请注意自动删除是否被选中！",
        kBoxOkCancel, "测试功能");
    if (answer == kAnswerOk)
      p.ui.setChecked(mainControl("选择框1"), true);
    else
      p.ui.setChecked(mainControl("选择框3"), false);
  }
  restoreTopmostIfChosen(p);
}
