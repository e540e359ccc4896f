// Keeping a window in front: its topmost place asserted again, and whether another program's
// window covers it or the whole monitor it is on.
#include <windows.h>

#include <cwchar>

#include "platform/ui/form.h"
#include "platform/win32/form_window.h"
#include "platform/win32/services_win.h"

namespace orvel::win32 {
namespace {

// A desktop holds a few hundred top-level windows; a walk never goes further than this.
constexpr int kMostWindowsLooked = 4096;

bool OfThisProcess(HWND hwnd) {
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  return process == GetCurrentProcessId();
}

// Visible and not minimised, read from the style, which asks nothing of the window's thread.
bool Shown(HWND hwnd) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  return (style & WS_VISIBLE) && !(style & WS_MINIMIZE);
}

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Contains(const RECT& outer, const RECT& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
         outer.bottom >= inner.bottom;
}

// The shell's desktop and the wallpaper's windows cover every monitor and are no program.
bool IsDesktop(HWND hwnd) {
  wchar_t name[16]{};
  if (!GetClassNameW(hwnd, name, 16)) return false;
  return std::wcscmp(name, L"Progman") == 0 || std::wcscmp(name, L"WorkerW") == 0;
}

// The window the user looks at on a monitor: the foreground window, or below the program's own
// foreground window the highest shown window of another program on that monitor.
HWND OtherProgramInFront(const RECT& monitor) {
  HWND hwnd = GetForegroundWindow();
  if (!hwnd || !OfThisProcess(hwnd)) return hwnd;
  int budget = kMostWindowsLooked;
  for (hwnd = GetWindow(hwnd, GW_HWNDNEXT); hwnd && budget-- > 0;
       hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
    RECT r{};
    if (Shown(hwnd) && !OfThisProcess(hwnd) && GetWindowRect(hwnd, &r) && Overlap(r, monitor))
      return hwnd;
  }
  return nullptr;
}

}  // namespace

bool CoveredByOtherProcess(HWND hwnd) {
  RECT mine{};
  if (!hwnd || !GetWindowRect(hwnd, &mine)) return false;
  // Only the windows above this one: in the topmost band these are few.
  int budget = kMostWindowsLooked;
  for (HWND above = GetWindow(hwnd, GW_HWNDPREV); above && budget-- > 0;
       above = GetWindow(above, GW_HWNDPREV)) {
    if (!Shown(above) || OfThisProcess(above)) continue;
    RECT r{};
    if (GetWindowRect(above, &r) && Overlap(r, mine)) return true;
  }
  return false;
}

bool FullScreenOverMonitorOf(HWND hwnd) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!hwnd || !GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor))
    return false;
  HWND front = OtherProgramInFront(monitor.rcMonitor);
  if (!front || !Shown(front) || IsDesktop(front)) return false;
  // A maximised window with a title bar is an ordinary window, even where the taskbar hides.
  const LONG_PTR style = GetWindowLongPtrW(front, GWL_STYLE);
  if ((style & WS_MAXIMIZE) && (style & WS_CAPTION) == WS_CAPTION) return false;
  RECT r{};
  return GetWindowRect(front, &r) && Contains(r, monitor.rcMonitor);
}

void Win32WindowManager::RaiseTopmost(ui::Form& form) {
  // Straight to the top of the band: a detour through not-topmost would flash the window.
  if (HWND hwnd = FormWindow::HwndOf(&form))
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
}

bool Win32WindowManager::CoveredByOther(const ui::Form& form) const {
  return CoveredByOtherProcess(FormWindow::HwndOf(&form));
}

bool Win32WindowManager::FullScreenOver(const ui::Form& form) const {
  return FullScreenOverMonitorOf(FormWindow::HwndOf(&form));
}

}  // namespace orvel::win32
