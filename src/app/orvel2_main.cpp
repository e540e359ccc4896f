// Orvel2, the grid edition: its command line, then the timetable window on the desktop and its
// message loop.
#include <windows.h>

#include "app/grid_program.h"
#include "platform/win32/command_line_win.h"
#include "platform/win32/failure_report.h"
#include "platform/win32/prepare_process.h"
#include "platform/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  orvel::win32::PrepareProcess();
  try {
    orvel::win32::Win32Platform platform;
    return orvel::shell::RunProgram<orvel::grid::FrmSchedule>(
        platform, "Orvel2.exe", orvel::win32::CommandLineArguments(),
        orvel::win32::ReportToParentConsole);
  } catch (...) {
    // The program has no log and its window is gone: the debugger's output is all there is.
    orvel::win32::ReportSwallowedFailure("Orvel2");
    return 1;
  }
}
