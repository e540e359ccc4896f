#pragma once
// A program started by a test and its top-level windows. The process lives in a job that kills
// it when the owner goes, so a failing or crashing test leaves nothing running.
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "window_text.h"

namespace orvel::wintest {

// The visible and hidden top-level windows of one process.
std::vector<HWND> TopLevelWindows(DWORD processId);

class ChildProcess {
 public:
  // Starts `exe` with `workDir` as its working folder; Started() tells whether it worked.
  ChildProcess(const std::filesystem::path& exe, const std::filesystem::path& workDir);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return static_cast<bool>(process_); }
  DWORD LastError() const { return error_; }
  DWORD id() const { return id_; }
  HANDLE Handle() const { return process_.get(); }
  bool Running() const;

  // A top-level window of the process with this class and caption (either may be null),
  // optionally only a visible one; waits up to `timeoutMs`, null when none came.
  HWND WaitForWindow(const wchar_t* windowClass, const wchar_t* caption, bool visibleOnly,
                     DWORD timeoutMs) const;

  // Asks `window` to close and waits up to `graceMs` for the process to end; kills it after
  // that. True when the process ended by itself.
  bool Close(HWND window, DWORD graceMs);
  void Kill();

 private:
  win32::KernelHandle job_;
  win32::KernelHandle process_;
  DWORD id_ = 0;
  DWORD error_ = 0;
};

}  // namespace orvel::wintest
