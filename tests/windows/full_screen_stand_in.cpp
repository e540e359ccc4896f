// A stand-in for a full-screen slide show or whiteboard program, for the tests of keeping windows
// in front: a topmost window over the whole primary monitor that takes the foreground and puts
// itself on top again every few seconds, as whiteboard programs do.
//
// Usage: full_screen_stand_in [RAISE_MS]   (default 3000). Ends on WM_CLOSE.
#include <windows.h>

#include <cstdlib>

namespace {

constexpr wchar_t kClassName[] = L"OrvelFullScreenStandIn";
constexpr UINT_PTR kRaiseTimer = 1;

void RaiseItself(HWND hwnd) {
  // Straight to the top and into the foreground, without asking anybody.
  SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(hwnd);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      if (wp == kRaiseTimer) RaiseItself(hwnd);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = BeginPaint(hwnd, &ps);
      RECT rc{};
      GetClientRect(hwnd, &rc);
      HBRUSH back = CreateSolidBrush(RGB(24, 40, 88));
      FillRect(dc, &rc, back);
      DeleteObject(back);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(255, 255, 255));
      const wchar_t text[] = L"Full-screen stand-in (slide show / whiteboard)";
      DrawTextW(dc, text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  // No error dialog may hang a test run.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  UINT raiseMs = 3000;
  if (arguments && *arguments) {
    const unsigned long ms = std::strtoul(arguments, nullptr, 10);
    if (ms >= 100 && ms <= 60000) raiseMs = static_cast<UINT>(ms);
  }

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &WndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  if (!RegisterClassExW(&wc)) return 1;

  // The whole primary monitor, borderless, as a slide show covers it.
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, kClassName, L"Stand-in", WS_POPUP | WS_VISIBLE, 0, 0,
                              width, height, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  RaiseItself(hwnd);
  SetTimer(hwnd, kRaiseTimer, raiseMs, nullptr);

  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
