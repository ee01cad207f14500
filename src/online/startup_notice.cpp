#include "online/startup_notice.h"

#include <memory>

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

// What the online test and the notice request found. Shared with the
// thread that asks, which may outlive the wait when the server is slow.
struct NoticeFetch {
  bool online = false;
  std::string body;
};

struct NoticeRequest {
  std::shared_ptr<NoticeFetch> fetch;
  std::shared_ptr<AsideWork> work;
};

std::shared_ptr<NoticeRequest> requestStartupNotice(Program& p) {
  auto fetch = std::make_shared<NoticeFetch>();
  System& sys = p.sys;
  auto work = p.ui.startAside([fetch, &sys] {
    fetch->online = sys.isOnline();
    if (fetch->online) fetch->body = sys.httpGet(kNoticeUrl).body;
  });
  return std::make_shared<NoticeRequest>(NoticeRequest{fetch, work});
}

bool runStartupNotice(Program& p, std::shared_ptr<NoticeRequest> request) {
  if (!request) request = requestStartupNotice(p);
  // The online test and the notice share one wait, counted from the
  // request. Too slow an answer is dropped: the program starts as if no
  // notice was published.
  if (!p.ui.waitAside(*request->work, kNetworkWaitMs)) return true;
  const NoticeFetch* fetch = request->fetch.get();
  if (!fetch->online) {
    p.ui.messageBox("请连接互联网以获得最佳体验！", kBoxOk);
    return true;
  }
  // Only a notice GB2312 can hold is read, and its fields are found by
  // their byte positions in that form.
  const std::string document =
      bytesToText(p.sys.convertEncoding(fetch->body, "UTF-8", "GB2312"));
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
