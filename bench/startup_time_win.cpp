// How long an edition takes to show its window on a timetable of a given size, on the real
// system (or Wine): a program folder in the temporary folder with a generated timetable, the
// program started there, and the time from its start until its window is visible (or, for a
// table the edition refuses, until its read-failure message is up).
//
//   startup_time.exe PROGRAM.exe ROWS COLS [RUNS]
//
// Prints one line per run and the best time, in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr DWORD kGiveUpMs = 300000;

std::string Gbk(const std::wstring& text) {
  const int n = WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

std::wstring Clock(int minutes) {
  wchar_t text[16];
  std::swprintf(text, 16, L"%d:%02d", minutes / 60 % 24, minutes % 60);
  return text;
}

// A week's timetable stretched to rows x cols: a label and a time span per row, a subject in
// every other cell, so that every column has text to measure.
std::string Timetable(int rows, int cols) {
  std::wstring text = std::to_wstring(rows) + L"," + std::to_wstring(cols) + L"\r\n";
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      if (c) text += L",";
      if (r == 0)
        text += c == 0 ? L"节次" : (c == 1 ? L"时间" : L"星期" + std::to_wstring(c - 1));
      else if (c == 0)
        text += L"第" + std::to_wstring(r) + L"节";
      else if (c == 1)
        text += Clock(360 + 5 * r) + L"-" + Clock(364 + 5 * r);
      else
        text += (r + c) % 2 ? L"数学" : L"语文";
    }
    text += L"\r\n";
  }
  return Gbk(text);
}

struct Found {
  DWORD process;
  HWND window = nullptr;
  bool message = false;
};

BOOL CALLBACK FindShown(HWND hwnd, LPARAM lp) {
  auto* found = reinterpret_cast<Found*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != found->process || !IsWindowVisible(hwnd)) return TRUE;
  wchar_t cls[32] = {}, caption[32] = {};
  GetClassNameW(hwnd, cls, 32);
  GetWindowTextW(hwnd, caption, 32);
  if (std::wstring(caption) == L"Form1") {
    found->window = hwnd;
    return FALSE;
  }
  if (std::wstring(cls) == L"#32770") {
    found->window = hwnd;
    found->message = true;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds until the program shows its window or a message box; negative when it did not.
double TimeOneStart(const fs::path& exe, const fs::path& folder, bool& message) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &si, &pi))
    return -1;
  CloseHandle(pi.hThread);
  Found found{pi.dwProcessId};
  double ms = -1;
  for (;;) {
    EnumWindows(&FindShown, reinterpret_cast<LPARAM>(&found));
    QueryPerformanceCounter(&now);
    const double elapsed = static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
                           static_cast<double>(frequency.QuadPart);
    if (found.window) {
      ms = elapsed;
      break;
    }
    if (elapsed > kGiveUpMs || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(5);
  }
  message = found.message;
  // Closed as a user closes it, so that it takes its tray icon along; a left-over icon slows
  // the next start down.
  if (found.window && !found.message) PostMessageW(found.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hProcess);
  return ms;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: startup_time PROGRAM.exe ROWS COLS [RUNS]\n");
    return 2;
  }
  const fs::path program = argv[1];
  const int rows = std::wcstol(argv[2], nullptr, 10);
  const int cols = std::wcstol(argv[3], nullptr, 10);
  const int runs = argc > 4 ? std::max(1, static_cast<int>(std::wcstol(argv[4], nullptr, 10))) : 3;

  std::random_device random;
  const fs::path folder = fs::temp_directory_path() / ("orvel-startup-" + std::to_string(random()));
  fs::create_directories(folder / "scd");
  const fs::path exe = folder / program.filename();
  fs::copy_file(program, exe);
  std::ofstream(folder / "scd" / "Schedule.csv", std::ios::binary) << Timetable(rows, cols);

  double best = -1;
  for (int i = 0; i < runs; ++i) {
    bool message = false;
    const double ms = TimeOneStart(exe, folder, message);
    std::printf("%ls %dx%d run %d: %.0f ms%s\n", program.filename().c_str(), rows, cols, i + 1, ms,
                message ? " (message box)" : "");
    if (ms >= 0 && (best < 0 || ms < best)) best = ms;
  }
  std::printf("%ls %dx%d best: %.0f ms\n", program.filename().c_str(), rows, cols, best);
  std::error_code ec;
  fs::remove_all(folder, ec);
  return best >= 0 ? 0 : 1;
}
