// Label: a STATIC that reports clicks (SS_NOTIFY), in its own colours and font.
#include <windows.h>

#include <windowsx.h>

#include "platform/win32/control_peers.h"
#include "platform/win32/form_window.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

class LabelPeer final : public ControlPeer {
 public:
  LabelPeer(FormWindow& form, ui::Label& label) : ControlPeer(form, label), label_(label) {
    if (!CreateControl(L"STATIC", Widen(label.Caption()), SS_LEFT | SS_NOTIFY, 0)) return;
    if (label.BorderStyle() == 1) StyleBits(hwnd(), WS_BORDER, true);
    ApplyColours();
    ApplyFont(label.font());
    Subclass();
    ApplyState();
  }

  void OnCommand(UINT code) override {
    if (code == STN_CLICKED) label_.UserClick();
    else if (code == STN_DBLCLK) label_.UserDblClick();
  }

  HBRUSH OnColour(HDC dc) override {
    SetTextColor(dc, label_.ForeColour());
    if (label_.transparentBack && form_) {
      SetBkMode(dc, TRANSPARENT);
      return form_->backBrush();
    }
    SetBkColor(dc, label_.BackColour());
    return brush_.get();
  }

  void OnDpiChanged() override {
    ApplyBounds();
    ApplyFont(label_.font());
  }

 protected:
  void OnChanged(ui::Property what) override {
    switch (what) {
      case ui::Property::Text: SetWindowTextW(hwnd(), Widen(label_.Caption()).c_str()); break;
      case ui::Property::Colours:
        ApplyColours();
        InvalidateRect(hwnd(), nullptr, TRUE);
        break;
      case ui::Property::Font:
      case ui::Property::Bold: ApplyFont(label_.font()); break;
      case ui::Property::BorderStyle: StyleBits(hwnd(), WS_BORDER, label_.BorderStyle() == 1); break;
      default: break;
    }
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    ui::MouseButton button{};
    switch (msg) {
      case WM_LBUTTONDOWN: button = ui::MouseButton::Left; break;
      case WM_RBUTTONDOWN: button = ui::MouseButton::Right; break;
      default: return ControlPeer::OnMessage(hwnd, msg, wp, lp);
    }
    // Mouse-down first, then the click the static reports on the same press.
    label_.UserMouseDown(button, ShiftOf(wp), ToTwips(GET_X_LPARAM(lp)), ToTwips(GET_Y_LPARAM(lp)));
    return StillOurs(hwnd, this) ? DefSubclassProc(hwnd, msg, wp, lp) : 0;
  }

 private:
  void ApplyColours() { brush_.reset(CreateSolidBrush(label_.BackColour())); }

  ui::Label& label_;
  BrushHandle brush_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeLabelPeer(FormWindow& form, ui::Label& label) {
  return std::make_unique<LabelPeer>(form, label);
}

}  // namespace orvel::win32
