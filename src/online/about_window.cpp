#include "online/about_window.h"

#include "app/option_boxes.h"
#include "online/endpoints.h"

WindowDefinition aboutWindowDefinition(Program& p) {
  using K = ControlKind;
  const FontDefinition heading{"楷体", 20, true};
  const FontDefinition description{"", 16, true};
  const std::string site = kHomeUrl;
  return WindowDefinition{
      WindowId::About,
      "关于",
      380,
      250,
      {
          {"标签5", K::Label, 8, 8, 256, 32, "关于Quorvin科技删除工具", true,
           false, heading},
          {"标签6", K::Label, 8, 56, 360, 72,
           "Quorvin科技删除工具采用先进的方式更加便捷的助您整理文件，多种方式快"
           "速删除，"
           "多种途径便捷操作，多种记录方便审计。我们的官方网站是" +
               site + "祝您使用愉快！",
           true, true, description},
          {"标签4", K::Label, 24, 160, 56, 24, "当前版本："},
          {"标签3", K::Label, 88, 160, 80, 24, "V2.5"},
          {"标签1", K::Label, 24, 184, 56, 24, "最新版本：", false},
          {"标签2", K::Label, 88, 184, 80, 24, "请联网重试..", false},
          {"按钮1",
           K::Button,
           184,
           160,
           80,
           32,
           "检查更新",
           true,
           false,
           {},
           [&p] { onCheckUpdateClicked(p); }},
          {"标签7", K::Label, 168, 192, 200, 24,
           "Quorvin科技 版权所有 (C) 2026"},
      },
      {},
  };
}

void onAboutClicked(Program& p) {
  lowerWindow(p);
  p.ui.openModal(aboutWindowDefinition(p));
  restoreTopmostIfChosen(p);
}
