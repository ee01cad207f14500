#include "app/main_window.h"

#include "app/option_boxes.h"
#include "deletion/dropped_items.h"
#include "deletion/manual_deletion.h"
#include "deletion/record_export.h"
#include "online/about_window.h"
#include "online/startup_notice.h"

WindowDefinition mainWindowDefinition(Program& p) {
  using K = ControlKind;
  auto on = [&p](void (*handler)(Program&)) {
    return [&p, handler] { handler(p); };
  };
  return WindowDefinition{
      WindowId::Main,
      "Quorvin科技文件/夹删除工具V2.5",
      643,
      230,
      {
          {"标签1", K::Label, 8, 0, 280, 24,
           "输入文件或目录的绝对路径或拖放文件："},
          {"编辑框1",
           K::Edit,
           8,
           24,
           536,
           32,
           "",
           true,
           false,
           {},
           on(onPathChanged)},
          {"按钮1",
           K::Button,
           552,
           16,
           80,
           32,
           "删除",
           true,
           false,
           {},
           on(onDeleteClicked)},
          {"选择框1", K::CheckBox, 552, 48, 80, 24, "自动删除"},
          {"标签2", K::Label, 8, 48, 544, 24, "开始删除吧！"},
          {"标签4", K::Label, 8, 72, 152, 24, "文件大小（约）：0B"},
          {"标签5", K::Label, 168, 72, 160, 24, "合计清理大小（约）：0B"},
          {"标签3", K::Label, 336, 72, 208, 24, "当前已删除：0个文件，0个目录"},
          {"选择框2",
           K::CheckBox,
           552,
           80,
           80,
           24,
           "窗口置顶",
           true,
           false,
           {},
           on(onOnTopClicked)},
          {"选择框3",
           K::CheckBox,
           552,
           104,
           80,
           24,
           "多文件处理",
           true,
           false,
           {},
           on(onMultiItemClicked)},
          {"列表框1", K::ListBox, 8, 104, 536, 88,
           "欢迎使用Quorvin科技删除工具——工具现支持多文件和多文件夹删除！"},
          {"按钮2",
           K::Button,
           552,
           128,
           80,
           32,
           "导出删除记录",
           true,
           false,
           {},
           on(onExportClicked)},
          {"按钮3",
           K::Button,
           552,
           160,
           80,
           32,
           "关于",
           true,
           false,
           {},
           on(onAboutClicked)},
      },
      [&p] { onMainWindowDestroying(p); },
  };
}

bool onMainWindowCreated(Program& p, std::shared_ptr<NoticeRequest> notice) {
  if (!runStartupNotice(p, std::move(notice))) return false;
  p.ui.registerDropTarget(WindowId::Main, [&p](const std::string& text) {
    onFilesDropped(p, text);  // the drop object 拖放对象1
  });
  p.ui.focusWindow(WindowId::Main);
  return true;
}

void onMainWindowDestroying(Program& p) {
  p.ui.revokeDropTarget(WindowId::Main);
}
