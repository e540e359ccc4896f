#include "platform/win32/winhttp_request.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include "platform/win32/failure_report.h"

namespace orvel::win32 {

// What WinHTTP's callback tells of one request, shared with the callback: a step that gave up
// at the deadline leaves WinHTTP a buffer and an event to finish with.
struct RequestNotices {
  KernelHandle arrived{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  DWORD notice = 0;  // the last step's end: one of the completions, or REQUEST_ERROR
  DWORD error = 0;
  DWORD bytes = 0;
  std::atomic<DWORD> secureFailure{0};
  std::atomic<bool> redirected{false};
  std::mutex redirectLock;
  std::wstring redirectedTo;
  char buffer[16384];
};

namespace {

using NoticesShare = std::shared_ptr<RequestNotices>;

constexpr DWORD kNotices = WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS |
                           WINHTTP_CALLBACK_FLAG_SECURE_FAILURE | WINHTTP_CALLBACK_FLAG_REDIRECT |
                           WINHTTP_CALLBACK_FLAG_HANDLES;

void CALLBACK OnRequestStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info,
                              DWORD length) {
  auto* share = reinterpret_cast<NoticesShare*>(context);
  if (!share) return;  // the session's and the connection's handles
  if (status == WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING) {
    // The handle's last notice: the callback's share goes.
    std::unique_ptr<NoticesShare>(share).reset();
    return;
  }
  RequestNotices& notices = **share;
  switch (status) {
    case WINHTTP_CALLBACK_STATUS_SECURE_FAILURE:
      if (info) notices.secureFailure = *static_cast<const DWORD*>(info);
      return;
    case WINHTTP_CALLBACK_STATUS_REDIRECT:
      notices.redirected = true;
      try {
        const std::lock_guard<std::mutex> hold(notices.redirectLock);
        if (info) notices.redirectedTo = static_cast<const wchar_t*>(info);
      } catch (...) {
        ReportSwallowedFailure("noting a redirection");
      }
      return;
    case WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE:
      notices.bytes = info ? *static_cast<const DWORD*>(info) : 0;
      break;
    case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
      notices.bytes = length;
      break;
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
      notices.error = info ? static_cast<const WINHTTP_ASYNC_RESULT*>(info)->dwError
                           : static_cast<DWORD>(ERROR_WINHTTP_INTERNAL_ERROR);
      break;
    case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
    case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
      break;
    default:
      return;
  }
  notices.notice = status;
  SetEvent(notices.arrived.get());
}

}  // namespace

AsyncRequest::AsyncRequest(HINTERNET connection, const std::wstring& path, bool secure,
                           ULONGLONG deadline, bool headOnly)
    : notices_(std::make_shared<RequestNotices>()), deadline_(deadline) {
  if (!notices_->arrived) {
    error_ = GetLastError();
    return;
  }
  request_.reset(WinHttpOpenRequest(connection, headOnly ? L"HEAD" : L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                    WINHTTP_DEFAULT_ACCEPT_TYPES,
                                    secure ? WINHTTP_FLAG_SECURE : 0));
  if (!request_) {
    error_ = GetLastError();
    return;
  }
  auto share = std::make_unique<NoticesShare>(notices_);
  DWORD_PTR context = reinterpret_cast<DWORD_PTR>(share.get());
  if (!WinHttpSetOption(request_.get(), WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context)) {
    error_ = GetLastError();
    request_.reset();
    return;
  }
  static_cast<void>(share.release());  // the callback's now, until the handle closes
}

AsyncRequest::~AsyncRequest() = default;

bool AsyncRequest::Await(DWORD notice) {
  const ULONGLONG now = GetTickCount64();
  const DWORD left = now < deadline_ ? static_cast<DWORD>(deadline_ - now) : 0;
  if (WaitForSingleObject(notices_->arrived.get(), left) != WAIT_OBJECT_0) {
    error_ = ERROR_WINHTTP_TIMEOUT;
    // Closing the handle ends what WinHTTP was doing with it.
    request_.reset();
    return false;
  }
  if (notices_->notice == notice) return true;
  error_ = notices_->notice == WINHTTP_CALLBACK_STATUS_REQUEST_ERROR
               ? notices_->error
               : static_cast<DWORD>(ERROR_WINHTTP_INCORRECT_HANDLE_STATE);
  return false;
}

bool AsyncRequest::Send(const std::wstring& headers) {
  if (!request_) return false;
  if (!WinHttpSendRequest(
          request_.get(), headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : headers.c_str(),
          headers.empty() ? 0 : static_cast<DWORD>(-1), WINHTTP_NO_REQUEST_DATA, 0, 0, 0)) {
    error_ = GetLastError();
    return false;
  }
  return Await(WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE);
}

bool AsyncRequest::ReceiveResponse() {
  if (!request_) return false;
  if (!WinHttpReceiveResponse(request_.get(), nullptr)) {
    error_ = GetLastError();
    return false;
  }
  return Await(WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE);
}

bool AsyncRequest::ReadAvailable(std::string& into, bool& ended) {
  ended = false;
  if (!request_) return false;
  if (!WinHttpQueryDataAvailable(request_.get(), nullptr)) {
    error_ = GetLastError();
    return false;
  }
  if (!Await(WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE)) return false;
  const DWORD available = std::min(notices_->bytes, static_cast<DWORD>(sizeof notices_->buffer));
  if (available == 0) {
    ended = true;
    return true;
  }
  if (!WinHttpReadData(request_.get(), notices_->buffer, available, nullptr)) {
    error_ = GetLastError();
    return false;
  }
  if (!Await(WINHTTP_CALLBACK_STATUS_READ_COMPLETE)) return false;
  into.append(notices_->buffer, notices_->bytes);
  ended = notices_->bytes == 0;
  return true;
}

DWORD AsyncRequest::SecureFailure() const {
  return notices_->secureFailure;
}

std::wstring AsyncRequest::RedirectedTo() const {
  if (!notices_->redirected) return {};
  const std::lock_guard<std::mutex> hold(notices_->redirectLock);
  // An address that was not noted is somewhere else.
  return notices_->redirectedTo.empty() ? L"?" : notices_->redirectedTo;
}

bool ReportToRequests(HINTERNET session) {
  return WinHttpSetStatusCallback(session, OnRequestStatus, kNotices, 0) !=
         WINHTTP_INVALID_STATUS_CALLBACK;
}

}  // namespace orvel::win32
