#include "platform/win32/form_window.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/ui/erase_last.h"
#include "platform/win32/control_peer.h"
#include "platform/win32/dpi.h"
#include "platform/win32/dropped_files_win.h"
#include "platform/win32/failure_report.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace orvel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvelForm";
constexpr wchar_t kFormProp[] = L"OrvelForm";

DWORD StyleFor(const ui::Form& form) {
  DWORD style = WS_POPUP | WS_CLIPCHILDREN;
  if (form.style() == ui::FormStyle::FixedDialog) style |= WS_CAPTION | WS_SYSMENU;
  return style;
}

DWORD ExStyleFor(const ui::Form& form) {
  DWORD ex = WS_EX_CONTROLPARENT;
  if (form.style() == ui::FormStyle::FixedDialog) ex |= WS_EX_DLGMODALFRAME;
  if (!form.showInTaskbar) ex |= WS_EX_TOOLWINDOW;
  if (form.topmost) ex |= WS_EX_TOPMOST;
  if (!form.takesFocus) ex |= WS_EX_NOACTIVATE;
  return ex;
}

bool AdjustForDpi(RECT& r, DWORD style, DWORD ex, UINT dpi) {
  // Per-monitor frame sizes where the system has them.
  using Fn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const Fn adjust = LoadProc<Fn>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (adjust) return adjust(&r, style, FALSE, ex, dpi) != FALSE;
  return AdjustWindowRectEx(&r, style, FALSE, ex) != FALSE;
}

}  // namespace

void FormWindow::RegisterClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &FormWindow::WndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);  // a second platform in the same process finds it registered
}

FormWindow::FormWindow(Win32Platform& platform, ui::Form& form) : platform_(platform), form_(form) {
  dpi_ = SystemDpi();
  ApplyBackColour();
  const DWORD style = StyleFor(form_);
  const DWORD ex = ExStyleFor(form_);
  const std::wstring caption = Widen(form_.Caption());
  HWND hwnd = CreateWindowExW(ex, kClassName, caption.c_str(), style, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
  if (!hwnd) return;
  platform_.FormOpened();
  if (form_.acceptsDroppedFiles) AcceptDroppedFiles(hwnd);
  dpi_ = WindowDpi(hwnd);
  ApplyIcon();
  ApplyBounds();
}

FormWindow::~FormWindow() {
  for (ControlPeer* p : controls_) p->FormGone();
  if (HWND hwnd = hwnd_.get()) {
    // Messages sent while the window is destroyed no longer reach this object.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    RemovePropW(hwnd, kFormProp);
    hwnd_.reset();
    platform_.FormClosed();
  }
}

FormWindow* FormWindow::Of(const ui::Form& form) {
  return dynamic_cast<FormWindow*>(form.peer());
}

HWND FormWindow::HwndOf(const ui::Form* form) {
  FormWindow* w = form ? Of(*form) : nullptr;
  return w ? w->hwnd() : nullptr;
}

FormWindow* FormWindow::FromHwnd(HWND hwnd) {
  return hwnd ? static_cast<FormWindow*>(GetPropW(hwnd, kFormProp)) : nullptr;
}

LRESULT CALLBACK FormWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    SetPropW(hwnd, kFormProp, self);
    self->hwnd_.reset(hwnd);
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    RemovePropW(hwnd, kFormProp);
    if (self) {
      // Destroyed by the system (session end): nothing left to destroy later.
      self->hwnd_.release();
      self->platform_.FormClosed();
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  if (!self || self->closing_) return DefWindowProcW(hwnd, msg, wp, lp);
  try {
    return self->Handle(msg, wp, lp);
  } catch (...) {
    // A handler failed: the step is skipped, the window goes on.
    ReportSwallowedFailure("form message");
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

// Handlers may unload the form (and delete this object): nothing touches `this` after calling
// into the form.
LRESULT FormWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  HWND hwnd = hwnd_.get();
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rc{};
      GetClientRect(hwnd, &rc);
      FillRect(reinterpret_cast<HDC>(wp), &rc, backBrush_.get());
      return 1;
    }
    case WM_PAINT: {
      {
        PaintDc dc(hwnd);
      }
      if (form_.onPaint) form_.onPaint();
      return 0;
    }
    case WM_NCHITTEST: {
      // A borderless form is all client area, so that a system drag starts from anywhere.
      const LRESULT hit = DefWindowProcW(hwnd, msg, wp, lp);
      return form_.style() == ui::FormStyle::Borderless && hit == HTNOWHERE ? HTCLIENT : hit;
    }
    case WM_MOUSEACTIVATE:
      if (!form_.takesFocus && !form_.clickTakesFocus) return MA_NOACTIVATE;
      // A no-activate window is activated only when asked; the click is the user's own input,
      // so the system lets the program bring it to the foreground.
      if (!form_.takesFocus) SetForegroundWindow(hwnd);
      break;
    case WM_KEYDOWN:
      if (wp == VK_ESCAPE && form_.onEscape) {
        form_.UserEscape();
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
      OnMouseDown(ui::MouseButton::Left, wp, lp);
      return 0;
    case WM_RBUTTONDOWN:
      OnMouseDown(ui::MouseButton::Right, wp, lp);
      return 0;
    case WM_MBUTTONDOWN:
      OnMouseDown(ui::MouseButton::Middle, wp, lp);
      return 0;
    case WM_LBUTTONUP:
      form_.UserClick();
      return 0;
    case WM_LBUTTONDBLCLK:
      form_.UserDblClick();
      return 0;
    case WM_COMMAND:
      if (OnCommand(wp, lp)) return 0;
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lp);
      ControlPeer* peer = header ? ControlPeer::FromHwnd(header->hwndFrom) : nullptr;
      if (peer && peer->form() == this && peer->OnNotify(*header)) return 0;
      break;
    }
    case WM_CONTEXTMENU:
      // From a right click on the form, one a control passed on to its parent, or the menu key.
      // A form without a menu of its own leaves it to the system (a caption's system menu).
      if (!form_.onContextMenu) break;
      form_.UserContextMenu();
      return 0;
    case WM_DROPFILES:
      form_.UserDropFiles(TakeDroppedFiles(reinterpret_cast<HDROP>(wp)));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return OnControlColour(msg, wp, lp);
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wp));
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(wp, lp);
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
      if (!(pos->flags & SWP_NOMOVE)) OnMoved();
      break;
    }
    case WM_CLOSE:
      form_.UserClose();
      return 0;
    case WM_ENDSESSION:
      if (wp) form_.SessionEnding();
      return 0;
    case WM_TIMECHANGE:
      form_.ClockChanged(true);
      return 0;
    case WM_POWERBROADCAST:
      if (wp == PBT_APMRESUMEAUTOMATIC) form_.ClockChanged(false);
      return TRUE;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void FormWindow::OnMouseDown(ui::MouseButton button, WPARAM wp, LPARAM lp) {
  const double x = PxToTwips(GET_X_LPARAM(lp), dpi_);
  const double y = PxToTwips(GET_Y_LPARAM(lp), dpi_);
  form_.UserMouseDown(button, ShiftOf(wp), x, y);
}

bool FormWindow::OnCommand(WPARAM wp, LPARAM lp) {
  ControlPeer* peer = ControlPeer::FromHwnd(reinterpret_cast<HWND>(lp));
  if (!peer || peer->form() != this) return false;
  peer->OnCommand(HIWORD(wp));
  return true;
}

LRESULT FormWindow::OnControlColour(UINT msg, WPARAM wp, LPARAM lp) {
  HDC dc = reinterpret_cast<HDC>(wp);
  if (ControlPeer* peer = ControlPeer::FromHwnd(reinterpret_cast<HWND>(lp))) {
    if (HBRUSH brush = peer->OnColour(dc)) return reinterpret_cast<LRESULT>(brush);
  }
  return DefWindowProcW(hwnd_.get(), msg, wp, lp);
}

void FormWindow::OnTimer(UINT_PTR id) {
  for (ControlPeer* p : controls_)
    if (p->OnTimer(id)) return;  // the timer's handler may have unloaded the form
}

void FormWindow::OnDpiChanged(WPARAM wp, LPARAM lp) {
  const UINT dpi = HIWORD(wp);
  if (dpi == 0) return;
  dpi_ = dpi;
  if (applyingBounds_) {
    // Our own move took the window to another monitor: ApplyBounds sizes it again.
    dpiChangedWhileApplying_ = true;
    return;
  }
  // Moved by the user or the system (another monitor, a new scale): the suggested place, and
  // the form's size at the new DPI.
  const RECT* r = reinterpret_cast<const RECT*>(lp);
  form_.NativeMoved(PxToTwips(r->left, SystemDpi()), PxToTwips(r->top, SystemDpi()));
  ApplyBounds();
  AfterDpiChange();
}

void FormWindow::AfterDpiChange() {
  dpiChangedWhileApplying_ = false;
  for (ControlPeer* p : controls_) p->OnDpiChanged();
  ApplyIcon();
  InvalidateRect(hwnd_.get(), nullptr, TRUE);
  // Last: the form's handler may do anything with it (the region follows the new size).
  form_.NativeDpiChanged();
}

void FormWindow::OnMoved() {
  if (applyingBounds_) return;  // our own move: the form already holds the exact twips
  RECT r{};
  GetWindowRect(hwnd_.get(), &r);
  form_.NativeMoved(PxToTwips(r.left, SystemDpi()), PxToTwips(r.top, SystemDpi()));
}

void FormWindow::Changed(ui::Property what) {
  if (!hwnd_) return;
  switch (what) {
    case ui::Property::Text:
      SetWindowTextW(hwnd_.get(), Widen(form_.Caption()).c_str());
      break;
    case ui::Property::Bounds:
      ApplyBounds();
      break;
    case ui::Property::Colours:
      ApplyBackColour();
      InvalidateRect(hwnd_.get(), nullptr, TRUE);
      for (ControlPeer* p : controls_) InvalidateRect(p->hwnd(), nullptr, TRUE);
      break;
    case ui::Property::Picture:
      ApplyIcon();
      break;
    default:
      break;
  }
}

void FormWindow::ApplyBackColour() {
  backBrush_.reset(CreateSolidBrush(form_.BackColour()));
}

void FormWindow::ApplyBounds() {
  PlaceAndSize();
  // The move took the window to a monitor of another DPI: its size in pixels is another.
  if (dpiChangedWhileApplying_) {
    PlaceAndSize();
    AfterDpiChange();
  }
}

void FormWindow::PlaceAndSize() {
  HWND hwnd = hwnd_.get();
  const ui::Bounds& b = form_.bounds();
  // The place on the desktop's one scale, the size at the window's own DPI (ui::Screen).
  const UINT placeDpi = SystemDpi();
  int x = TwipsToPx(b.left, placeDpi), y = TwipsToPx(b.top, placeDpi);
  int w = TwipsToPx(b.width, dpi_), h = TwipsToPx(b.height, dpi_);
  if (IsDialog() && form_.ClientWidth() > 0 && form_.ClientHeight() > 0) {
    RECT r{0, 0, TwipsToPx(form_.ClientWidth(), dpi_), TwipsToPx(form_.ClientHeight(), dpi_)};
    AdjustForDpi(r, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)),
                 static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)), dpi_);
    w = r.right - r.left;
    h = r.bottom - r.top;
  }
  applyingBounds_ = true;
  SetWindowPos(hwnd, nullptr, x, y, std::max(w, 0), std::max(h, 0), SWP_NOZORDER | SWP_NOACTIVATE);
  applyingBounds_ = false;
}

void FormWindow::Centre() {
  HWND hwnd = hwnd_.get();
  RECT r{};
  GetWindowRect(hwnd, &r);
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &mi)) return;
  const RECT& work = mi.rcWork;
  const int x = work.left + ((work.right - work.left) - (r.right - r.left)) / 2;
  const int y = work.top + ((work.bottom - work.top) - (r.bottom - r.top)) / 2;
  applyingBounds_ = true;
  SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
  applyingBounds_ = false;
  form_.NativeMoved(PxToTwips(x, SystemDpi()), PxToTwips(y, SystemDpi()));
}

void FormWindow::ApplyIcon() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  const int id = form_.iconId > 0 ? form_.iconId : kAppIconId;
  auto load = [&](int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), 0));
  };
  bigIconOwned_.reset(load(SM_CXICON, SM_CYICON));
  smallIconOwned_.reset(load(SM_CXSMICON, SM_CYSMICON));
  // A program without the icon resource (a test) shows the system's application icon.
  HICON fallback = LoadIconW(nullptr, IDI_APPLICATION);
  bigIcon_ = bigIconOwned_ ? bigIconOwned_.get() : fallback;
  smallIcon_ = smallIconOwned_ ? smallIconOwned_.get() : fallback;
  SendMessageW(hwnd_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  SendMessageW(hwnd_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void FormWindow::Show() {
  if (!hwnd_) return;
  if (!shownOnce_) {
    shownOnce_ = true;
    ApplyBounds();
    if (form_.centred) Centre();
  }
  ShowWindow(hwnd_.get(), form_.takesFocus ? SW_SHOW : SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd_.get());
}

void FormWindow::Hide() {
  if (hwnd_) ShowWindow(hwnd_.get(), SW_HIDE);
}

void FormWindow::BringToFront() {
  if (!hwnd_) return;
  SetWindowPos(hwnd_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(hwnd_.get());
}

void FormWindow::AddControl(ControlPeer* peer) {
  controls_.push_back(peer);
}

void FormWindow::RemoveControl(ControlPeer* peer) {
  ui::EraseLast(controls_, peer);
  ui::EraseLast(backgrounds_, peer);
}

HFONT FormWindow::SharedFont(const ui::Font& font) {
  auto key = std::make_tuple(font.name, font.size, font.bold, dpi_);
  auto it = fonts_.find(key);
  if (it == fonts_.end()) it = fonts_.emplace(std::move(key), MakeFont(font, dpi_)).first;
  return it->second.get();
}

HBRUSH FormWindow::SharedBrush(COLORREF colour) {
  auto it = brushes_.find(colour);
  if (it == brushes_.end())
    it = brushes_.emplace(colour, BrushHandle(CreateSolidBrush(colour))).first;
  return it->second.get();
}

void FormWindow::Closing() {
  // One DestroyWindow takes every control's window with it, which is much faster than one call
  // a control; the peers, destroyed next, find their windows gone. The form has unloaded: what
  // the controls report while they go (a lost focus) reaches no handler.
  closing_ = true;
  for (ControlPeer* p : controls_) p->ReleaseWindow();
  if (HWND hwnd = hwnd_.get()) DestroyWindow(hwnd);
}

void FormWindow::ApplyContainment() {
  for (ControlPeer* p : controls_) p->ApplyState();
}

}  // namespace orvel::win32
