// httpGet and isOnline on WinINet.
#include <windows.h>
#include <wininet.h>

#include <algorithm>

#include "online/endpoints.h"
#include "platform/win32/delay_loaded.h"
#include "platform/win32/internet_session.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/win32_system.h"

namespace {

const wchar_t kAgent[] = L"Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
// The program waits for the servers at most kNetworkWaitMs in all and drops
// a later answer; a request left waiting on a server that accepts and never
// answers gives up after the same time, so it does not linger.
const DWORD kTimeoutMs = kNetworkWaitMs;
const DWORD kChunkLimit = 102400;
const DWORD kChunkWithoutLength = 10240;
// The notice and the version text are a few hundred bytes: a body past this
// is no answer the program can use, and reading it would hold the window.
const size_t kBodyLimit = 1048576;

HINTERNET session = nullptr;

HINTERNET sharedSession() {
  if (!session)
    session =
        InternetOpenW(kAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  return session;
}

// Closes a WinINet handle when the scope ends.
struct Handle {
  HINTERNET h;
  ~Handle() {
    if (h) InternetCloseHandle(h);
  }
};

struct Address {
  bool secure = false;
  std::wstring host, user, password, object;
  INTERNET_PORT port = 0;
};

// Splits an http or https URL; false for anything else.
bool crackUrl(const std::wstring& url, Address* address) {
  URL_COMPONENTSW parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = parts.dwUserNameLength = parts.dwPasswordLength =
      parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;
  if (url.empty() || !InternetCrackUrlW(url.c_str(), 0, 0, &parts))
    return false;
  if (parts.nScheme != INTERNET_SCHEME_HTTP &&
      parts.nScheme != INTERNET_SCHEME_HTTPS)
    return false;
  auto text = [](const wchar_t* p, DWORD n) {
    return p ? std::wstring(p, n) : std::wstring();
  };
  address->secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  address->host = text(parts.lpszHostName, parts.dwHostNameLength);
  address->user = text(parts.lpszUserName, parts.dwUserNameLength);
  address->password = text(parts.lpszPassword, parts.dwPasswordLength);
  address->object = text(parts.lpszUrlPath, parts.dwUrlPathLength) +
                    text(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (address->object.empty()) address->object = L"/";
  address->port = parts.nPort;
  return !address->host.empty();
}

void setTimeouts(HINTERNET handle) {
  for (DWORD option :
       {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
        INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    DWORD ms = kTimeoutMs;
    InternetSetOptionW(handle, option, &ms, sizeof ms);
  }
}

DWORD numberHeader(HINTERNET request, DWORD query) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (!HttpQueryInfoW(request, query | HTTP_QUERY_FLAG_NUMBER, &value, &size,
                      nullptr))
    return 0;
  return value;
}

// Everything the server sends until it ends the body, or until a read
// fails: then what came so far. False, as soon as it shows, for a body
// larger than the limit.
bool readBody(HINTERNET request, std::string* body) {
  const DWORD length = numberHeader(request, HTTP_QUERY_CONTENT_LENGTH);
  if (length > kBodyLimit) return false;
  const DWORD chunk =
      length > 0 ? std::min(length, kChunkLimit - 1) + 1 : kChunkWithoutLength;
  std::string buffer(chunk, '\0');
  DWORD read = 0;
  while (InternetReadFile(request, buffer.data(), chunk, &read) && read > 0) {
    if (read > kBodyLimit - body->size()) return false;
    body->append(buffer.data(), read);
  }
  return true;
}

// One GET through the session. The status stays 0 when no response came.
HttpResponse get(HINTERNET internet, const std::wstring& url, DWORD flags,
                 const wchar_t* headers, bool wantBody) {
  HttpResponse response;
  Address address;
  if (!internet || !crackUrl(url, &address)) return response;
  Handle connection{InternetConnectW(
      internet, address.host.c_str(), address.port,
      address.user.empty() ? nullptr : address.user.c_str(),
      address.password.empty() ? nullptr : address.password.c_str(),
      INTERNET_SERVICE_HTTP, 0, 0)};
  if (!connection.h) return response;
  setTimeouts(connection.h);
  if (address.secure) flags |= INTERNET_FLAG_SECURE;
  Handle request{HttpOpenRequestW(connection.h, L"GET", address.object.c_str(),
                                  L"HTTP/1.0", nullptr, nullptr, flags, 0)};
  if (!request.h) return response;
  setTimeouts(request.h);
  if (!HttpSendRequestW(request.h, headers, headers ? DWORD(-1) : 0, nullptr,
                        0))
    return response;
  // A connection closed without a status line is no response, although
  // WinINet may report the request as sent.
  response.status =
      static_cast<int>(numberHeader(request.h, HTTP_QUERY_STATUS_CODE));
  if (response.status == 0) return response;
  // An oversized body counts as no response at all, not as a cut one.
  if (wantBody && !readBody(request.h, &response.body)) return HttpResponse{};
  return response;
}

}  // namespace

void closeInternetSession() {
  if (session) InternetCloseHandle(session);
  session = nullptr;
}

HttpResponse Win32System::httpGet(const std::string& url) {
  if (!winInetLoads()) return HttpResponse{};
  return get(sharedSession(), wideFromText(url),
             INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE,
             L"Accept: */*\r\n", true);
}

bool Win32System::isOnline() {
  DWORD how = 0;
  if (!winInetLoads() || !InternetGetConnectedState(&how, 0)) return false;
  Handle own{
      InternetOpenW(L"test", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0)};
  return get(own.h, wideFromText(kOnlineTestUrl), INTERNET_FLAG_RELOAD, nullptr,
             false)
             .status != 0;
}
