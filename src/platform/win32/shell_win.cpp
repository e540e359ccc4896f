#include <windows.h>

#include <shellapi.h>

#include "platform/win32/services_win.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {

void Win32Shell::Open(const std::string& target) {
  ShellExecuteW(nullptr, L"open", Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace orvel::win32
