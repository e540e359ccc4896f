#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "platform/ui/form.h"
#include "platform/win32/failure_report.h"
#include "platform/win32/form_window.h"
#include "platform/win32/services_win.h"
#include "platform/system_numbers.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

constexpr UINT_PTR kTrayHookId = 0x5452;  // "TR", apart from the bottom hook's id

template <std::size_t N>
void CopyText(WCHAR (&field)[N], const std::string& ansi) {
  // The record's texts are already cut to the ANSI field sizes; a wide field holds as many.
  const std::wstring w = WidenAnsi(ansi);
  const std::size_t n = w.size() < N ? w.size() : N - 1;
  w.copy(field, n);
  field[n] = L'\0';
}

NOTIFYICONDATAW BaseRecord(HWND hwnd, const ui::TrayRecord& record) {
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof(nid);
  nid.hWnd = hwnd;
  nid.uID = static_cast<UINT>(record.iconId);
  return nid;
}

DWORD InfoFlags(ui::BalloonIcon icon) {
  switch (icon) {
    case ui::BalloonIcon::Info:
      return NIIF_INFO;
    case ui::BalloonIcon::Warning:
      return NIIF_WARNING;
    case ui::BalloonIcon::Error:
      return NIIF_ERROR;
    default:
      return NIIF_NONE;
  }
}

UINT CallbackMessage(ui::TrayCallback callback) {
  switch (callback) {
    case ui::TrayCallback::ProgramMessage:
      return sys::kTrayCallbackMessage;
    case ui::TrayCallback::MouseMove:
      return WM_MOUSEMOVE;
    default:
      return 0;
  }
}

bool AddIcon(HWND hwnd, HICON icon, const ui::TrayRecord& record) {
  NOTIFYICONDATAW nid = BaseRecord(hwnd, record);
  // Classic callback format (no NIM_SETVERSION): the second parameter is the mouse message.
  const UINT callback = CallbackMessage(record.callback);
  nid.uFlags = NIF_ICON | NIF_TIP | (callback ? NIF_MESSAGE : 0u);
  nid.uCallbackMessage = callback;
  nid.hIcon = icon;
  CopyText(nid.szTip, record.tipAnsi);
  return Shell_NotifyIconW(NIM_ADD, &nid) != FALSE;
}

}  // namespace

Win32Tray::Win32Tray() : taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

Win32Tray::~Win32Tray() {
  for (auto& [hwnd, hooked] : windows_) {
    RemoveWindowSubclass(hwnd, &Win32Tray::SubclassProc, kTrayHookId);
    (void)hooked;
  }
}

Win32Tray::Hooked& Win32Tray::HookWindow(HWND hwnd) {
  auto [it, added] = windows_.try_emplace(hwnd);
  if (added)
    SetWindowSubclass(hwnd, &Win32Tray::SubclassProc, kTrayHookId,
                      reinterpret_cast<DWORD_PTR>(this));
  return it->second;
}

bool Win32Tray::Add(ui::Form& form, const ui::TrayRecord& record) {
  FormWindow* window = FormWindow::Of(form);
  if (!window || !window->hwnd()) return false;
  Hooked& hooked = HookWindow(window->hwnd());
  hooked.icon = record;
  hooked.iconHandle = window->smallIcon();
  return AddIcon(window->hwnd(), hooked.iconHandle, record);
}

bool Win32Tray::ShowBalloon(ui::Form& form, const ui::TrayRecord& record) {
  HWND hwnd = FormWindow::HwndOf(&form);
  if (!hwnd) return false;
  NOTIFYICONDATAW nid = BaseRecord(hwnd, record);
  nid.uFlags = NIF_INFO;
  CopyText(nid.szInfo, record.balloonTextAnsi);
  CopyText(nid.szInfoTitle, record.balloonTitleAnsi);
  nid.dwInfoFlags = InfoFlags(record.balloonIcon);
  return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

bool Win32Tray::Remove(ui::Form& form, const ui::TrayRecord& record) {
  HWND hwnd = FormWindow::HwndOf(&form);
  if (!hwnd) return false;
  auto it = windows_.find(hwnd);
  if (it != windows_.end()) it->second.icon.reset();  // not added again after a restart
  NOTIFYICONDATAW nid = BaseRecord(hwnd, record);
  return Shell_NotifyIconW(NIM_DELETE, &nid) != FALSE;
}

bool Win32Tray::SetTip(ui::Form& form, const ui::TrayRecord& record) {
  HWND hwnd = FormWindow::HwndOf(&form);
  if (!hwnd) return false;
  auto it = windows_.find(hwnd);
  if (it != windows_.end() && it->second.icon) it->second.icon->tipAnsi = record.tipAnsi;
  NOTIFYICONDATAW nid = BaseRecord(hwnd, record);
  nid.uFlags = NIF_TIP;
  CopyText(nid.szTip, record.tipAnsi);
  return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

void Win32Tray::HookCallback(ui::Form& form, std::function<void(ui::TrayMouse)> onMouse) {
  HWND hwnd = FormWindow::HwndOf(&form);
  if (!hwnd) return;
  HookWindow(hwnd).onMouse = std::move(onMouse);
}

LRESULT CALLBACK Win32Tray::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                         DWORD_PTR ref) {
  try {
    return reinterpret_cast<Win32Tray*>(ref)->OnMessage(hwnd, msg, wp, lp);
  } catch (...) {
    ReportSwallowedFailure("tray message");
    return IsWindow(hwnd) ? DefSubclassProc(hwnd, msg, wp, lp) : 0;
  }
}

LRESULT Win32Tray::OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto it = windows_.find(hwnd);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &Win32Tray::SubclassProc, kTrayHookId);
    if (it != windows_.end()) windows_.erase(it);
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  if (it != windows_.end()) {
    Hooked& hooked = it->second;
    if (msg == taskbarCreated_ && hooked.icon) {
      // Explorer restarted: its notification area is new and empty.
      FormWindow* window = FormWindow::FromHwnd(hwnd);
      AddIcon(hwnd, window ? window->smallIcon() : hooked.iconHandle, *hooked.icon);
    } else if (hooked.onMouse && msg == sys::kTrayCallbackMessage) {
      // A copy: the handler may replace the hook or destroy the window.
      const auto handler = hooked.onMouse;
      handler(LOWORD(lp) == WM_LBUTTONUP ? ui::TrayMouse::LeftButtonUp : ui::TrayMouse::Other);
      if (!IsWindow(hwnd)) return 0;
    }
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace orvel::win32
