#include "platform/win32/dpi.h"

#include <algorithm>
#include <cmath>

#include "platform/text_codec.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

UINT ScreenDcDpi() {
  WindowDc dc(nullptr);
  const int dpi = dc.get() ? GetDeviceCaps(dc.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? static_cast<UINT>(dpi) : 96u;
}

}  // namespace

UINT SystemDpi() {
  // Loaded by name: Windows 7 and older Wine releases have no GetDpiForSystem.
  using Fn = UINT(WINAPI*)();
  static const Fn getDpiForSystem = LoadProc<Fn>(L"user32.dll", "GetDpiForSystem");
  if (getDpiForSystem) {
    const UINT dpi = getDpiForSystem();
    if (dpi > 0) return dpi;
  }
  return ScreenDcDpi();
}

UINT WindowDpi(HWND hwnd) {
  using Fn = UINT(WINAPI*)(HWND);
  static const Fn getDpiForWindow = LoadProc<Fn>(L"user32.dll", "GetDpiForWindow");
  if (hwnd && getDpiForWindow) {
    const UINT dpi = getDpiForWindow(hwnd);
    if (dpi > 0) return dpi;
  }
  return SystemDpi();
}

int TwipsToPx(double twips, UINT dpi) {
  const double t = std::clamp(twips, -2.0e9, 2.0e9);
  return MulDiv(static_cast<int>(std::lround(t)), static_cast<int>(dpi), kTwipsPerInch);
}

double PxToTwips(int px, UINT dpi) {
  return static_cast<double>(px) * kTwipsPerInch / static_cast<double>(dpi ? dpi : 96u);
}

FontHandle MakeFont(const ui::Font& font, UINT dpi) {
  const float size = font.size > 0 ? font.size : 9.0f;
  const int height = -static_cast<int>(std::lround(size * static_cast<float>(dpi) / 72.0f));
  // Chinese names are GB2312 faces; the system picks the best match for others.
  const BYTE charset = !IsAscii(font.name) ? GB2312_CHARSET : DEFAULT_CHARSET;
  const std::wstring face = Widen(font.name);
  return FontHandle(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                FALSE, charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                face.substr(0, LF_FACESIZE - 1).c_str()));
}

}  // namespace orvel::win32
