#pragma once
// Shared by the Windows test programs: process set-up, message pumping, a private folder.
#include <windows.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/form.h"

namespace orvel::wintest {

// Tests that write the machine's auto-start entries (the Run key of HKEY_LOCAL_MACHINE, the
// start-up shortcut) run only inside Wine, in the private prefix of the run, so that nothing they
// do can remove a real installation's entry. Wine's system library exports wine_get_version.
bool IsWineNtdll(HMODULE module);
bool InWinePrefix();

// Dispatches every message waiting for this thread.
void Pump();
// Pumps for about `ms` milliseconds, so that posted and timer messages arrive.
void PumpFor(int ms);
// Pumps until `done` holds or `ms` have passed; whether it holds.
template <class Done>
bool PumpUntil(Done done, int ms) {
  for (const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(ms);
       GetTickCount64() < until;) {
    if (done()) return true;
    PumpFor(50);
  }
  return done();
}
// A click as a user gives it, through the input queue: the cursor moved to the window's centre,
// the left button pressed and let go.
void ClickAt(HWND hwnd);
// The native window of a loaded form, and the child window of a class on it.
HWND FormHwnd(const ui::Form& form);
HWND ChildOfClass(HWND parent, const wchar_t* windowClass);
// The visible top-level window of this thread whose caption is `caption`, or starts with
// `prefix`; null when there is none.
HWND OwnWindow(const std::wstring& caption);
HWND OwnWindowStarting(const std::wstring& prefix);

// A right click near the top left of `target`, then, once the system's menu is open, the user's
// keys: Down `downs` times and Enter. Returns the top-level window titled `title` that the chosen
// item opens, or nullptr when none opened within `waitMs`.
HWND ChooseFromRightClickMenu(HWND target, int downs, const wchar_t* title, int waitMs);

// The local time of day in seconds, filling `st` with the local date and time.
int SecondsNow(SYSTEMTIME& st);
// "H:MM:SS", as the timetable file holds times.
std::string TimeText(int seconds);
// Today's column of the timetable: Monday 2 ... Sunday 8.
int TodayColumn(const SYSTEMTIME& st);
// A host path handed over by the build: under Wine the host's root is drive Z:.
std::filesystem::path HostPath(const char* path);
// Writes `utf8` to `file` in the ANSI code page, as the programs' files are kept.
void WriteAnsi(const std::filesystem::path& file, const std::string& utf8);
// Every file below `folder` with its bytes, to see that nothing on disk changed.
std::vector<std::pair<std::filesystem::path, std::string>> FilesWithBytes(
    const std::filesystem::path& folder);

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
