// The foreground events of the system and the shell's notification state.
#include <windows.h>

#include <shellapi.h>

#include <map>
#include <memory>
#include <utility>

#include "platform/win32/failure_report.h"
#include "platform/win32/handles.h"
#include "platform/win32/services_win.h"

namespace orvel::win32 {
namespace {

class Win32ForegroundHook;

// An event procedure is handed no context of its own: the hooks of the process by their handle.
// Hooks are made, called and dropped on the window thread only.
std::map<HWINEVENTHOOK, Win32ForegroundHook*>& HooksByHandle() {
  static std::map<HWINEVENTHOOK, Win32ForegroundHook*> hooks;
  return hooks;
}

class Win32ForegroundHook final : public ui::ForegroundHook {
 public:
  explicit Win32ForegroundHook(std::function<void()> onChange) : onChange_(std::move(onChange)) {
    // Out of context: the system posts the event to this thread's message loop instead of
    // loading this program into every other one; its own windows coming forward are left out.
    hook_.reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &OnEvent,
                                0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    if (hook_) HooksByHandle()[hook_.get()] = this;
  }
  ~Win32ForegroundHook() override {
    if (hook_) HooksByHandle().erase(hook_.get());
  }
  Win32ForegroundHook(const Win32ForegroundHook&) = delete;
  Win32ForegroundHook& operator=(const Win32ForegroundHook&) = delete;

  bool Hooked() const { return static_cast<bool>(hook_); }

 private:
  static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND, LONG, LONG, DWORD, DWORD) {
    if (event != EVENT_SYSTEM_FOREGROUND) return;
    const auto it = HooksByHandle().find(hook);
    // Posted events may still arrive for a hook that is gone.
    if (it == HooksByHandle().end()) return;
    try {
      it->second->onChange_();
    } catch (...) {
      ReportSwallowedFailure("foreground event");
    }
  }

  std::function<void()> onChange_;
  WinEventHookHandle hook_;
};

}  // namespace

std::unique_ptr<ui::ForegroundHook> Win32Foreground::Watch(std::function<void()> onChange) {
  auto hook = std::make_unique<Win32ForegroundHook>(std::move(onChange));
  if (!hook->Hooked()) return nullptr;
  return hook;
}

ui::NotificationState Win32Notifications::State() const {
  QUERY_USER_NOTIFICATION_STATE state{};
  if (FAILED(SHQueryUserNotificationState(&state)))
    return ui::NotificationState::AcceptsNotifications;
  // By number: the Windows 7 headers lack the newest value.
  switch (static_cast<int>(state)) {
    case 1:  // QUNS_NOT_PRESENT
      return ui::NotificationState::NotPresent;
    case 2:  // QUNS_BUSY
      return ui::NotificationState::Busy;
    case 3:  // QUNS_RUNNING_D3D_FULL_SCREEN
      return ui::NotificationState::Direct3DFullScreen;
    case 4:  // QUNS_PRESENTATION_MODE
      return ui::NotificationState::PresentationMode;
    case 6:  // QUNS_QUIET_TIME
      return ui::NotificationState::QuietTime;
    case 7:  // QUNS_APP, Windows 8
      return ui::NotificationState::FullScreenApp;
    default:
      return ui::NotificationState::AcceptsNotifications;
  }
}

}  // namespace orvel::win32
