// Exam days on real windows, both editions in-process at once, each in its own folder: an exam
// two minutes after start-up opens the board over the monitor by itself, counting down to the
// start and then to the end; a reminder that falls into the exam gives no popup; 缩小 leaves the
// exam's line on the class strip; after the exam the board says 考试结束 and, once closed, the
// timetable's reminders come back. A cut-off exams.json is named without a box.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "desktop/exam_board.h"
#include "running_edition.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;
using wintest::PumpFor;
using wintest::PumpUntil;

constexpr int kDaySeconds = 86400;
constexpr int kExamLead = 120;       // the exam starts this long after start-up
constexpr int kExamSeconds = 185;    // and lasts this long
constexpr int kInsideReminder = 15;  // a reminder this long into the exam
constexpr int kAfterReminder = 25;   // and one this long after its end
constexpr int kReminderLead = 180;

std::wstring TextOf(HWND hwnd) {
  wchar_t text[256]{};
  if (hwnd) GetWindowTextW(hwnd, text, 256);
  return text;
}

std::string Utf8Of(const std::wstring& text) {
  std::string utf8(text.size() * 3, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
  utf8.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return utf8;
}

// The visible reminder popups of this thread: each edition has its own.
int PopupsShown() {
  int shown = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM count) {
        if (IsWindowVisible(hwnd) && TextOf(hwnd) == L"提醒") ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shown));
  return shown;
}

std::string DateText(const SYSTEMTIME& st, int seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", st.wYear, st.wMonth, st.wDay,
                seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

// Two short periods each day, whose reminders fall `kInsideReminder` s into the exam and
// `kAfterReminder` s after it, the first over before the second's reminder (a reminder is for
// the next period only); popup reminders, no time server, the strip off.
void WriteProgramFolder(const fs::path& folder, const std::string& exams, int examStart) {
  fs::create_directories(folder / "scd");
  std::string table = "3,9\r\n节次,上课时间,一,二,三,四,五,六,日\r\n";
  const int periods[2] = {examStart + kInsideReminder + kReminderLead,
                          examStart + kExamSeconds + kAfterReminder + kReminderLead};
  for (int i = 0; i < 2; ++i) {
    table += std::string(i ? "第二节," : "第一节,") + wintest::TimeText(periods[i]) + "-" +
             wintest::TimeText(periods[i] + 5);
    for (int day = 0; day < 7; ++day) table += i ? ",数学" : ",语文";
    table += "\r\n";
  }
  wintest::WriteAnsi(folder / "scd" / "Schedule.csv", table);
  wintest::WriteAnsi(folder / "Orvel2.ini",
                     "0,0\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n宋体,9,0\r\n"
                     "1,0,0,1,1\r\n");
  wintest::WriteAnsi(folder / "Schedule.ini",
                     "0,0\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n1,0,0,1,1\r\n");
  std::ofstream(folder / "classroom.ini") << "strip=off\ntime=off\n";
  std::ofstream(folder / "exams.json", std::ios::binary) << exams;
}

// One edition in its own folder, with its exam board.
class Edition : public wintest::RunningEdition {
 public:
  using RunningEdition::RunningEdition;
  desktop::ExamBoard* Board() {
    return Visit([](auto& program) { return program.shell().examBoard().board(); });
  }
  HWND BoardHwnd() {
    desktop::ExamBoard* board = Board();
    const HWND hwnd = board ? wintest::FormHwnd(*board) : nullptr;
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
  }
  // A press of the board's button `caption`, as the system delivers a click to it.
  void Press(const wchar_t* caption) {
    const HWND board = BoardHwnd();
    ASSERT_NE(board, nullptr);
    const HWND button = FindWindowExW(board, nullptr, L"BUTTON", caption);
    ASSERT_NE(button, nullptr);
    SendMessageW(button, BM_CLICK, 0, 0);
  }
};

// The seconds of "距开考 1:02" or "距结束 0:59" after `prefix` in `text`; -1 when not there.
int SecondsAfter(const std::wstring& text, const std::wstring& prefix) {
  const std::size_t at = text.find(prefix);
  if (at == std::wstring::npos) return -1;
  int total = 0;
  for (std::size_t i = at + prefix.size(); i < text.size(); ++i) {
    if (text[i] == L':') continue;
    if (text[i] < L'0' || text[i] > L'9') break;
    total = total * 10 + (text[i] - L'0');
  }
  // Digits of m:ss or h:mm:ss read as one number: take them apart again.
  const int seconds = total % 100, minutes = total / 100 % 100, hours = total / 10000;
  return hours * 3600 + minutes * 60 + seconds;
}

TEST(exam_board_window_test, the_board_counts_down_keeps_the_timetable_quiet_and_gives_it_back) {
  SYSTEMTIME st{};
  const int started = wintest::SecondsNow(st);
  const int examStart = started + kExamLead, examEnd = examStart + kExamSeconds;
  if (examEnd + 600 >= kDaySeconds) GTEST_SKIP() << "too near midnight";
  const std::string exams = R"({"examName": "期末考试", "message": "请保持安静", "examInfos": [)"
                            R"({"name": "语文", "start": ")" +
                            DateText(st, examStart) + R"(", "end": ")" + DateText(st, examEnd) +
                            R"(", "alertTime": 0}]})";
  wintest::TempFolder gridFolder, classicFolder;
  WriteProgramFolder(gridFolder.path(), exams, examStart);
  WriteProgramFolder(classicFolder.path(), exams, examStart);
  Edition grid(false, gridFolder.path()), classic(true, classicFolder.path());
  grid.Start();
  classic.Start();
  PumpFor(300);

  // Opened by itself over the whole monitor of the schedule window, counting to the start.
  for (Edition* edition : {&grid, &classic}) {
    const HWND board = edition->BoardHwnd();
    ASSERT_NE(board, nullptr) << "no board 2 minutes before the exam";
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(edition->Window(), MONITOR_DEFAULTTONEAREST), &monitor);
    RECT covers{};
    GetWindowRect(board, &covers);
    EXPECT_TRUE(EqualRect(&covers, &monitor.rcMonitor));
    EXPECT_NE(GetForegroundWindow(), board) << "it took the focus";
    const std::wstring text = TextOf(board);
    SYSTEMTIME now{};
    const int left = examStart - wintest::SecondsNow(now);
    EXPECT_NEAR(SecondsAfter(text, L"语文 · 距开考 "), left, 2) << Utf8Of(text);
  }
  EXPECT_EQ(PopupsShown(), 0);

  // The exam runs: counting to its end; 缩小 leaves the exam's line on the grid edition's strip.
  ASSERT_TRUE(
      PumpUntil([&] { return TextOf(grid.BoardHwnd()).find(L"距结束") != std::wstring::npos; },
                (kExamLead + 5) * 1000));
  SYSTEMTIME now{};
  EXPECT_NEAR(SecondsAfter(TextOf(grid.BoardHwnd()), L"语文 · 距结束 "),
              examEnd - wintest::SecondsNow(now), 2);
  grid.Press(L"缩小");
  PumpFor(1200);
  EXPECT_EQ(grid.BoardHwnd(), nullptr);
  EXPECT_NEAR(SecondsAfter(grid.StripText(), L"语文 · 距结束 "), examEnd - wintest::SecondsNow(now),
              2)
      << Utf8Of(grid.StripText());

  // 语文's reminder falls into the exam: no popup in either edition.
  const bool popupInExam =
      PumpUntil([] { return PopupsShown() > 0; }, (kExamSeconds - kInsideReminder / 2) * 1000);
  EXPECT_FALSE(popupInExam) << "a reminder popped up during the exam";

  // After it: 考试结束 on the board and on the strip; closed, the reminders come back.
  ASSERT_TRUE(
      PumpUntil([&] { return TextOf(classic.BoardHwnd()).find(L"考试结束") != std::wstring::npos; },
                (kExamSeconds + 5) * 1000));
  EXPECT_TRUE(PumpUntil([&] { return grid.StripText() == L"语文 · 考试结束"; }, 2000));
  classic.Press(L"关闭");
  // The grid edition's board is shrunk: 考试看板 from the strip's menu brings it whole first.
  EXPECT_NE(wintest::ChooseFromRightClickMenu(grid.StripHwnd(), 1, L"语文 · 考试结束", 5000),
            nullptr);
  grid.Press(L"关闭");
  PumpFor(300);
  EXPECT_EQ(grid.BoardHwnd(), nullptr);
  EXPECT_EQ(classic.BoardHwnd(), nullptr);
  EXPECT_EQ(grid.StripText(), L"");
  EXPECT_TRUE(PumpUntil([] { return PopupsShown() == 2; }, (kAfterReminder + 5) * 1000))
      << PopupsShown() << " popups after the exam";
}

TEST(exam_board_window_test, a_cut_off_exam_file_is_named_without_a_box) {
  SYSTEMTIME st{};
  const int started = wintest::SecondsNow(st);
  if (started + 600 >= kDaySeconds) GTEST_SKIP() << "too near midnight";
  wintest::TempFolder folder;
  WriteProgramFolder(folder.path(), R"({"examName": "期末考试", "examInfos": [{"name": "语)",
                     started + kExamLead);
  Edition classic(true, folder.path());
  classic.Start();
  PumpFor(500);
  EXPECT_EQ(classic.BoardHwnd(), nullptr);
  EXPECT_TRUE(classic.platform().dialogs().messages.empty());
  // The classic edition names it in its popup, the notice's one window.
  HWND notice = nullptr;
  EXPECT_TRUE(PumpUntil([&] { return (notice = wintest::OwnWindow(L"提醒")) != nullptr; }, 3000));
  std::wstring texts;
  EnumChildWindows(
      notice,
      [](HWND child, LPARAM all) {
        *reinterpret_cast<std::wstring*>(all) += TextOf(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  EXPECT_NE(texts.find(L"exams.json"), std::wstring::npos);
}

}  // namespace
}  // namespace orvel
