#include "deletion/manual_deletion.h"

#include "app/option_boxes.h"
#include "deletion/delete_procedure.h"

void onPathChanged(Program& p) {
  showTargetSize(p, p.sys.fileSize(p.ui.getText(mainControl("编辑框1"))));
}

void onDeleteClicked(Program& p) {
  lowerWindow(p);
  const std::string path = p.ui.getText(mainControl("编辑框1"));
  if (!p.sys.exists(path)) {
    reportMissingTarget(p, path);
  } else if (p.ui.messageBox("确认删除吗？\r\n一旦删除将无法恢复！",
                             kBoxOkCancel) == kAnswerOk) {
    deleteTarget(p, path, DeleteVariant::Manual);
  }
  // The delete button always leaves the window on top, whatever 窗口置顶 says.
  p.ui.setTopmost(WindowId::Main, true);
}
