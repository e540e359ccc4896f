// Keeping a window in front: its topmost place asserted again, and what the system tells of the
// other windows in the stack, which platform/ui/window_stack decides on.
#include <windows.h>

#include <dwmapi.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/ui/form.h"
#include "platform/ui/window_stack.h"
#include "platform/win32/form_window.h"
#include "platform/win32/services_win.h"

namespace orvel::win32 {
namespace {

// A desktop holds a few hundred top-level windows; a walk never goes further than this.
constexpr int kMostWindowsLooked = 4096;
// DWMWA_CLOAKED, which came with Windows 8: Windows 7 refuses the question, and cloaks nothing.
constexpr DWORD kCloakedAttribute = 14;

ui::Bounds BoundsOf(const RECT& r) {
  return {static_cast<double>(r.left), static_cast<double>(r.top),
          static_cast<double>(r.right - r.left), static_cast<double>(r.bottom - r.top)};
}

bool Cloaked(HWND hwnd) {
  DWORD cloaked = 0;
  return SUCCEEDED(DwmGetWindowAttribute(hwnd, kCloakedAttribute, &cloaked, sizeof(cloaked))) &&
         cloaked != 0;
}

// What the stack's rules need of a window, read from its styles, which asks nothing of the
// window's thread; a hidden window is told as hidden and nothing more.
ui::StackedWindow FactsOf(HWND hwnd) {
  ui::StackedWindow w;
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  w.visible = (style & WS_VISIBLE) != 0;
  if (!w.visible) return w;
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  w.ours = process == GetCurrentProcessId();
  if (w.ours) return w;
  const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  w.minimised = (style & WS_MINIMIZE) != 0;
  w.maximisedWithCaption = (style & WS_MAXIMIZE) && (style & WS_CAPTION) == WS_CAPTION;
  w.toolWindow = (ex & WS_EX_TOOLWINDOW) != 0;
  w.noActivate = (ex & WS_EX_NOACTIVATE) != 0;
  w.owned = GetWindow(hwnd, GW_OWNER) != nullptr;
  w.cloaked = Cloaked(hwnd);
  // The classes that matter are ASCII: read into local buffers, as the walk runs every second.
  wchar_t wide[64]{};
  char name[64]{};
  const int length = GetClassNameW(hwnd, wide, 64);
  for (int i = 0; i < length; ++i) name[i] = wide[i] < 0x80 ? static_cast<char>(wide[i]) : '?';
  w.role = ui::RoleOfClass(std::string_view(name, static_cast<std::size_t>(std::max(length, 0))));
  RECT r{};
  if (GetWindowRect(hwnd, &r)) w.rect = BoundsOf(r);
  return w;
}

}  // namespace

bool CoveredByOtherProcess(HWND hwnd) {
  RECT mine{};
  if (!hwnd || !GetWindowRect(hwnd, &mine)) return false;
  const ui::Bounds kept = BoundsOf(mine);
  // Only the windows above this one: in the topmost band these are few.
  int budget = kMostWindowsLooked;
  for (HWND above = GetWindow(hwnd, GW_HWNDPREV); above && budget-- > 0;
       above = GetWindow(above, GW_HWNDPREV))
    if (ui::Covers(FactsOf(above), kept)) return true;
  return false;
}

bool FullScreenOverMonitorOf(HWND hwnd) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!hwnd || !GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor))
    return false;
  // The stack from the top, whichever window has the foreground on whichever monitor.
  const ui::Bounds area = BoundsOf(monitor.rcMonitor);
  int budget = kMostWindowsLooked;
  for (HWND w = GetTopWindow(nullptr); w && budget-- > 0; w = GetWindow(w, GW_HWNDNEXT))
    if (const std::optional<bool> says = ui::FullScreenSays(FactsOf(w), area)) return *says;
  return false;
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
