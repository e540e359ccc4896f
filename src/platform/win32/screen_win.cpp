#include <algorithm>
#include <utility>
#include <vector>

#include "platform/win32/dpi.h"
#include "platform/win32/form_window.h"
#include "platform/win32/services_win.h"

namespace orvel::win32 {
namespace {

struct FoundMonitor {
  RECT rect;
  RECT work;
  bool primary;
};

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM lp) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info))
    reinterpret_cast<std::vector<FoundMonitor>*>(lp)->push_back(
        FoundMonitor{info.rcMonitor, info.rcWork, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  return TRUE;
}

// Each monitor's whole rectangle or work area, the primary first, in twips.
std::vector<ui::Bounds> MonitorRects(double twips, RECT FoundMonitor::*which) {
  std::vector<FoundMonitor> found;
  EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&found));
  std::stable_partition(found.begin(), found.end(),
                        [](const FoundMonitor& m) { return m.primary; });
  // The monitors' rectangles are in the desktop's pixels (the manifest makes the program aware of
  // each monitor's DPI), which places map to at the system's DPI.
  std::vector<ui::Bounds> rects;
  for (const FoundMonitor& m : found) {
    const RECT& r = m.*which;
    rects.push_back(ui::Bounds{r.left * twips, r.top * twips, (r.right - r.left) * twips,
                               (r.bottom - r.top) * twips});
  }
  return rects;
}

}  // namespace

double Win32Screen::TwipsPerPixelX() const {
  return static_cast<double>(kTwipsPerInch) / SystemDpi();
}
double Win32Screen::TwipsPerPixelY() const {
  return TwipsPerPixelX();
}
double Win32Screen::WidthTwips() const {
  return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX();
}
double Win32Screen::HeightTwips() const {
  return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY();
}

std::vector<ui::Bounds> Win32Screen::Monitors() const {
  return MonitorRects(TwipsPerPixelX(), &FoundMonitor::rect);
}

std::vector<ui::Bounds> Win32Screen::WorkAreas() const {
  return MonitorRects(TwipsPerPixelX(), &FoundMonitor::work);
}

double Win32Screen::TwipsPerPixelOf(const ui::Form& form) const {
  // The DPI the window's size is drawn at; a form not on the screen has no pixels yet.
  const FormWindow* window = FormWindow::Of(form);
  const UINT dpi = window && window->hwnd() ? window->dpi() : SystemDpi();
  return static_cast<double>(kTwipsPerInch) / dpi;
}

}  // namespace orvel::win32
