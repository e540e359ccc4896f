#include "platform/win32/dpi.h"
#include "platform/win32/services_win.h"

namespace orvel::win32 {

double Win32Screen::TwipsPerPixelX() const {
  return static_cast<double>(kTwipsPerInch) / SystemDpi();
}
double Win32Screen::TwipsPerPixelY() const { return TwipsPerPixelX(); }
double Win32Screen::WidthTwips() const {
  return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX();
}
double Win32Screen::HeightTwips() const {
  return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY();
}

}  // namespace orvel::win32
