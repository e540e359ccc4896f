#include <windows.h>

#include <commctrl.h>

#include <utility>

#include "platform/ui/form.h"
#include "platform/win32/control_peer.h"
#include "platform/win32/form_window.h"
#include "platform/win32/services_win.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

// The system destroys a tooltip together with its owner window; destroy it here only if it is
// still there.
struct ToolTipWindowTraits {
  using Handle = HWND;
  static void Close(HWND h) {
    if (IsWindow(h)) DestroyWindow(h);
  }
};
using ToolTipWindow = UniqueHandle<ToolTipWindowTraits>;

WPARAM DelayCode(ui::ToolTipDelay which) {
  return which == ui::ToolTipDelay::AutoPop ? TTDT_AUTOPOP : TTDT_INITIAL;
}

class Win32ToolTip final : public ui::ToolTip {
 public:
  Win32ToolTip(HWND tip, UINT dpi) : tip_(tip), dpi_(dpi) {}

  void SetMaxWidth(std::int32_t pixels) override {
    if (!Alive()) return;
    // The forms scale with the screen's DPI; the width is given for 96 DPI. -1 turns wrapping off.
    const int width = pixels < 0 ? -1 : MulDiv(pixels, static_cast<int>(dpi_), 96);
    SendMessageW(tip_.get(), TTM_SETMAXTIPWIDTH, 0, width);
  }

  void SetDelay(ui::ToolTipDelay which, std::int32_t ms) override {
    if (!Alive()) return;
    SendMessageW(tip_.get(), TTM_SETDELAYTIME, DelayCode(which), MAKELPARAM(ms, 0));
  }

  std::int32_t Delay(ui::ToolTipDelay which) const override {
    if (!Alive()) return 0;
    return static_cast<std::int32_t>(SendMessageW(tip_.get(), TTM_GETDELAYTIME, DelayCode(which), 0));
  }

  bool AddTool(const ui::Widget& widget, const std::string& text, bool centred) override {
    const auto* peer = dynamic_cast<const ControlPeer*>(widget.peer());
    if (!Alive() || !peer || !peer->hwnd()) return false;
    HWND control = peer->hwnd();
    std::wstring wide = Widen(text);
    TTTOOLINFOW info{};
    // The version-5 size is understood by every comctl32, with or without the manifest.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    // The tool is the control's window, and the tooltip watches its mouse messages itself.
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS | (centred ? TTF_CENTERTIP : 0);
    info.hwnd = control;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    GetClientRect(control, &info.rect);
    info.lpszText = wide.data();
    return SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
  }

 private:
  bool Alive() const { return tip_ && IsWindow(tip_.get()); }
  ToolTipWindow tip_;
  UINT dpi_;
};

}  // namespace

std::unique_ptr<ui::ToolTip> Win32ToolTips::Create(const ui::Form& owner) {
  const FormWindow* window = FormWindow::Of(owner);
  if (!window || !window->hwnd()) return nullptr;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  // Shown even while the owner is inactive; ampersands shown as they are.
  HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             window->hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!tip) return nullptr;
  // Above a schedule window that is always on top.
  SetWindowPos(tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return std::make_unique<Win32ToolTip>(tip, window->dpi());
}

}  // namespace orvel::win32
