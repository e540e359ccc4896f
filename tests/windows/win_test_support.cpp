#include "win_test_support.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/text_codec.h"
#include "platform/win32/form_window.h"
#include "platform/win32/prepare_process.h"

namespace orvel::wintest {
namespace {

// Before main: no error dialog may ever wait for a click during a test run.
const bool kPrepared = [] {
  win32::PrepareProcess();
  // Unbuffered, so that a crash still shows which test was running.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  return true;
}();

}  // namespace

namespace {

struct WindowSearch {
  const std::wstring& text;
  bool wholeCaption;
  HWND found = nullptr;
};

HWND FindOwnWindow(const std::wstring& text, bool wholeCaption) {
  WindowSearch search{text, wholeCaption};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<WindowSearch*>(lp);
        if (!IsWindowVisible(hwnd)) return TRUE;
        const int length = GetWindowTextLengthW(hwnd);
        std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
        caption.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, caption.data(), length + 1)));
        const bool matches = s->wholeCaption ? caption == s->text : caption.starts_with(s->text);
        if (!matches) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

HWND OwnWindow(const std::wstring& caption) {
  return FindOwnWindow(caption, true);
}

HWND OwnWindowStarting(const std::wstring& prefix) {
  return FindOwnWindow(prefix, false);
}

bool IsWineNtdll(HMODULE module) {
  return module && GetProcAddress(module, "wine_get_version") != nullptr;
}

bool InWinePrefix() {
  return IsWineNtdll(GetModuleHandleW(L"ntdll.dll"));
}

void Pump() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void PumpFor(int ms) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
  while (GetTickCount64() < end) {
    Pump();
    Sleep(5);
  }
  Pump();
}

void ClickAt(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  INPUT click[2] = {};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, click, sizeof(INPUT));
}

namespace {

int g_menuDowns = 0;  // for the timer below, which takes no argument of ours

VOID CALLBACK ChooseWhenMenuOpen(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  KillTimer(nullptr, timer);
  for (int i = 0; i < g_menuDowns; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

}  // namespace

HWND ChooseFromRightClickMenu(HWND target, int downs, const wchar_t* title, int waitMs) {
  RECT bounds{};
  GetWindowRect(target, &bounds);
  SetCursorPos(bounds.left + 20, bounds.top + 10);
  g_menuDowns = downs;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, ChooseWhenMenuOpen);
  if (timer == 0) return nullptr;
  PostMessageW(target, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 10));
  PostMessageW(target, WM_RBUTTONUP, 0, MAKELPARAM(20, 10));
  HWND opened = nullptr;
  for (int waited = 0; waited < waitMs && !opened; waited += 50) {
    PumpFor(50);
    opened = FindWindowW(nullptr, title);
  }
  KillTimer(nullptr, timer);
  return opened;
}

HWND FormHwnd(const ui::Form& form) {
  return win32::FormWindow::HwndOf(&form);
}

HWND ChildOfClass(HWND parent, const wchar_t* windowClass) {
  return FindWindowExW(parent, nullptr, windowClass, nullptr);
}

int SecondsNow(SYSTEMTIME& st) {
  GetLocalTime(&st);
  return st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
}

std::string TimeText(int seconds) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return buffer;
}

int TodayColumn(const SYSTEMTIME& st) {
  return (st.wDayOfWeek == 0 ? 7 : st.wDayOfWeek) + 1;
}

std::filesystem::path HostPath(const char* path) {
  std::string p = path;
  if (!p.empty() && p.front() == '/') p = "Z:" + p;
  return std::filesystem::path(p);
}

void WriteAnsi(const std::filesystem::path& file, const std::string& utf8) {
  const std::string bytes = Utf8ToAnsi(utf8);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::pair<std::filesystem::path, std::string>> FilesWithBytes(
    const std::filesystem::path& folder) {
  std::vector<std::pair<std::filesystem::path, std::string>> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    files.emplace_back(entry.path(), std::string(std::istreambuf_iterator<char>(in), {}));
  }
  return files;
}

TempFolder::TempFolder() {
  (void)kPrepared;
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() /
          ("orvel-wintest-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace orvel::wintest
