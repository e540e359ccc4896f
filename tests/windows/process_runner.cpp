#include "process_runner.h"

namespace orvel::wintest {
namespace {

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<WindowSearch*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner == search->processId) search->found.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
  WindowSearch search{processId, {}};
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

ChildProcess::ChildProcess(const std::filesystem::path& exe, const std::filesystem::path& workDir) {
  job_.reset(CreateJobObjectW(nullptr, nullptr));
  if (!job_) {
    error_ = GetLastError();
    return;
  }
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits));

  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  // Suspended until it is in the job, so that not even its first instant escapes the kill.
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      nullptr, workDir.c_str(), &si, &pi)) {
    error_ = GetLastError();
    return;
  }
  win32::KernelHandle thread(pi.hThread);
  process_.reset(pi.hProcess);
  id_ = pi.dwProcessId;
  AssignProcessToJobObject(job_.get(), process_.get());
  ResumeThread(thread.get());
}

ChildProcess::~ChildProcess() {
  Kill();
}

bool ChildProcess::Running() const {
  return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

HWND ChildProcess::WaitForWindow(const wchar_t* windowClass, const wchar_t* caption,
                                 bool visibleOnly, DWORD timeoutMs) const {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  do {
    for (HWND hwnd : TopLevelWindows(id_)) {
      if (windowClass && WindowClass(hwnd) != windowClass) continue;
      if (caption && WindowCaption(hwnd) != caption) continue;
      if (visibleOnly && !IsWindowVisible(hwnd)) continue;
      return hwnd;
    }
    if (!Running()) return nullptr;
    Sleep(50);
  } while (GetTickCount64() < end);
  return nullptr;
}

bool ChildProcess::Close(HWND window, DWORD graceMs) {
  if (!process_) return false;
  const bool asked = window && PostMessageW(window, WM_CLOSE, 0, 0);
  const bool ended = asked && WaitForSingleObject(process_.get(), graceMs) == WAIT_OBJECT_0;
  if (!ended) Kill();
  return ended;
}

void ChildProcess::Kill() {
  if (process_ && Running()) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
  // Closing the job kills whatever the program may have started itself.
  job_.reset();
}

}  // namespace orvel::wintest
