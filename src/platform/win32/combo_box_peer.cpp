// ComboBox: a drop-down list, or a drop-down with an edit part for editable boxes.
#include "platform/win32/control_peers.h"
#include "platform/win32/dpi.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

// The list part drops below the box; its height counts in the window's height.
constexpr double kDropTwips = 3000;

class ComboBoxPeer final : public ControlPeer {
 public:
  ComboBoxPeer(FormWindow& form, ui::ComboBox& box) : ControlPeer(form, box), box_(box) {
    const DWORD style = (box.Editable() ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) |
                        WS_VSCROLL | WS_TABSTOP;
    if (!CreateControl(L"COMBOBOX", L"", style, 0)) return;
    UseDefaultFont();
    ApplyBounds();
    FillItems();
    Subclass();
    ApplyState();
  }

  void OnCommand(UINT code) override {
    if (code == CBN_SELCHANGE) {
      const LRESULT sel = SendMessageW(hwnd(), CB_GETCURSEL, 0, 0);
      if (sel != CB_ERR) box_.UserChoose(static_cast<int>(sel));
    } else if (code == CBN_EDITCHANGE && !settingText_) {
      const int n = GetWindowTextLengthW(hwnd());
      std::wstring text(static_cast<std::size_t>(n > 0 ? n : 0) + 1, L'\0');
      const int got = GetWindowTextW(hwnd(), text.data(), n + 1);
      text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
      box_.UserSetText(Narrow(text));
    }
  }

  HBRUSH OnColour(HDC) override { return nullptr; }

  void ApplyBounds() override {
    const UINT d = dpi();
    const ui::Bounds& b = box_.bounds();
    SetWindowPos(hwnd(), nullptr, TwipsToPx(b.left, d), TwipsToPx(b.top, d), TwipsToPx(b.width, d),
                 TwipsToPx(b.height + kDropTwips, d), SWP_NOZORDER | SWP_NOACTIVATE);
  }


 protected:
  void OnChanged(ui::Property what) override {
    switch (what) {
      case ui::Property::Items: FillItems(); break;
      case ui::Property::ListIndex:
      case ui::Property::Text: ApplySelection(); break;
      default: break;
    }
  }

 private:
  void FillItems() {
    SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
    for (const std::string& item : box_.Items())
      SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    ApplySelection();
  }

  void ApplySelection() {
    SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(box_.ListIndex()), 0);
    if (box_.Editable() && box_.ListIndex() < 0) {
      settingText_ = true;
      SetWindowTextW(hwnd(), Widen(box_.Text()).c_str());
      settingText_ = false;
    }
  }

  ui::ComboBox& box_;
  bool settingText_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeComboBoxPeer(FormWindow& form, ui::ComboBox& box) {
  return std::make_unique<ComboBoxPeer>(form, box);
}

}  // namespace orvel::win32
