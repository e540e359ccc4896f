#pragma once
// One WinHTTP request in asynchronous mode, each step waited for until a deadline, so that a
// request ends on time whatever the server does: trickling its headers or body, or stalling a
// TLS handshake. (A synchronous call is bounded only by the timeout of each single receive, and
// under Wine closing its handle from another thread does not end it.)
#include <windows.h>

#include <winhttp.h>

#include <memory>
#include <string>

#include "platform/win32/handles.h"

namespace orvel::win32 {

struct InternetTraits {
  using Handle = HINTERNET;
  static void Close(HINTERNET h) { WinHttpCloseHandle(h); }
};
using InternetHandle = UniqueHandle<InternetTraits>;

// Makes the requests of `session` (opened with WINHTTP_FLAG_ASYNC) report to AsyncRequest; before
// the session's connection is opened.
bool ReportToRequests(HINTERNET session);

struct RequestNotices;

class AsyncRequest {
 public:
  // A GET of `path` on `connection`, whose session was opened with WINHTTP_FLAG_ASYNC and the
  // callback above; every wait ends at `deadline` (GetTickCount64).
  AsyncRequest(HINTERNET connection, const std::wstring& path, bool secure, ULONGLONG deadline,
               bool headOnly = false);
  AsyncRequest(const AsyncRequest&) = delete;
  AsyncRequest& operator=(const AsyncRequest&) = delete;
  // Closes the request; work WinHTTP still has on it ends with the handle, later.
  ~AsyncRequest();

  explicit operator bool() const { return static_cast<bool>(request_); }
  HINTERNET get() const { return request_.get(); }

  // Each step fails with Error() set: WinHTTP's error, or ERROR_WINHTTP_TIMEOUT at the deadline.
  bool Send(const std::wstring& headers);
  bool ReceiveResponse();
  // What the server has sent of the body so far appended to `into`; `ended` at its end. Reads
  // only what has arrived, since a read for more waits until it all came.
  bool ReadAvailable(std::string& into, bool& ended);

  DWORD Error() const { return error_; }
  // The WINHTTP_CALLBACK_STATUS_FLAG_* of a refused certificate, once a step failed on it.
  DWORD SecureFailure() const;
  // The address the last redirection led to; empty when none did.
  std::wstring RedirectedTo() const;

 private:
  bool Await(DWORD notice);

  std::shared_ptr<RequestNotices> notices_;
  InternetHandle request_;
  ULONGLONG deadline_;
  DWORD error_ = 0;
};

}  // namespace orvel::win32
