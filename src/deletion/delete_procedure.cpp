#include "deletion/delete_procedure.h"

#include <string>

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

std::string progressText(const DeletionProgress& progress) {
  return "正在删除……已删除" + std::to_string(progress.filesDeleted) +
         "个文件，" + std::to_string(progress.foldersDeleted) + "个目录";
}

enum class Outcome { FileDeleted, FolderDeleted, Failed };

// The file attempt, then the folder attempt, off the window's thread: a
// large folder takes seconds, and the window keeps answering meanwhile.
Outcome removeTarget(Program& p, const std::string& path) {
  Outcome outcome = Outcome::Failed;
  DeletionProgress progress;
  System& sys = p.sys;
  p.ui.runInBackground(BackgroundWork{
      [&] {
        if (sys.deleteFile(path)) {
          outcome = Outcome::FileDeleted;
        } else if (sys.deleteFolder(path, &progress)) {
          outcome = Outcome::FolderDeleted;
        }
      },
      [&] { return progressText(progress); },
      mainControl("标签2"),
      [&] { progress.stopRequested = true; },
  });
  return outcome;
}

}  // namespace

void deleteTarget(Program& p, const std::string& path, DeleteVariant variant) {
  const Control resultLabel = mainControl("标签2");
  const Outcome outcome = removeTarget(p, path);
  if (outcome == Outcome::FileDeleted) {
    showSuccessBoxIfManual(p, variant);
    recordFileDeleted(p);
    p.ui.setText(resultLabel, successPrefix(variant) + deletedSoFar(p) +
                                  fileText(variant) + path + "——" +
                                  p.ui.getText(mainControl("标签4")));
    addCleanedBytes(p);
    p.ui.setText(mainControl("标签3"), countsText(p));
  } else if (outcome == Outcome::FolderDeleted) {
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
