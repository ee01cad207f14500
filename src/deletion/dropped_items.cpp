#include "deletion/dropped_items.h"

#include "app/option_boxes.h"
#include "deletion/delete_procedure.h"

std::vector<std::string> splitDroppedText(const std::string& text) {
  std::vector<std::string> items;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      items.push_back(text.substr(start));
      break;
    }
    items.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return items;
}

namespace {

void deleteEachItem(Program& p, const std::string& text) {
  for (const std::string& item : splitDroppedText(text)) {
    showTargetSize(p, p.sys.fileSize(item));
    deleteTarget(p, item, DeleteVariant::MultiDrop);
  }
}

void takeSingleDrop(Program& p, const std::string& text) {
  const Control pathBox = mainControl("编辑框1");
  p.ui.setText(pathBox, text);  // measures it through the change event
  const std::string path = p.ui.getText(pathBox);
  if (!p.sys.exists(path)) {
    reportMissingTarget(p, path);
    return;
  }
  showTargetSize(p, p.sys.fileSize(text));
  if (p.ui.isChecked(mainControl("选择框1")))
    deleteTarget(p, path, DeleteVariant::SingleDrop);
}

}  // namespace

void onFilesDropped(Program& p, const std::string& text) {
  lowerWindow(p);
  if (p.ui.isChecked(mainControl("选择框3"))) {
    // Multi-item mode only ever deletes at once; without 自动删除 it waits.
    if (p.ui.isChecked(mainControl("选择框1"))) deleteEachItem(p, text);
  } else {
    takeSingleDrop(p, text);
  }
  restoreTopmostIfChosen(p);
}
