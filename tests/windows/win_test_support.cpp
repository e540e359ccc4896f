#include "win_test_support.h"

#include <cstdio>
#include <random>

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

HWND FormHwnd(const ui::Form& form) { return win32::FormWindow::HwndOf(&form); }

HWND ChildOfClass(HWND parent, const wchar_t* windowClass) {
  return FindWindowExW(parent, nullptr, windowClass, nullptr);
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
