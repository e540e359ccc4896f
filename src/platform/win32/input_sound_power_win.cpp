// Small system calls: the pointer and keys, the beep, and shutdown.
#include "platform/key_activity.h"
#include "platform/win32/services_win.h"

namespace orvel::win32 {

ui::Point Win32Input::CursorPos() const {
  POINT pt{};
  GetCursorPos(&pt);
  return ui::Point{pt.x, pt.y};
}

bool Win32Input::KeyPressedAndDown() {
  return orvel::KeyPressedAndDown(
      [](int key) { return static_cast<std::int16_t>(GetAsyncKeyState(key)); });
}

ui::DoubleClickRule Win32Input::DoubleClick() const {
  return ui::DoubleClickRule{static_cast<int>(GetDoubleClickTime()),
                             GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)};
}

void Win32Sound::Beep(int frequency, int durationMs) {
  ::Beep(static_cast<DWORD>(frequency > 0 ? frequency : 0),
         static_cast<DWORD>(durationMs > 0 ? durationMs : 0));
}

void Win32Power::GetShutdownPrivilege() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) return;
  KernelHandle token(raw);
  TOKEN_PRIVILEGES tp{};
  if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &tp.Privileges[0].Luid)) return;
  tp.PrivilegeCount = 1;
  tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  AdjustTokenPrivileges(token.get(), FALSE, &tp, 0, nullptr, nullptr);
}

void Win32Power::RequestShutdown() {
  ExitWindowsEx(EWX_SHUTDOWN, 0);
}

void Win32Power::KeepAwake(bool on) {
  // ES_CONTINUOUS makes the state last until the next call instead of resetting the idle
  // timers once.
  SetThreadExecutionState(on ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED
                             : ES_CONTINUOUS);
}

}  // namespace orvel::win32
