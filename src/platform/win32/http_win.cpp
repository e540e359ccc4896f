// The HTTP client of a followed timetable: WinHTTP, part of every Windows since XP, with the
// system's proxy settings and certificate checks.
#include <windows.h>

#include <winhttp.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/services_win.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

struct InternetTraits {
  using Handle = HINTERNET;
  static void Close(HINTERNET h) { WinHttpCloseHandle(h); }
};
using InternetHandle = UniqueHandle<InternetTraits>;

// A slow or silent server costs a PC at most this much of a background thread.
constexpr DWORD kConnectMs = 10000;
constexpr DWORD kTotalMs = 30000;
constexpr DWORD kMaxRedirects = 3;
constexpr const wchar_t* kAgent = L"Orvel";

ui::HttpAnswer Failed(std::string problem) {
  ui::HttpAnswer answer;
  answer.problem = std::move(problem);
  return answer;
}

std::string ProblemOf(DWORD error) {
  switch (error) {
    case ERROR_WINHTTP_TIMEOUT:
      return "连接超时";
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
      return "找不到服务器";
    case ERROR_WINHTTP_CANNOT_CONNECT:
    case ERROR_WINHTTP_CONNECTION_ERROR:
      return "无法连接服务器";
    case ERROR_WINHTTP_REDIRECT_FAILED:
      return "重定向过多";
    case ERROR_WINHTTP_INVALID_URL:
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
      return "地址无效";
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
    case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE:
      return "服务器证书无效";
    default:
      return "网络错误 " + std::to_string(error);
  }
}

// The system's proxy settings: Windows 8.1 and later work them out themselves; before that the
// session takes the browser's fixed proxy, or asks the browser's automatic configuration for
// each address (`autoProxy`).
InternetHandle OpenSession(bool& autoProxy, std::wstring& autoConfigUrl) {
  autoProxy = false;
  InternetHandle session(WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                     WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (session) return session;
  WINHTTP_CURRENT_USER_IE_PROXY_CONFIG browser{};
  const bool known = WinHttpGetIEProxyConfigForCurrentUser(&browser) != FALSE;
  if (known && browser.lpszProxy)
    session.reset(WinHttpOpen(
        kAgent, WINHTTP_ACCESS_TYPE_NAMED_PROXY, browser.lpszProxy,
        browser.lpszProxyBypass ? browser.lpszProxyBypass : WINHTTP_NO_PROXY_BYPASS, 0));
  else
    session.reset(WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                              WINHTTP_NO_PROXY_BYPASS, 0));
  if (known && !browser.lpszProxy && (browser.fAutoDetect || browser.lpszAutoConfigUrl)) {
    autoProxy = true;
    if (browser.lpszAutoConfigUrl) autoConfigUrl = browser.lpszAutoConfigUrl;
  }
  for (LPWSTR text : {browser.lpszAutoConfigUrl, browser.lpszProxy, browser.lpszProxyBypass})
    if (text) GlobalFree(text);
  return session;
}

void UseAutomaticProxy(HINTERNET session, HINTERNET request, const std::wstring& url,
                       const std::wstring& autoConfigUrl) {
  WINHTTP_AUTOPROXY_OPTIONS options{};
  if (autoConfigUrl.empty()) {
    options.dwFlags = WINHTTP_AUTOPROXY_AUTO_DETECT;
    options.dwAutoDetectFlags = WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A;
  } else {
    options.dwFlags = WINHTTP_AUTOPROXY_CONFIG_URL;
    options.lpszAutoConfigUrl = autoConfigUrl.c_str();
  }
  options.fAutoLogonIfChallenged = TRUE;
  WINHTTP_PROXY_INFO proxy{};
  // No configuration found: the request goes out directly.
  if (!WinHttpGetProxyForUrl(session, url.c_str(), &options, &proxy)) return;
  WinHttpSetOption(request, WINHTTP_OPTION_PROXY, &proxy, sizeof proxy);
  if (proxy.lpszProxy) GlobalFree(proxy.lpszProxy);
  if (proxy.lpszProxyBypass) GlobalFree(proxy.lpszProxyBypass);
}

// What is left of the whole request's time becomes the limit of the next wait for the server.
bool LimitNextWait(HINTERNET request, ULONGLONG deadline) {
  const ULONGLONG now = GetTickCount64();
  if (now >= deadline) {
    SetLastError(ERROR_WINHTTP_TIMEOUT);
    return false;
  }
  const DWORD left = static_cast<DWORD>(deadline - now);
  return WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_TIMEOUT, const_cast<DWORD*>(&left),
                          sizeof left) != FALSE;
}

std::string TextHeader(HINTERNET request, DWORD which) {
  DWORD bytes = 0;
  WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER,
                      &bytes, WINHTTP_NO_HEADER_INDEX);
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes == 0) return {};
  std::wstring text(bytes / sizeof(wchar_t), L'\0');
  if (!WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, text.data(), &bytes,
                           WINHTTP_NO_HEADER_INDEX))
    return {};
  text.resize(bytes / sizeof(wchar_t));
  return Narrow(text);
}

}  // namespace

ui::HttpAnswer Win32Http::Get(const ui::HttpRequest& request) {
  const ULONGLONG deadline = GetTickCount64() + kTotalMs;
  const std::wstring url = Widen(request.url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts) || parts.dwHostNameLength == 0)
    return Failed(ProblemOf(ERROR_WINHTTP_INVALID_URL));
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  if (parts.lpszExtraInfo) path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty()) path = L"/";

  bool autoProxy = false;
  std::wstring autoConfigUrl;
  const InternetHandle session = OpenSession(autoProxy, autoConfigUrl);
  if (!session) return Failed(ProblemOf(GetLastError()));
  WinHttpSetTimeouts(session.get(), static_cast<int>(kConnectMs), static_cast<int>(kConnectMs),
                     static_cast<int>(kTotalMs), static_cast<int>(kTotalMs));
  const InternetHandle connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
  if (!connection) return Failed(ProblemOf(GetLastError()));
  const InternetHandle exchange(
      WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                         WINHTTP_DEFAULT_ACCEPT_TYPES,
                         parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
  if (!exchange) return Failed(ProblemOf(GetLastError()));
  DWORD redirects = kMaxRedirects;
  WinHttpSetOption(exchange.get(), WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects,
                   sizeof redirects);
  if (autoProxy) UseAutomaticProxy(session.get(), exchange.get(), url, autoConfigUrl);

  // An unchanged file then costs a 304 without a body.
  std::wstring headers;
  if (!request.etag.empty()) headers += L"If-None-Match: " + Widen(request.etag) + L"\r\n";
  if (!request.lastModified.empty())
    headers += L"If-Modified-Since: " + Widen(request.lastModified) + L"\r\n";
  if (!WinHttpSendRequest(
          exchange.get(), headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : headers.c_str(),
          headers.empty() ? 0 : static_cast<DWORD>(-1), WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
      !LimitNextWait(exchange.get(), deadline) || !WinHttpReceiveResponse(exchange.get(), nullptr))
    return Failed(ProblemOf(GetLastError()));

  DWORD status = 0;
  DWORD statusBytes = sizeof status;
  WinHttpQueryHeaders(exchange.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                      WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusBytes, WINHTTP_NO_HEADER_INDEX);
  ui::HttpAnswer answer;
  if (status == HTTP_STATUS_NOT_MODIFIED) {
    answer.outcome = ui::HttpOutcome::Unchanged;
    return answer;
  }
  if (status == HTTP_STATUS_NOT_FOUND || status == HTTP_STATUS_GONE) {
    answer.outcome = ui::HttpOutcome::Missing;
    return answer;
  }
  // A redirection still here is one more than the limit allows (or to plain http from https).
  if (status >= 300 && status < 400) return Failed(ProblemOf(ERROR_WINHTTP_REDIRECT_FAILED));
  if (status != HTTP_STATUS_OK) return Failed("服务器返回 " + std::to_string(status));

  char chunk[16384];
  for (;;) {
    DWORD got = 0;
    if (!LimitNextWait(exchange.get(), deadline) ||
        !WinHttpReadData(exchange.get(), chunk, sizeof chunk, &got))
      return Failed(ProblemOf(GetLastError()));
    if (got == 0) break;
    if (answer.body.size() + got > request.maxBodyBytes) return Failed("文件太大");
    answer.body.append(chunk, got);
  }
  answer.outcome = ui::HttpOutcome::Fetched;
  answer.etag = TextHeader(exchange.get(), WINHTTP_QUERY_ETAG);
  answer.lastModified = TextHeader(exchange.get(), WINHTTP_QUERY_LAST_MODIFIED);
  return answer;
}

}  // namespace orvel::win32
