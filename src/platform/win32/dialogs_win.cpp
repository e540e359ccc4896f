#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <vector>

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

// Room for a long path; the dialog refuses a longer one.
constexpr DWORD kPathChars = 32768;

// "description\0patterns\0" for each filter, ended by one more "\0".
std::wstring FilterText(const std::vector<ui::FileFilter>& filters) {
  std::wstring text;
  for (const ui::FileFilter& filter : filters) {
    text += Widen(filter.description);
    text += L'\0';
    text += Widen(filter.patterns);
    text += L'\0';
  }
  text += L'\0';
  return text;
}

std::optional<std::string> FileDialog(const ui::Form* owner, const ui::FileDialogRequest& request,
                                      bool save) {
  std::vector<wchar_t> path(kPathChars, L'\0');
  const std::wstring name = Widen(request.fileName);
  if (name.size() < path.size()) std::copy(name.begin(), name.end(), path.begin());
  const std::wstring filters = FilterText(request.filters);
  const std::wstring title = Widen(request.title);
  const std::wstring extension = Widen(request.defaultExtension);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = FormWindow::HwndOf(owner);
  ofn.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = kPathChars;
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  // The program finds its files by its own folder, but the working folder stays where the
  // command line left it.
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
              (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!chosen) return std::nullopt;
  return Narrow(path.data());
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

namespace {

// Appends the items to `menu`, numbering the ones that can be chosen in `chosen` order (command
// 1 is chosen[0]); a submenu becomes a menu of its own that `menu` owns once appended.
void AppendItems(HMENU menu, const std::vector<ui::MenuItem>& items,
                 std::vector<const ui::MenuItem*>& chosen) {
  for (const ui::MenuItem& item : items) {
    const std::wstring caption = Widen(item.caption);
    const UINT checked = item.checked ? MF_CHECKED : 0u;
    if (item.caption.empty()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item.submenu.empty()) {
      MenuHandle submenu(CreatePopupMenu());
      if (!submenu) continue;
      AppendItems(submenu.get(), item.submenu, chosen);
      if (AppendMenuW(menu, MF_POPUP | MF_STRING | checked,
                      reinterpret_cast<UINT_PTR>(submenu.get()), caption.c_str()))
        static_cast<void>(submenu.release());
    } else {
      chosen.push_back(&item);
      AppendMenuW(menu, MF_STRING | checked | (item.onClick ? 0u : MF_GRAYED), chosen.size(),
                  caption.c_str());
    }
  }
}

}  // namespace

void Win32Dialogs::ShowPopupMenu(const ui::Form* owner, const ui::PopupMenu& menu) {
  MenuHandle popup(CreatePopupMenu());
  if (!popup) return;
  std::vector<const ui::MenuItem*> chosen;
  AppendItems(popup.get(), menu.Items(), chosen);
  HWND hwnd = FormWindow::HwndOf(owner);
  POINT pt{};
  GetCursorPos(&pt);
  // The menu closes properly only when its owner is the foreground window.
  if (hwnd) SetForegroundWindow(hwnd);
  const BOOL command = TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON,
                                      pt.x, pt.y, 0, hwnd ? hwnd : GetActiveWindow(), nullptr);
  if (hwnd) PostMessageW(hwnd, WM_NULL, 0, 0);
  popup.reset();
  if (command > 0 && static_cast<std::size_t>(command) <= chosen.size())
    ui::PopupMenu::Choose(*chosen[static_cast<std::size_t>(command) - 1]);
}

std::optional<std::string> Win32Dialogs::OpenFileName(const ui::Form* owner,
                                                      const ui::FileDialogRequest& request) {
  return FileDialog(owner, request, false);
}

std::optional<std::string> Win32Dialogs::SaveFileName(const ui::Form* owner,
                                                      const ui::FileDialogRequest& request) {
  return FileDialog(owner, request, true);
}

}  // namespace orvel::win32
