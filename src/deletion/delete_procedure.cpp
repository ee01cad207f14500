#include "deletion/delete_procedure.h"

namespace {

const char* successPrefix(DeleteVariant variant) {
  return variant == DeleteVariant::Manual ? "手动删除成功！（" : "删除成功！（";
}

const char* fileText(DeleteVariant variant) {
  return variant == DeleteVariant::SingleDrop ? "）文件" : "）文件：";
}

void showSuccessBoxIfManual(Program& p, DeleteVariant variant) {
  if (variant == DeleteVariant::Manual) p.ui.messageBox("删除成功！", kBoxOk);
}

}  // namespace

void deleteTarget(Program& p, const std::string& path, DeleteVariant variant) {
  const Control resultLabel = mainControl("标签2");
  if (p.sys.deleteFile(path)) {
    showSuccessBoxIfManual(p, variant);
    recordFileDeleted(p);
    p.ui.setText(resultLabel, successPrefix(variant) + deletedSoFar(p) +
                                  fileText(variant) + path + "——" +
                                  p.ui.getText(mainControl("标签4")));
    addCleanedBytes(p);
    p.ui.setText(mainControl("标签3"), countsText(p));
  } else if (p.sys.deleteFolder(path)) {
    showSuccessBoxIfManual(p, variant);
    recordDirectoryDeleted(p);
    p.ui.setText(resultLabel,
                 successPrefix(variant) + deletedSoFar(p) + "）目录：" + path);
    p.ui.setText(mainControl("标签3"), countsText(p));
  } else {
    p.ui.messageBox("删除失败！", kBoxOk);
    p.ui.setText(resultLabel, "删除失败！" + path);
  }
  appendResultToLog(p);
}

void appendResultToLog(Program& p) {
  const Control list = mainControl("列表框1");
  p.ui.listAppend(list, p.ui.getText(mainControl("标签2")));
  // Asking for the count selects the last entry: the list clamps it.
  p.ui.listSelect(list, p.ui.listCount(list));
}

void reportMissingTarget(Program& p, const std::string& path) {
  p.ui.messageBox("未发现删除对象", kBoxError, "错误的删除");
  p.ui.setText(mainControl("标签2"), "删除失败！未发现" + path);
  appendResultToLog(p);
}
