#include "platform/win32/prepare_process.h"

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/handles.h"

namespace orvel::win32 {

void PrepareProcess() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);

  // Windows 7 without KB2533623 lacks it; the program still runs there.
  using SetDirs = BOOL(WINAPI*)(DWORD);
  if (const auto setDirs = LoadProc<SetDirs>(L"kernel32.dll", "SetDefaultDllDirectories"))
    setDirs(LOAD_LIBRARY_SEARCH_SYSTEM32);

  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof(icc);
  icc.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_DATE_CLASSES;
  InitCommonControlsEx(&icc);
}

}  // namespace orvel::win32
