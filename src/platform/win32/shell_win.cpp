#include <windows.h>

#include <shellapi.h>

#include "platform/win32/form_window.h"
#include "platform/win32/services_win.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {

void Win32Shell::Open(const std::string& target) {
  ShellExecuteW(nullptr, L"open", Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Shell::Open(const std::string& target, ui::ShowState show, const ui::Form* owner,
                      const std::string& directory) {
  const std::wstring folder = Widen(directory);
  ShellExecuteW(FormWindow::HwndOf(owner), L"open", Widen(target).c_str(), nullptr,
                folder.empty() ? nullptr : folder.c_str(),
                show == ui::ShowState::Hidden ? SW_HIDE : SW_SHOWNORMAL);
}

}  // namespace orvel::win32
