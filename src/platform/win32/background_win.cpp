// Work off the window thread: a thread of its own for each piece of work, whose end is posted to
// the window thread's mailbox, where its `done` runs.
#include <windows.h>

#include <memory>
#include <thread>
#include <utility>

#include "platform/win32/failure_report.h"
#include "platform/win32/services_win.h"

namespace orvel::win32 {

Win32Background::Win32Background(std::shared_ptr<ui::Http> http,
                                 std::shared_ptr<ui::TimeQueries> time)
    : http_(std::move(http)), time_(std::move(time)) {}

// Work that ended but was not yet heard of is dropped with its `done` by the mailbox window.
Win32Background::~Win32Background() = default;

void Win32Background::Run(std::function<void(ui::Http&)> work, std::function<void()> done) {
  RunTimed(
      [work = std::move(work)](ui::Http& http, ui::TimeQueries&) {
        if (work) work(http);
      },
      std::move(done));
}

void Win32Background::RunTimed(std::function<void(ui::Http&, ui::TimeQueries&)> work,
                               std::function<void()> done) {
  const std::shared_ptr<Mailbox>& mailbox = mailbox_.mailbox();
  try {
    // The thread holds the services it uses: it may outlive the platform.
    std::thread([http = http_, time = time_, mailbox, work = std::move(work), done]() mutable {
      try {
        if (work) work(*http, *time);
      } catch (...) {
        ReportSwallowedFailure("background work");
      }
      mailbox->Post(std::move(done));
    }).detach();
  } catch (...) {
    // `done` still runs when no thread can be started.
    ReportSwallowedFailure("starting background work");
    mailbox->Post(std::move(done));
  }
}

}  // namespace orvel::win32
