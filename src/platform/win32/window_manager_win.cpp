#include <windows.h>

#include <commctrl.h>

#include "platform/ui/form.h"
#include "platform/win32/form_window.h"
#include "platform/win32/services_win.h"

namespace orvel::win32 {
namespace {

// Fixed ids: one bottom hook per window at most, apart from the tray's own subclass.
constexpr UINT_PTR kBottomHookId = 0x4642;  // "FB"
// Marks a window that carries the bottom hook.
constexpr wchar_t kBottomHookProp[] = L"MY_WINPROP_PROCADDRESS";

LRESULT CALLBACK BottomHookProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_WINDOWPOSCHANGING) {
    // Every change of place in the stack becomes a move to the bottom.
    auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
    pos->hwndInsertAfter = HWND_BOTTOM;
    pos->flags &= ~static_cast<UINT>(SWP_NOZORDER);
  } else if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &BottomHookProc, kBottomHookId);
    RemovePropW(hwnd, kBottomHookProp);
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

HWND HwndOf(const ui::Form& form) { return FormWindow::HwndOf(&form); }

}  // namespace

void SetBottomHook(HWND hwnd, bool on) {
  if (!hwnd) return;
  // Subclasses chain by id: removing ours never unlinks another hook on the window.
  if (on) {
    if (SetWindowSubclass(hwnd, &BottomHookProc, kBottomHookId, 0))
      SetPropW(hwnd, kBottomHookProp, reinterpret_cast<HANDLE>(INT_PTR{1}));
  } else if (RemovePropW(hwnd, kBottomHookProp)) {
    RemoveWindowSubclass(hwnd, &BottomHookProc, kBottomHookId);
  }
}

bool HasBottomHook(HWND hwnd) { return hwnd && GetPropW(hwnd, kBottomHookProp) != nullptr; }

void Win32WindowManager::SetTopmost(ui::Form& form, bool topmost) {
  if (HWND hwnd = HwndOf(form))
    SetWindowPos(hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32WindowManager::SetLayered(ui::Form& form, bool colourKey, ui::Colour colour, int alpha) {
  HWND hwnd = HwndOf(form);
  if (!hwnd) return;
  // Each step is tried even when the one before failed.
  const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  const BYTE a = static_cast<BYTE>(alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha));
  SetLayeredWindowAttributes(hwnd, colour, a, colourKey ? LWA_COLORKEY : LWA_ALPHA);
}

void Win32WindowManager::SetRoundRegion(ui::Form& form, int widthPx, int heightPx, int ellipsePx) {
  HWND hwnd = HwndOf(form);
  if (!hwnd) return;
  RegionHandle region(CreateRoundRectRgn(0, 0, widthPx, heightPx, ellipsePx, ellipsePx));
  if (region && SetWindowRgn(hwnd, region.get(), TRUE)) region.release();  // the system owns it
}

void Win32WindowManager::BeginDrag(ui::Form& form) {
  HWND hwnd = HwndOf(form);
  if (!hwnd) return;
  ReleaseCapture();
  SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Win32WindowManager::SetBottomHook(ui::Form& form, bool on) {
  win32::SetBottomHook(HwndOf(form), on);
}

bool Win32WindowManager::HasBottomHook(const ui::Form& form) const {
  return win32::HasBottomHook(HwndOf(form));
}

}  // namespace orvel::win32
