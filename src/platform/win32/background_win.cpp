// Work off the window thread: a thread of its own for each piece of work, whose end is posted to
// a message-only window of the window thread, where its `done` runs.
#include <windows.h>

#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/win32/failure_report.h"
#include "platform/win32/services_win.h"

namespace orvel::win32 {
namespace {

constexpr UINT kWorkDone = WM_APP + 19;
constexpr const wchar_t* kClassName = L"OrvelBackground";

using Finished = std::function<void()>;

LRESULT CALLBACK MailboxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != kWorkDone) return DefWindowProcW(hwnd, msg, wp, lp);
  const std::unique_ptr<Finished> finished(reinterpret_cast<Finished*>(lp));
  try {
    if (*finished) (*finished)();
  } catch (...) {
    ReportSwallowedFailure("finished background work");
  }
  return 0;
}

}  // namespace

// The window that hears of finished work, shared with the threads: once the backend has gone it
// is cleared, and a thread that ends later posts nothing.
struct Win32Background::Mailbox {
  std::mutex lock;
  HWND window = nullptr;

  void Post(std::unique_ptr<Finished> finished) {
    const std::lock_guard<std::mutex> hold(lock);
    if (window && PostMessageW(window, kWorkDone, 0, reinterpret_cast<LPARAM>(finished.get())))
      static_cast<void>(finished.release());  // the window's procedure owns it now
  }
};

Win32Background::Win32Background(std::shared_ptr<ui::Http> http)
    : http_(std::move(http)), mailbox_(std::make_shared<Mailbox>()) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = MailboxProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  // A second platform in the same process (tests) finds the class registered.
  RegisterClassExW(&wc);
  window_.reset(
      CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr));
  mailbox_->window = window_.get();
}

Win32Background::~Win32Background() {
  {
    const std::lock_guard<std::mutex> hold(mailbox_->lock);
    mailbox_->window = nullptr;
  }
  // Work that ended but was not yet heard of is dropped with its `done`.
  MSG msg;
  while (window_ && PeekMessageW(&msg, window_.get(), kWorkDone, kWorkDone, PM_REMOVE))
    std::unique_ptr<Finished>(reinterpret_cast<Finished*>(msg.lParam)).reset();
}

void Win32Background::Run(std::function<void(ui::Http&)> work, std::function<void()> done) {
  // Shared with the thread, so that `done` still runs when no thread can be started.
  const auto finished = std::make_shared<Finished>(std::move(done));
  try {
    std::thread([http = http_, mailbox = mailbox_, work = std::move(work), finished] {
      try {
        if (work) work(*http);
      } catch (...) {
        ReportSwallowedFailure("background work");
      }
      mailbox->Post(std::make_unique<Finished>(std::move(*finished)));
    }).detach();
  } catch (...) {
    ReportSwallowedFailure("starting background work");
    mailbox_->Post(std::make_unique<Finished>(std::move(*finished)));
  }
}

}  // namespace orvel::win32
