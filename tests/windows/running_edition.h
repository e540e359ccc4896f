#pragma once
// One edition run in-process in a test's program folder, its right-click menus shown for real,
// for the Windows tests that drive both editions alike.
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include "answering_platform.h"
#include "app/classic_program.h"
#include "app/grid_program.h"
#include "desktop/class_strip.h"
#include "platform/win32/grid_window.h"
#include "win_test_support.h"

namespace orvel::wintest {

class RunningEdition {
 public:
  RunningEdition(bool classic, const std::filesystem::path& folder) : platform_(folder) {
    platform_.dialogs().realMenus = &platform_.real.dialogs();
    if (classic)
      classic_ = std::make_unique<app::ClassicProgram>(platform_);
    else
      grid_ = std::make_unique<app::GridProgram>(platform_);
  }
  ~RunningEdition() {
    grid_.reset();
    classic_.reset();
    Pump();
  }
  RunningEdition(const RunningEdition&) = delete;
  RunningEdition& operator=(const RunningEdition&) = delete;

  template <class F>
  auto Visit(F f) {
    return grid_ ? f(*grid_) : f(*classic_);
  }
  void Start() {
    Visit([](auto& program) { program.Start(); });
  }
  HWND Window() {
    return Visit([](auto& program) { return FormHwnd(program.window()); });
  }
  // Where a right click opens the schedule window's menu: the grid, or the form of text boxes.
  HWND MenuTarget() { return grid_ ? ChildOfClass(Window(), win32::kGridClassName) : Window(); }
  // The class strip's window while it is shown; null otherwise.
  HWND StripHwnd() {
    const desktop::ClassStrip* strip =
        Visit([](auto& program) { return program.shell().classStrip(); });
    const HWND hwnd = strip ? FormHwnd(*strip) : nullptr;
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
  }
  std::wstring StripText() {
    wchar_t text[256]{};
    if (const HWND strip = StripHwnd()) GetWindowTextW(strip, text, 256);
    return text;
  }
  FolderPlatform& platform() { return platform_; }

 private:
  FolderPlatform platform_;
  std::unique_ptr<app::GridProgram> grid_;
  std::unique_ptr<app::ClassicProgram> classic_;
};

}  // namespace orvel::wintest
