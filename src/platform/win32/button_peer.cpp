// Button: a push button; the mouse-up with its button and shift state comes from a subclass.
#include <windows.h>

#include <windowsx.h>

#include "platform/win32/control_peers.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

class ButtonPeer final : public ControlPeer {
 public:
  ButtonPeer(FormWindow& form, ui::Button& button) : ControlPeer(form, button), button_(button) {
    if (!CreateControl(L"BUTTON", Widen(button.Caption()), BS_PUSHBUTTON | WS_TABSTOP, 0)) return;
    if (button.font())
      ApplyFont(*button.font());
    else
      UseDefaultFont();
    Subclass();
    ApplyState();
  }

  void OnCommand(UINT code) override {
    if (code == BN_CLICKED) button_.UserClick();
  }
  HBRUSH OnColour(HDC) override { return nullptr; }

 protected:
  void OnChanged(ui::Property what) override {
    if (what == ui::Property::Text) SetWindowTextW(hwnd(), Widen(button_.Caption()).c_str());
    if (what == ui::Property::Font && button_.font()) ApplyFont(*button_.font());
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    ui::MouseButton button{};
    switch (msg) {
      case WM_LBUTTONUP: button = ui::MouseButton::Left; break;
      case WM_RBUTTONUP: button = ui::MouseButton::Right; break;
      default: return ControlPeer::OnMessage(hwnd, msg, wp, lp);
    }
    const int shift = ShiftOf(wp);
    const double x = ToTwips(GET_X_LPARAM(lp)), y = ToTwips(GET_Y_LPARAM(lp));
    // The button releases its capture and reports its click first; a handler that opens a
    // menu then finds the button at rest.
    const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
    if (StillOurs(hwnd, this)) button_.UserMouseUp(button, shift, x, y);
    return result;
  }

 private:
  ui::Button& button_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeButtonPeer(FormWindow& form, ui::Button& button) {
  return std::make_unique<ButtonPeer>(form, button);
}

}  // namespace orvel::win32
