#include <windows.h>

#include <commdlg.h>

#include "platform/ui/controls.h"
#include "platform/win32/form_window.h"
#include "platform/win32/input_box.h"
#include "platform/win32/services_win.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

UINT IconFlags(ui::MessageIcon icon) {
  switch (icon) {
    case ui::MessageIcon::Information: return MB_ICONINFORMATION;
    case ui::MessageIcon::Warning: return MB_ICONWARNING;
    case ui::MessageIcon::Error: return MB_ICONERROR;
    case ui::MessageIcon::Question: return MB_ICONQUESTION;
    default: return 0;
  }
}

}  // namespace

ui::MessageAnswer Win32Dialogs::MessageBox(const ui::Form* owner, const std::string& text,
                                           const std::string& title, ui::MessageIcon icon,
                                           ui::MessageButtons buttons) {
  HWND hwnd = FormWindow::HwndOf(owner);
  UINT flags = IconFlags(icon) | (buttons == ui::MessageButtons::YesNo ? MB_YESNO : MB_OK);
  // Without an owner the box still keeps every window of the program waiting.
  if (!hwnd) flags |= MB_TASKMODAL;
  const int answer = MessageBoxW(hwnd, Widen(text).c_str(), Widen(title).c_str(), flags);
  switch (answer) {
    case IDYES: return ui::MessageAnswer::Yes;
    case IDNO: return ui::MessageAnswer::No;
    default: return ui::MessageAnswer::Ok;
  }
}

std::string Win32Dialogs::InputBox(const ui::Form* owner, const std::string& prompt,
                                   const std::string& title, const std::string& defaultText) {
  return ShowInputBox(FormWindow::HwndOf(owner), prompt, title, defaultText);
}

std::optional<ui::Colour> Win32Dialogs::ChooseColour(const ui::Form* owner, ui::Colour initial) {
  // The short form: no preselected colour, sixteen black custom colours, no flags.
  (void)initial;
  COLORREF custom[16] = {};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = FormWindow::HwndOf(owner);
  cc.hInstance = reinterpret_cast<HWND>(GetModuleHandleW(nullptr));
  cc.rgbResult = 0;
  cc.lpCustColors = custom;
  cc.Flags = 0;
  if (!ChooseColorW(&cc)) return std::nullopt;
  return static_cast<ui::Colour>(cc.rgbResult);
}

void Win32Dialogs::ShowPopupMenu(const ui::Form* owner, const ui::PopupMenu& menu) {
  MenuHandle popup(CreatePopupMenu());
  if (!popup) return;
  const auto& items = menu.Items();
  for (std::size_t i = 0; i < items.size(); ++i)
    AppendMenuW(popup.get(), MF_STRING, i + 1, Widen(items[i].caption).c_str());
  HWND hwnd = FormWindow::HwndOf(owner);
  POINT pt{};
  GetCursorPos(&pt);
  // The menu closes properly only when its owner is the foreground window.
  if (hwnd) SetForegroundWindow(hwnd);
  const BOOL chosen = TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON,
                                     pt.x, pt.y, 0, hwnd ? hwnd : GetActiveWindow(), nullptr);
  if (hwnd) PostMessageW(hwnd, WM_NULL, 0, 0);
  popup.reset();
  if (chosen > 0) menu.Choose(static_cast<std::size_t>(chosen) - 1);
}

}  // namespace orvel::win32
