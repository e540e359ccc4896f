// A stand-in for another program whose right-click menu the teacher opens, for the tests of
// keeping windows in front: a real popup menu at a given point of the screen, open for a given
// time, then the program ends.
//
// Usage: menu_stand_in X Y OPEN_MS   (pixels of the desktop; OPEN_MS from 100 to 60000)
#include <windows.h>

#include <cstdlib>

namespace {

constexpr wchar_t kClassName[] = L"OrvelMenuStandIn";
constexpr UINT_PTR kCloseTimer = 1;

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  // The menu's own loop hands the timer on: the menu closes as a click elsewhere would close it.
  if (msg == WM_TIMER && wp == kCloseTimer) {
    EndMenu();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  // No error dialog may hang a test run.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  char* next = arguments;
  const long x = std::strtol(next, &next, 10), y = std::strtol(next, &next, 10);
  const unsigned long openMs = std::strtoul(next, nullptr, 10);
  if (openMs < 100 || openMs > 60000) return 2;

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &WndProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  if (!RegisterClassExW(&wc)) return 1;
  // A menu needs an owner in the foreground, as the program it belongs to is when clicked.
  HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"Menu owner", WS_POPUP | WS_VISIBLE,
                               static_cast<int>(x), static_cast<int>(y), 1, 1, nullptr, nullptr,
                               instance, nullptr);
  if (!owner) return 1;
  SetForegroundWindow(owner);
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"Pen");
  AppendMenuW(menu, MF_STRING, 2, L"Eraser");
  AppendMenuW(menu, MF_STRING, 3, L"Clear the board");
  SetTimer(owner, kCloseTimer, static_cast<UINT>(openMs), nullptr);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, static_cast<int>(x),
                 static_cast<int>(y), 0, owner, nullptr);
  DestroyMenu(menu);
  DestroyWindow(owner);
  return 0;
}
