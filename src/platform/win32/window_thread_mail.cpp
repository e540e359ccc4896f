#include "platform/win32/window_thread_mail.h"

#include <utility>

#include "platform/win32/failure_report.h"

namespace orvel::win32 {
namespace {

constexpr UINT kFollowUp = WM_APP + 19;
constexpr const wchar_t* kClassName = L"OrvelMailbox";

using FollowUp = std::function<void()>;

LRESULT CALLBACK MailboxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != kFollowUp) return DefWindowProcW(hwnd, msg, wp, lp);
  const std::unique_ptr<FollowUp> followUp(reinterpret_cast<FollowUp*>(lp));
  try {
    if (*followUp) (*followUp)();
  } catch (...) {
    ReportSwallowedFailure("a follow-up of work on another thread");
  }
  return 0;
}

}  // namespace

void Mailbox::Post(std::function<void()> followUp) {
  auto posted = std::make_unique<FollowUp>(std::move(followUp));
  const std::lock_guard<std::mutex> hold(lock_);
  if (window_ && PostMessageW(window_, kFollowUp, 0, reinterpret_cast<LPARAM>(posted.get())))
    static_cast<void>(posted.release());  // the window's procedure owns it now
}

MailboxWindow::MailboxWindow() : mailbox_(std::make_shared<Mailbox>()) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = MailboxProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  // A second mailbox in the same process finds the class registered.
  RegisterClassExW(&wc);
  window_.reset(
      CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr));
  mailbox_->window_ = window_.get();
}

MailboxWindow::~MailboxWindow() {
  {
    const std::lock_guard<std::mutex> hold(mailbox_->lock_);
    mailbox_->window_ = nullptr;
  }
  MSG msg;
  while (window_ && PeekMessageW(&msg, window_.get(), kFollowUp, kFollowUp, PM_REMOVE))
    std::unique_ptr<FollowUp>(reinterpret_cast<FollowUp*>(msg.lParam)).reset();
}

}  // namespace orvel::win32
