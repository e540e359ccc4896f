#include "platform/win32/control_peer.h"

#include <commctrl.h>

#include "platform/ui/containment.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/win32/dpi.h"
#include "platform/win32/failure_report.h"
#include "platform/win32/form_window.h"

namespace orvel::win32 {
namespace {

constexpr wchar_t kControlProp[] = L"OrvelControl";
constexpr UINT_PTR kControlSubclassId = 0x4F43;  // "OC"

}  // namespace

ControlPeer::ControlPeer(FormWindow& form, ui::Widget& widget)
    : form_(&form), widget_(widget), id_(form.NextControlId()) {
  form_->AddControl(this);
}

ControlPeer::~ControlPeer() {
  if (form_) form_->RemoveControl(this);
  if (HWND hwnd = hwnd_.get()) {
    RemovePropW(hwnd, kControlProp);
    if (subclassed_) RemoveWindowSubclass(hwnd, &ControlPeer::SubclassProc, kControlSubclassId);
  }
  hwnd_.reset();
}

ControlPeer* ControlPeer::FromHwnd(HWND hwnd) {
  return hwnd ? static_cast<ControlPeer*>(GetPropW(hwnd, kControlProp)) : nullptr;
}

bool ControlPeer::StillOurs(HWND hwnd, const ControlPeer* peer) {
  return IsWindow(hwnd) && FromHwnd(hwnd) == peer;
}

bool ControlPeer::CreateControl(const wchar_t* windowClass, const std::wstring& text, DWORD style,
                                DWORD exStyle) {
  if (!form_ || !form_->hwnd()) return false;
  const UINT d = dpi();
  const ui::Bounds& b = widget_.bounds();
  // Made shown and enabled as it will be, rather than changed right after: a matrix makes
  // thousands of controls, and every change is a call into the system.
  if (ui::ShownVisible(widget_)) style |= WS_VISIBLE;
  if (!ui::ShownEnabled(widget_)) style |= WS_DISABLED;
  // Every sibling clips the others so that overlapping controls paint in their stacking order.
  HWND hwnd = CreateWindowExW(
      exStyle, windowClass, text.c_str(), style | WS_CHILD | WS_CLIPSIBLINGS, TwipsToPx(b.left, d),
      TwipsToPx(b.top, d), TwipsToPx(b.width, d), TwipsToPx(b.height, d), form_->hwnd(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return false;
  hwnd_.reset(hwnd);
  SetPropW(hwnd, kControlProp, this);
  // New children join the bottom of the stack: push the background ones below them again.
  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  if (IsBackground()) {
    form_->AddBackground(this);
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, kFlags);
  } else {
    for (ControlPeer* p : form_->backgrounds())
      if (p->hwnd()) SetWindowPos(p->hwnd(), HWND_BOTTOM, 0, 0, 0, 0, kFlags);
  }
  return true;
}

void ControlPeer::Subclass() {
  if (hwnd_ && !subclassed_)
    subclassed_ = SetWindowSubclass(hwnd_.get(), &ControlPeer::SubclassProc, kControlSubclassId,
                                    reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

LRESULT CALLBACK ControlPeer::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                           DWORD_PTR ref) {
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &ControlPeer::SubclassProc, kControlSubclassId);
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  auto* self = reinterpret_cast<ControlPeer*>(ref);
  try {
    return self->OnMessage(hwnd, msg, wp, lp);
  } catch (...) {
    ReportSwallowedFailure("control message");
    return StillOurs(hwnd, self) ? DefSubclassProc(hwnd, msg, wp, lp) : 0;
  }
}

LRESULT ControlPeer::OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  // A disabled control lets the mouse through to what lies beneath (the form).
  if (msg == WM_NCHITTEST && !IsWindowEnabled(hwnd)) return HTTRANSPARENT;
  return DefSubclassProc(hwnd, msg, wp, lp);
}

UINT ControlPeer::dpi() const {
  return form_ ? form_->dpi() : SystemDpi();
}

double ControlPeer::ToTwips(int px) const {
  return PxToTwips(px, dpi());
}

int ShiftOf(WPARAM wp) {
  int shift = 0;
  if (wp & MK_SHIFT) shift |= ui::kShift;
  if (wp & MK_CONTROL) shift |= ui::kCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ui::kAlt;
  return shift;
}

int ControlPeer::StyleBits(HWND hwnd, DWORD bits, bool on) {
  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  style = on ? (style | static_cast<LONG_PTR>(bits)) : (style & ~static_cast<LONG_PTR>(bits));
  SetWindowLongPtrW(hwnd, GWL_STYLE, style);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return static_cast<int>(style);
}

void ControlPeer::ApplyFont(const ui::Font& font) {
  if (!hwnd_ || !form_) return;
  SendMessageW(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(form_->SharedFont(font)), TRUE);
}

void ControlPeer::ApplyBounds() {
  if (!hwnd_) return;
  const UINT d = dpi();
  const ui::Bounds& b = widget_.bounds();
  SetWindowPos(hwnd_.get(), nullptr, TwipsToPx(b.left, d), TwipsToPx(b.top, d),
               TwipsToPx(b.width, d), TwipsToPx(b.height, d), SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlPeer::ApplyState() {
  ShowAndEnable(ui::ShownVisible(widget_), ui::ShownEnabled(widget_));
}

void ControlPeer::ShowAndEnable(bool visible, bool enabled) {
  HWND hwnd = hwnd_.get();
  if (!hwnd) return;
  // Only what changes: a frame's state reaches every control inside it.
  if ((IsWindowEnabled(hwnd) != FALSE) != enabled) EnableWindow(hwnd, enabled ? TRUE : FALSE);
  const bool shown = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != visible) ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

void ControlPeer::Changed(ui::Property what) {
  switch (what) {
    case ui::Property::Bounds:
      ApplyBounds();
      if (IsFrame() && form_)
        form_->ApplyContainment();
      else
        ApplyState();
      break;
    case ui::Property::Visible:
    case ui::Property::Enabled:
      if (IsFrame() && form_)
        form_->ApplyContainment();
      else
        ApplyState();
      break;
    default:
      OnChanged(what);
      break;
  }
}

void ControlPeer::Focus() {
  if (hwnd_) SetFocus(hwnd_.get());
}

HBRUSH ControlPeer::OnColour(HDC dc) {
  if (!form_) return nullptr;
  // Check boxes, frames and pictures sit on the form's own background.
  SetBkColor(dc, form_->form().BackColour());
  return form_->backBrush();
}

void ControlPeer::UseDefaultFont() {
  defaultFont_ = true;
  ApplyFont(ui::Font{});
}

void ControlPeer::OnDpiChanged() {
  ApplyBounds();
  if (defaultFont_) ApplyFont(ui::Font{});
}

}  // namespace orvel::win32
