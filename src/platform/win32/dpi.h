#pragma once
// Twips and pixels at the real DPI, and fonts made for a DPI.
#include <windows.h>

#include "platform/ui/widget.h"
#include "platform/win32/handles.h"

namespace orvel::win32 {

constexpr int kTwipsPerInch = 1440;

// The DPI of the screen the process was started on.
UINT SystemDpi();
// The DPI of the monitor a window is on (GetDpiForWindow where the system has it).
UINT WindowDpi(HWND hwnd);

int TwipsToPx(double twips, UINT dpi);
double PxToTwips(int px, UINT dpi);

// A font for the given name, size in points and weight, at `dpi`.
FontHandle MakeFont(const ui::Font& font, UINT dpi);

}  // namespace orvel::win32
