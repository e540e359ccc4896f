#include "platform/win32/command_line_win.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

struct LocalTraits {
  using Handle = LPWSTR*;
  static void Close(LPWSTR* h) { LocalFree(h); }
};

bool WriteAll(HANDLE out, const std::string& bytes) {
  DWORD written = 0;
  return WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

}  // namespace

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  const UniqueHandle<LocalTraits> argv(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> args;
  if (!argv) return args;
  for (int i = 1; i < count; ++i) args.push_back(Narrow(argv.get()[i]));
  return args;
}

void ReportToParentConsole(const std::string& utf8Line) {
  const std::wstring line = Widen(utf8Line) + L"\r\n";
  // Redirected by the caller ("2> log.txt", a pipe of a script).
  HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  if (err && err != INVALID_HANDLE_VALUE) {
    const DWORD type = GetFileType(err);
    if ((type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) && WriteAll(err, NarrowAnsi(line)))
      return;
  }
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
  if (console != INVALID_HANDLE_VALUE) {
    const KernelHandle owned(console);
    DWORD written = 0;
    WriteConsoleW(console, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  }
  FreeConsole();
}

}  // namespace orvel::win32
