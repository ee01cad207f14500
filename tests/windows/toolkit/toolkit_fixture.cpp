#include "toolkit_fixture.h"

#include "platform/win32/toolkit_window.h"

void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    if (handleWindowKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

WindowDefinition ToolkitTest::definition() {
  using K = ControlKind;
  auto none = FontDefinition{};
  return WindowDefinition{
      WindowId::Main,
      "工具箱测试窗口",
      643,
      230,
      {
          {"标签1", K::Label, 8, 0, 280, 24, "输入文件或目录的绝对路径："},
          {"编辑框1", K::Edit, 8, 24, 536, 32, "", true, false, none,
           [this] { pathChanges.push_back(ui().getText(control("编辑框1"))); }},
          {"按钮1", K::Button, 552, 16, 80, 32, "删除", true, false, none,
           [this] { ++deleteClicks; }},
          {"选择框1", K::CheckBox, 552, 48, 80, 24, "自动删除", true, false,
           none,
           [this] {
             autoDeleteClicks.push_back(ui().isChecked(control("选择框1")));
           }},
          {"标签2", K::Label, 8, 48, 544, 24, ""},
          {"列表框1", K::ListBox, 8, 104, 536, 88, "欢迎使用"},
          {"标签6", K::Label, 8, 140, 200, 40, "自动换行的说明文字", false,
           true, FontDefinition{"", 16, true}},
          {"标签5", K::Label, 220, 140, 256, 32, "关于Quorvin科技删除工具",
           false, false, FontDefinition{"楷体", 20, true}},
      },
      [this] { ++destroyings; },
  };
}

void ToolkitTest::SetUp() {
  toolkit_ = std::make_unique<Win32Toolkit>();
  ASSERT_TRUE(toolkit_->createWindow(definition()));
  toolkit_->showWindow(WindowId::Main, "编辑框1");
  pumpMessages();
}

void ToolkitTest::TearDown() {
  toolkit_.reset();  // destroys what is left
  pumpMessages();
  MSG quit;  // a closed main window asks the loop to end
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
