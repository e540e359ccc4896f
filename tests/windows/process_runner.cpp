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

ChildProcess::ChildProcess(const std::filesystem::path& exe, const std::filesystem::path& workDir,
                           const std::wstring& arguments, bool captureErrors) {
  job_.reset(CreateJobObjectW(nullptr, nullptr));
  if (!job_) {
    error_ = GetLastError();
    return;
  }
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits));

  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  // Only the pipe's writing end is handed down; this side keeps the reading end.
  win32::KernelHandle errorWrite;
  if (captureErrors) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) {
      error_ = GetLastError();
      return;
    }
    errorRead_.reset(read);
    errorWrite.reset(write);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdError = write;
  }
  PROCESS_INFORMATION pi{};
  // Suspended until it is in the job, so that not even its first instant escapes the kill.
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, captureErrors,
                      CREATE_SUSPENDED, nullptr, workDir.c_str(), &si, &pi)) {
    error_ = GetLastError();
    return;
  }
  win32::KernelHandle thread(pi.hThread);
  process_.reset(pi.hProcess);
  id_ = pi.dwProcessId;
  AssignProcessToJobObject(job_.get(), process_.get());
  ResumeThread(thread.get());
}

std::optional<DWORD> ChildProcess::WaitForExit(DWORD timeoutMs) const {
  if (!process_ || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

std::string ChildProcess::ErrorOutput() {
  std::string text;
  if (!errorRead_ || Running()) return text;
  // The program has ended and its end of the pipe is closed: read to the end.
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(errorRead_.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
    text.append(buffer, got);
  return text;
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
