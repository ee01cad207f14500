#include "online/startup_notice.h"

#include "online/endpoints.h"
#include "online/text_search.h"
#include "platform/gbk_conversion.h"

std::string noticeField(const std::string& document, const std::string& open,
                        const std::string& close) {
  const int64_t start =
      findText(document, open) + static_cast<int64_t>(open.size());
  return midText(document, start, findText(document, close) - start);
}

namespace {

const char* const kNoticeTitle = "Quorvin科技在线公告";

// The status box, then the announcement even when it is empty, then the end.
void endForStatus(Program& p, const char* text, int kind, const char* title,
                  const std::string& announcement) {
  p.ui.messageBox(text, kind, title);
  p.ui.messageBox(announcement, kBoxOk, kNoticeTitle);
  p.sys.endProgram(0);
}

}  // namespace

bool runStartupNotice(Program& p) {
  if (!p.sys.isOnline()) {
    p.ui.messageBox("请连接互联网以获得最佳体验！", kBoxOk);
    return true;
  }
  // Only a notice GB2312 can hold is read, and its fields are found by
  // their byte positions in that form.
  const std::string document = bytesToText(
      p.sys.convertEncoding(p.sys.httpGet(kNoticeUrl).body, "UTF-8", "GB2312"));
  const std::string announcement =
      textFromGbk(p.sys, noticeField(document, "<gonggao>", "</gonggao>"));
  const std::string status =
      textFromGbk(p.sys, noticeField(document, "<zt>", "</zt>"));
  if (status == "维护") {
    endForStatus(p, "Quorvin科技正在维护该工具，请查看Quorvin科技在线公告。",
                 kBoxWarning, "Quorvin科技删除工具正在维护！", announcement);
    return false;
  }
  if (status == "停用") {
    endForStatus(p, "Quorvin科技已停用该工具，请查看Quorvin科技在线公告。",
                 kBoxError, "Quorvin科技删除工具已停止使用！", announcement);
    return false;
  }
  if (!announcement.empty())
    p.ui.messageBox(announcement, kBoxOk, kNoticeTitle);
  return true;
}
