#pragma once
// Shared by the Windows test programs: process set-up, message pumping, a private folder.
#include <windows.h>

#include <filesystem>
#include <string>

#include "platform/ui/form.h"

namespace orvel::wintest {

// Dispatches every message waiting for this thread.
void Pump();
// Pumps for about `ms` milliseconds, so that posted and timer messages arrive.
void PumpFor(int ms);
// The native window of a loaded form, and the child window of a class on it.
HWND FormHwnd(const ui::Form& form);
HWND ChildOfClass(HWND parent, const wchar_t* windowClass);

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace orvel::wintest
