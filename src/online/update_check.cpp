#include <memory>

#include "app/program.h"
#include "online/about_window.h"
#include "online/endpoints.h"
#include "platform/gbk_conversion.h"

namespace {

// A server that appends a line end is not announcing a new version.
std::string trimmed(const std::string& text) {
  const char* const blanks = " \t\r\n";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// What the online test and the version request found; shared with the
// thread that asks, which may outlive the wait.
struct VersionFetch {
  bool online = false;
  HttpResponse response;
};

}  // namespace

void onCheckUpdateClicked(Program& p) {
  const Control latest = aboutControl("标签2");
  p.ui.setVisible(aboutControl("标签1"), true);
  p.ui.setVisible(latest, true);
  auto fetch = std::make_shared<VersionFetch>();
  System& sys = p.sys;
  const auto work = p.ui.startAside([fetch, &sys] {
    fetch->online = sys.isOnline();
    if (fetch->online) fetch->response = sys.httpGet(kVersionUrl);
  });
  const bool inTime = p.ui.waitAside(*work, kNetworkWaitMs);
  if (inTime && !fetch->online) {
    p.ui.messageBox("无网络连接", kBoxError, "检查失败");
    p.ui.setText(latest, "需要网络");
    return;
  }
  const HttpResponse response = inTime ? fetch->response : HttpResponse{};
  // No answer in time or an error page says nothing about the latest
  // version.
  if (response.status != 200) {
    p.ui.messageBox("无法获取最新版本信息", kBoxError, "检查失败");
    p.ui.setText(latest, "请联网重试..");
    return;
  }
  // The version file on the server is GBK text.
  p.ui.setText(latest, textFromGbk(p.sys, trimmed(bytesToText(response.body))));
  if (p.ui.getText(latest) != p.ui.getText(aboutControl("标签3"))) {
    p.ui.messageBox("请到官方网站下载最新版本！", kBoxOk);
    p.sys.openUrl(kHomeUrl);
  } else {
    p.ui.messageBox("已经是最新版本！", kBoxOk);
  }
}
