// CheckBox: a plain BS_CHECKBOX; the widget decides the value, the box only shows it.
#include "platform/win32/control_peers.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

class CheckBoxPeer final : public ControlPeer {
 public:
  CheckBoxPeer(FormWindow& form, ui::CheckBox& box) : ControlPeer(form, box), box_(box) {
    if (!CreateControl(L"BUTTON", Widen(box.Caption()), BS_CHECKBOX | WS_TABSTOP, 0)) return;
    UseDefaultFont();
    ApplyValue();
    Subclass();
    ApplyState();
  }

  void OnCommand(UINT code) override {
    // Not an automatic box: the value changes through the widget, which raises the click.
    if (code == BN_CLICKED) box_.UserClick();
  }

 protected:
  void OnChanged(ui::Property what) override {
    if (what == ui::Property::Value) ApplyValue();
  }

 private:
  void ApplyValue() {
    SendMessageW(hwnd(), BM_SETCHECK, box_.Value() == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  ui::CheckBox& box_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeCheckBoxPeer(FormWindow& form, ui::CheckBox& box) {
  return std::make_unique<CheckBoxPeer>(form, box);
}

}  // namespace orvel::win32
