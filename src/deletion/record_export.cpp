#include "deletion/record_export.h"

#include "app/option_boxes.h"
#include "platform/gbk_conversion.h"

std::string recordContent(Program& p, const std::string& stamp) {
  const Control list = mainControl("列表框1");
  const int count = p.ui.listCount(list);
  std::string content;
  for (int i = 0; i < count; ++i)
    content += p.ui.listItemText(list, i) + "\r\n";
  // Every processed target counts, failures too; the welcome line does not.
  content += stamp + "----此次共删除" + std::to_string(count - 1) +
             "个文件/夹，其中文件" + std::to_string(p.tally.filesDeleted) +
             "个，目录" + std::to_string(p.tally.directoriesDeleted) + "个。";
  content += p.ui.getText(mainControl("标签5"));
  content += "\r\n感谢您使用Quorvin科技删除工具";
  return content;
}

std::string recordPath(Program& p, const std::string& stamp) {
  return p.sys.programFolder() + "\\" + stamp + "Quorvin删除工具记录.txt";
}

void onExportClicked(Program& p) {
  lowerWindow(p);
  const std::string content = recordContent(p, dateTimeText(p.sys.now()));
  const std::string path = recordPath(p, dateTimeText(p.sys.now()));
  // The record is a GBK file; a name GBK cannot hold reads "?" there.
  if (p.sys.writeFile(path, gbkFromText(p.sys, content)))
    p.ui.messageBox("导出成功至" + path, kBoxInformation,
                    "Quorvin科技删除工具记录导出");
  else
    p.ui.messageBox("导出失败！无法写入" + path, kBoxError,
                    "Quorvin科技删除工具记录导出");
  restoreTopmostIfChosen(p);
}
