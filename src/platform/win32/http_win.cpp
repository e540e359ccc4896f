// The HTTP client of a followed timetable: WinHTTP, part of every Windows since XP, with the
// system's proxy settings and certificate checks, TLS 1.2 and newer where the system has them,
// and revocation checks. A password goes in the clear only over https. Each request ends by its
// deadline (winhttp_request.h).
#include <windows.h>

#include <winhttp.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/services_win.h"
#include "platform/win32/wide.h"
#include "platform/win32/winhttp_request.h"

namespace orvel::win32 {
namespace {

// A slow or silent server costs a PC at most this much of a background thread.
constexpr DWORD kConnectMs = 10000;
constexpr DWORD kTotalMs = 30000;
constexpr DWORD kMaxRedirects = 3;
constexpr const wchar_t* kAgent = L"Orvel";

ui::HttpAnswer Failed(ui::HttpFailure failure) {
  ui::HttpAnswer answer;
  answer.failure = failure;
  return answer;
}

ui::HttpFailure FailureOf(DWORD error) {
  switch (error) {
    case ERROR_WINHTTP_TIMEOUT:
      return ui::HttpFailure::Timeout;
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
      return ui::HttpFailure::ServerNotFound;
    case ERROR_WINHTTP_CANNOT_CONNECT:
    case ERROR_WINHTTP_CONNECTION_ERROR:
      return ui::HttpFailure::CannotConnect;
    case ERROR_WINHTTP_REDIRECT_FAILED:
      return ui::HttpFailure::TooManyRedirects;
    case ERROR_WINHTTP_INVALID_URL:
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
      return ui::HttpFailure::BadAddress;
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
      return ui::HttpFailure::SecureChannel;
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
    case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE:
      return ui::HttpFailure::BadCertificate;
    default:
      return ui::HttpFailure::Other;
  }
}

// The failure of a system error, with its number where only the number says what it was.
ui::HttpAnswer FailedWith(DWORD error) {
  ui::HttpAnswer answer = Failed(FailureOf(error));
  if (answer.failure == ui::HttpFailure::Other) answer.errorCode = error;
  return answer;
}

// The system's proxy settings: Windows 8.1 and later work them out themselves; before that the
// session takes the browser's fixed proxy, or asks the browser's automatic configuration for
// each address (`autoProxy`).
InternetHandle OpenSession(bool& autoProxy, std::wstring& autoConfigUrl) {
  autoProxy = false;
  InternetHandle session(WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                     WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS,
                                     WINHTTP_FLAG_ASYNC));
  if (session) return session;
  WINHTTP_CURRENT_USER_IE_PROXY_CONFIG browser{};
  const bool known = WinHttpGetIEProxyConfigForCurrentUser(&browser) != FALSE;
  if (known && browser.lpszProxy)
    session.reset(
        WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_NAMED_PROXY, browser.lpszProxy,
                    browser.lpszProxyBypass ? browser.lpszProxyBypass : WINHTTP_NO_PROXY_BYPASS,
                    WINHTTP_FLAG_ASYNC));
  else
    session.reset(WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                              WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC));
  if (known && !browser.lpszProxy && (browser.fAutoDetect || browser.lpszAutoConfigUrl)) {
    autoProxy = true;
    if (browser.lpszAutoConfigUrl) autoConfigUrl = browser.lpszAutoConfigUrl;
  }
  for (LPWSTR text : {browser.lpszAutoConfigUrl, browser.lpszProxy, browser.lpszProxyBypass})
    if (text) GlobalFree(text);
  return session;
}

void UseAutomaticProxy(HINTERNET request, const std::wstring& url,
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
  // The look-up blocks, so it takes a synchronous session of its own.
  const InternetHandle lookup(WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_NO_PROXY,
                                          WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (lookup)
    WinHttpSetTimeouts(lookup.get(), static_cast<int>(kConnectMs), static_cast<int>(kConnectMs),
                       static_cast<int>(kConnectMs), static_cast<int>(kConnectMs));
  // No configuration found: the request goes out directly.
  if (!lookup || !WinHttpGetProxyForUrl(lookup.get(), url.c_str(), &options, &proxy)) return;
  WinHttpSetOption(request, WINHTTP_OPTION_PROXY, &proxy, sizeof proxy);
  if (proxy.lpszProxy) GlobalFree(proxy.lpszProxy);
  if (proxy.lpszProxyBypass) GlobalFree(proxy.lpszProxyBypass);
}

// TLS 1.2 and 1.3, else 1.2 alone, which Windows 7 speaks only when told; a system without them
// refuses them and keeps its own choice. 1.0 and 1.1 are never asked for by name: that would
// switch them back on where an administrator turned them off.
void UseModernTls(HINTERNET session) {
  constexpr DWORD kTls12 = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2;
  for (DWORD protocols : {kTls12 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3, kTls12})
    if (WinHttpSetOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols))
      return;
}

// The certificate could not be checked against its revocation list (the list's server is not
// reachable from the school's network), and nothing else was wrong with it.
bool RevocationUnknown(const AsyncRequest& request) {
  return request.Error() == ERROR_WINHTTP_SECURE_CERT_REV_FAILED ||
         (request.Error() == ERROR_WINHTTP_SECURE_FAILURE &&
          request.SecureFailure() == WINHTTP_CALLBACK_STATUS_FLAG_CERT_REV_FAILED);
}

int HexValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// A user name or password of an address, its %XX escapes read as UTF-8 bytes.
std::wstring Unescaped(const wchar_t* text, DWORD length) {
  std::string bytes;
  for (DWORD i = 0; text && i < length; ++i) {
    if (text[i] == L'%' && i + 2 < length && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      bytes += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      bytes += static_cast<char>(text[i] < 0x80 ? text[i] : L'?');
    }
  }
  return Widen(bytes);
}

// The server that answered is the one the address names (no redirection led elsewhere), so
// that the address's user name and password go to it alone.
bool AnsweredBy(const AsyncRequest& request, const std::wstring& host, INTERNET_PORT port) {
  const std::wstring url = request.RedirectedTo();
  if (url.empty()) return true;
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  return WinHttpCrackUrl(url.c_str(), 0, 0, &parts) && parts.nPort == port &&
         CompareStringOrdinal(parts.lpszHostName, static_cast<int>(parts.dwHostNameLength),
                              host.c_str(), static_cast<int>(host.size()), TRUE) == CSTR_EQUAL;
}

enum class Credentials { Set, PlainOnly, Unusable };

// After a 401: the strongest scheme the server offers, with the address's user name and
// password, and no redirection for the request that carries them. Basic sends the password as it
// is, so only over https (`secure`); a server that offers nothing else over http is PlainOnly.
Credentials UseCredentials(HINTERNET request, const std::wstring& user,
                           const std::wstring& password, bool secure) {
  DWORD supported = 0, first = 0, target = 0;
  if (!WinHttpQueryAuthSchemes(request, &supported, &first, &target)) return Credentials::Unusable;
  DWORD chosen = 0;
  for (const DWORD scheme : {WINHTTP_AUTH_SCHEME_NEGOTIATE, WINHTTP_AUTH_SCHEME_NTLM,
                             WINHTTP_AUTH_SCHEME_DIGEST, WINHTTP_AUTH_SCHEME_BASIC})
    if ((supported & scheme) && !chosen) chosen = scheme;
  if (chosen == WINHTTP_AUTH_SCHEME_BASIC && !secure) return Credentials::PlainOnly;
  // Followed, a redirection would carry the credentials to another address: a 3xx ends it.
  DWORD noRedirects = WINHTTP_DISABLE_REDIRECTS;
  if (!chosen ||
      !WinHttpSetOption(request, WINHTTP_OPTION_DISABLE_FEATURE, &noRedirects, sizeof noRedirects))
    return Credentials::Unusable;
  return WinHttpSetCredentials(request, target, chosen, user.c_str(), password.c_str(),
                               nullptr) != FALSE
             ? Credentials::Set
             : Credentials::Unusable;
}

DWORD StatusOf(HINTERNET request) {
  DWORD status = 0;
  DWORD statusBytes = sizeof status;
  WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                      WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusBytes, WINHTTP_NO_HEADER_INDEX);
  return status;
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

// Where a request goes and who it is.
struct Target {
  std::wstring host, path, user, password;
  INTERNET_PORT port = 0;
  bool secure = false;
};

ui::HttpAnswer Ask(AsyncRequest& exchange, const Target& target, const ui::HttpRequest& request) {
  // An unchanged file then costs a 304 without a body.
  std::wstring headers;
  if (!request.etag.empty()) headers += L"If-None-Match: " + Widen(request.etag) + L"\r\n";
  if (!request.lastModified.empty())
    headers += L"If-Modified-Since: " + Widen(request.lastModified) + L"\r\n";
  if (!exchange.Send(headers) || !exchange.ReceiveResponse())
    return FailedWith(exchange.Error());
  DWORD status = StatusOf(exchange.get());
  if (status == HTTP_STATUS_DENIED && !target.user.empty() &&
      AnsweredBy(exchange, target.host, target.port)) {
    switch (UseCredentials(exchange.get(), target.user, target.password, target.secure)) {
      case Credentials::Set:
        if (!exchange.Send(headers) || !exchange.ReceiveResponse())
          return FailedWith(exchange.Error());
        status = StatusOf(exchange.get());
        break;
      case Credentials::PlainOnly:
        return Failed(ui::HttpFailure::PlainPassword);
      case Credentials::Unusable:
        break;
    }
  }

  ui::HttpAnswer answer;
  answer.status = static_cast<int>(status);
  // Every answer is dated: an unchanged file's 304 gives standard time as well as a file does.
  answer.date = TextHeader(exchange.get(), WINHTTP_QUERY_DATE);
  if (status == HTTP_STATUS_NOT_MODIFIED) {
    answer.outcome = ui::HttpOutcome::Unchanged;
    return answer;
  }
  if (status == HTTP_STATUS_NOT_FOUND || status == HTTP_STATUS_GONE) {
    answer.outcome = ui::HttpOutcome::Missing;
    return answer;
  }
  // A redirection still here is one more than the limit allows, one to plain http from https,
  // or one in answer to the credentials.
  if (status >= 300 && status < 400) {
    answer.failure = ui::HttpFailure::TooManyRedirects;
    return answer;
  }
  if (status != HTTP_STATUS_OK) {
    answer.failure = ui::HttpFailure::Status;
    return answer;
  }
  if (request.headOnly) {
    answer.outcome = ui::HttpOutcome::Fetched;
    return answer;
  }

  for (bool ended = false; !ended;) {
    if (!exchange.ReadAvailable(answer.body, ended)) return FailedWith(exchange.Error());
    if (answer.body.size() > request.maxBodyBytes) return Failed(ui::HttpFailure::TooLarge);
  }
  // A connection that closed early can read as the body's end: a part of a file is no file.
  const std::string length = TextHeader(exchange.get(), WINHTTP_QUERY_CONTENT_LENGTH);
  if (!length.empty() && length != std::to_string(answer.body.size()))
    return Failed(ui::HttpFailure::Incomplete);
  answer.outcome = ui::HttpOutcome::Fetched;
  answer.etag = TextHeader(exchange.get(), WINHTTP_QUERY_ETAG);
  answer.lastModified = TextHeader(exchange.get(), WINHTTP_QUERY_LAST_MODIFIED);
  return answer;
}

}  // namespace

ui::HttpAnswer Win32Http::Get(const ui::HttpRequest& request) {
  const DWORD totalMs = request.timeoutMs > 0 && static_cast<DWORD>(request.timeoutMs) < kTotalMs
                            ? static_cast<DWORD>(request.timeoutMs)
                            : kTotalMs;
  const DWORD connectMs = totalMs < kConnectMs ? totalMs : kConnectMs;
  const ULONGLONG deadline = GetTickCount64() + totalMs;
  const std::wstring url = Widen(request.url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  parts.dwUserNameLength = static_cast<DWORD>(-1);
  parts.dwPasswordLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts) || parts.dwHostNameLength == 0)
    return Failed(ui::HttpFailure::BadAddress);
  Target target;
  target.host.assign(parts.lpszHostName, parts.dwHostNameLength);
  target.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
  if (parts.lpszExtraInfo) target.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (target.path.empty()) target.path = L"/";
  target.user = Unescaped(parts.lpszUserName, parts.dwUserNameLength);
  target.password = Unescaped(parts.lpszPassword, parts.dwPasswordLength);
  target.port = parts.nPort;
  target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;

  bool autoProxy = false;
  std::wstring autoConfigUrl;
  const InternetHandle session = OpenSession(autoProxy, autoConfigUrl);
  if (!session) return FailedWith(GetLastError());
  WinHttpSetTimeouts(session.get(), static_cast<int>(connectMs), static_cast<int>(connectMs),
                     static_cast<int>(totalMs), static_cast<int>(totalMs));
  UseModernTls(session.get());
  if (!ReportToRequests(session.get())) return FailedWith(GetLastError());
  const InternetHandle connection(
      WinHttpConnect(session.get(), target.host.c_str(), target.port, 0));
  if (!connection) return FailedWith(GetLastError());

  // Revocation is checked where the system can; a revocation server that the PC cannot reach
  // is no reason to refuse the school's server, so the request goes once more without.
  for (bool checkRevocation = target.secure;; checkRevocation = false) {
    AsyncRequest exchange(connection.get(), target.path, target.secure, deadline,
                          request.headOnly);
    if (!exchange) return FailedWith(exchange.Error());
    DWORD redirects = kMaxRedirects;
    WinHttpSetOption(exchange.get(), WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects,
                     sizeof redirects);
    if (checkRevocation) {
      DWORD feature = WINHTTP_ENABLE_SSL_REVOCATION;
      WinHttpSetOption(exchange.get(), WINHTTP_OPTION_ENABLE_FEATURE, &feature, sizeof feature);
    }
    if (autoProxy) UseAutomaticProxy(exchange.get(), url, autoConfigUrl);
    ui::HttpAnswer answer = Ask(exchange, target, request);
    if (!checkRevocation || !RevocationUnknown(exchange)) return answer;
  }
}

}  // namespace orvel::win32
