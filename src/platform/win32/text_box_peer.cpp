// TextBox: an EDIT. Only the user's typing reaches the widget; text set from code raises nothing.
#include <windows.h>

#include <windowsx.h>

#include "platform/ui/containment.h"
#include "platform/win32/control_peers.h"
#include "platform/win32/form_window.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

DWORD AlignStyle(int alignment) {
  switch (alignment) {
    case 1:
      return ES_RIGHT;
    case 2:
      return ES_CENTER;
    default:
      return ES_LEFT;
  }
}

std::wstring WindowText(HWND hwnd) {
  const int n = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(n > 0 ? n : 0) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, text.data(), n + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

class TextBoxPeer final : public ControlPeer {
 public:
  TextBoxPeer(FormWindow& form, ui::TextBox& box) : ControlPeer(form, box), box_(box) {
    DWORD style = WS_TABSTOP | AlignStyle(box.Alignment());
    style |= box.multiLine ? (ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN) : ES_AUTOHSCROLL;
    const DWORD ex = box.BorderStyle() == 1 ? WS_EX_CLIENTEDGE : 0;
    settingText_ = true;
    const bool made = CreateControl(L"EDIT", Widen(box.Text()), style, ex);
    settingText_ = false;
    if (!made) return;
    ApplyColours();
    ApplyFont(box.font());
    Subclass();
    ApplyState();
  }

  void OnCommand(UINT code) override {
    switch (code) {
      case EN_CHANGE:
        if (!settingText_) box_.UserSetText(Narrow(WindowText(hwnd())));
        break;
      case EN_KILLFOCUS:
        box_.UserLostFocus();
        break;
      default:
        break;
    }
  }

  HBRUSH OnColour(HDC dc) override {
    SetTextColor(dc, box_.ForeColour());
    SetBkColor(dc, box_.BackColour());
    return brush_;
  }

  void OnDpiChanged() override {
    ApplyBounds();
    ApplyFont(box_.font());
  }

 protected:
  void OnChanged(ui::Property what) override {
    switch (what) {
      case ui::Property::Text: {
        settingText_ = true;
        SetWindowTextW(hwnd(), Widen(box_.Text()).c_str());
        settingText_ = false;
        break;
      }
      case ui::Property::Colours:
        ApplyColours();
        InvalidateRect(hwnd(), nullptr, TRUE);
        break;
      case ui::Property::Font:
        ApplyFont(box_.font());
        break;
      case ui::Property::BorderStyle: {
        LONG_PTR ex = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
        ex = box_.BorderStyle() == 1 ? (ex | WS_EX_CLIENTEDGE) : (ex & ~LONG_PTR{WS_EX_CLIENTEDGE});
        SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, ex);
        SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        break;
      }
      case ui::Property::Layout:
        StyleBits(hwnd(), ES_LEFT | ES_RIGHT | ES_CENTER, false);
        StyleBits(hwnd(), AlignStyle(box_.Alignment()), true);
        InvalidateRect(hwnd(), nullptr, TRUE);
        break;
      default:
        break;
    }
  }

  // A box held by a disabled frame is inert rather than disabled: it keeps its colours (a
  // disabled edit greys its text whatever it is told), lets the mouse through to the form and
  // takes neither the focus nor typing. Its own disabled state still disables it.
  void ApplyState() override {
    if (!hwnd()) return;
    const bool inert = box_.Enabled() && !ui::ShownEnabled(box_);
    if (inert != inert_) {
      if (inert && GetFocus() == hwnd()) SetFocus(GetParent(hwnd()));
      StyleBits(hwnd(), WS_TABSTOP, !inert);
      inert_ = inert;
    }
    const bool readOnly = inert || box_.ReadOnly();
    if (readOnly != readOnly_) {
      SendMessageW(hwnd(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
      readOnly_ = readOnly;
    }
    ShowAndEnable(ui::ShownVisible(box_), box_.Enabled());
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    if (inert_ && (msg == WM_NCHITTEST || msg == WM_MOUSEACTIVATE))
      return msg == WM_NCHITTEST ? HTTRANSPARENT : MA_NOACTIVATE;
    switch (msg) {
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN: {
        const auto button = msg == WM_LBUTTONDOWN ? ui::MouseButton::Left : ui::MouseButton::Right;
        const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);  // caret and focus first
        if (StillOurs(hwnd, this))
          box_.UserMouseDown(button, ShiftOf(wp), ToTwips(GET_X_LPARAM(lp)),
                             ToTwips(GET_Y_LPARAM(lp)));
        return result;
      }
      case WM_LBUTTONUP: {
        const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
        if (StillOurs(hwnd, this)) box_.UserClick();
        return result;
      }
      case WM_LBUTTONDBLCLK: {
        const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
        if (StillOurs(hwnd, this)) box_.UserDblClick();
        return result;
      }
      default:
        return ControlPeer::OnMessage(hwnd, msg, wp, lp);
    }
  }

 private:
  // One brush a colour for the whole form: a matrix has thousands of boxes and a few colours.
  void ApplyColours() { brush_ = form_ ? form_->SharedBrush(box_.BackColour()) : nullptr; }

  ui::TextBox& box_;
  HBRUSH brush_ = nullptr;
  bool inert_ = false;
  bool readOnly_ = false;
  bool settingText_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeTextBoxPeer(FormWindow& form, ui::TextBox& box) {
  return std::make_unique<TextBoxPeer>(form, box);
}

}  // namespace orvel::win32
