#pragma once
// How work that ends on another thread hands its follow-up to the window thread: a message-only
// window of the window thread runs each follow-up from its message loop. The threads hold the
// mailbox, which outlives the window: once the owner has gone, what they post is dropped.
#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>

#include "platform/win32/handles.h"

namespace orvel::win32 {

class Mailbox {
 public:
  // From any thread. Dropped once the window has gone.
  void Post(std::function<void()> followUp);

 private:
  friend class MailboxWindow;
  std::mutex lock_;
  HWND window_ = nullptr;
};

class MailboxWindow {
 public:
  // On the window thread.
  MailboxWindow();
  // Closes the mailbox; follow-ups posted but not yet run are dropped.
  ~MailboxWindow();
  MailboxWindow(const MailboxWindow&) = delete;
  MailboxWindow& operator=(const MailboxWindow&) = delete;

  const std::shared_ptr<Mailbox>& mailbox() const { return mailbox_; }

 private:
  std::shared_ptr<Mailbox> mailbox_;
  WindowHandle window_;
};

}  // namespace orvel::win32
