#pragma once
// A program started by a test and its top-level windows. The process lives in a job that kills
// it when the owner goes, so a failing or crashing test leaves nothing running.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "window_text.h"

namespace orvel::wintest {

// The visible and hidden top-level windows of one process.
std::vector<HWND> TopLevelWindows(DWORD processId);

class ChildProcess {
 public:
  // Starts `exe` with `workDir` as its working folder and `arguments` after its name (quoted as
  // the system splits them); Started() tells whether it worked. With `captureErrors` the
  // program's standard error is a pipe that ErrorOutput reads.
  ChildProcess(const std::filesystem::path& exe, const std::filesystem::path& workDir,
               const std::wstring& arguments = {}, bool captureErrors = false);
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

  // Waits up to `timeoutMs` for the program to end by itself; its exit code, or nothing when it
  // is still running.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
  // What the program wrote to its standard error until it ended (captureErrors only).
  std::string ErrorOutput();

 private:
  win32::KernelHandle job_;
  win32::KernelHandle process_;
  win32::KernelHandle errorRead_;
  DWORD id_ = 0;
  DWORD error_ = 0;
};

}  // namespace orvel::wintest
