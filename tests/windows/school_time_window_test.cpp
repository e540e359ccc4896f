// School time on real windows, in both editions in-process: the test's SNTP server on 127.0.0.1
// (sntp_server.py), named in classroom.ini, five minutes ahead of the PC moves the reminder popup,
// the class strip and the 校时 window's words to its time; a silent one delays nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "running_edition.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;
using wintest::PumpFor;

constexpr int kDownsToTimeWindow = 10;  // "校时..."
constexpr int kDaySeconds = 86400;
constexpr int kServerAheadSeconds = 300;
constexpr int kEndedAgo = 600;

std::string FileText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::wstring TextOf(HWND hwnd) {
  wchar_t text[256]{};
  if (hwnd) GetWindowTextW(hwnd, text, 256);
  return text;
}

std::vector<std::wstring> ChildTexts(HWND parent) {
  std::vector<std::wstring> texts;
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM all) {
        reinterpret_cast<std::vector<std::wstring>*>(all)->push_back(TextOf(child));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

// Two periods every day: 语文 ended `kEndedAgo` s before `now`, 数学 begins at `start`, so that
// the strip counts down a break. Popup reminders; the strip always on.
void WriteProgramFolder(const fs::path& folder, int now, int start, int port) {
  fs::create_directories(folder / "scd");
  std::string table = "3,9\r\n节次,上课时间,一,二,三,四,五,六,日\r\n";
  for (const auto& [name, from, subject] : {std::tuple{"第一节", now - kEndedAgo - 2400, "语文"},
                                            std::tuple{"第二节", start, "数学"}}) {
    table +=
        std::string(name) + "," + wintest::TimeText(from) + "-" + wintest::TimeText(from + 2400);
    for (int day = 0; day < 7; ++day) table += std::string(",") + subject;
    table += "\r\n";
  }
  wintest::WriteAnsi(folder / "scd" / "Schedule.csv", table);
  wintest::WriteAnsi(folder / "Orvel2.ini",
                     "0,0\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n宋体,9,0\r\n"
                     "1,0,0,1,1\r\n");
  wintest::WriteAnsi(folder / "Schedule.ini",
                     "0,0\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n1,0,0,1,1\r\n");
  std::ofstream(folder / "classroom.ini") << "strip=always\ntimeServers=127.0.0.1:" << port << "\n";
}

// The 校时 window's lines, opened from the edition's real right-click menu.
std::vector<std::wstring> TimeWindowLines(wintest::RunningEdition& edition) {
  const HWND time =
      wintest::ChooseFromRightClickMenu(edition.MenuTarget(), kDownsToTimeWindow, L"校时", 5000);
  return time ? ChildTexts(time) : std::vector<std::wstring>{};
}

bool HasLine(const std::vector<std::wstring>& lines, const std::wstring& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class SchoolTimeWindowTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    std::ofstream(state / "offset") << kServerAheadSeconds;
    port = std::stoi(FileText(state / "port"));
  }
  void TearDown() override { fs::remove(state / "silent"); }

  const fs::path state = wintest::HostPath(ORVEL_SNTP_SERVER_STATE);
  wintest::TempFolder folder;
  int port = 0;
};

TEST_P(SchoolTimeWindowTest, a_server_five_minutes_ahead_brings_the_reminder_and_the_strip) {
  SYSTEMTIME st{};
  const ULONGLONG startTick = GetTickCount64();
  const int now = wintest::SecondsNow(st);
  // By the server's clock, the reminder (3 minutes before the lesson) is due `lead` s from now.
  const int lead = 5;
  const int start = now + kServerAheadSeconds + 180 + lead;
  if (now < kEndedAgo + 2400 || start + 2400 >= kDaySeconds) GTEST_SKIP() << "too near midnight";
  WriteProgramFolder(folder.path(), now, start, port);
  wintest::RunningEdition edition(GetParam(), folder.path());
  edition.Start();

  const ULONGLONG due = startTick + lead * 1000 - st.wMilliseconds;
  HWND popup = nullptr;
  std::wstring stripAtReminder;
  while (!popup && GetTickCount64() < due + 4000) {
    PumpFor(20);
    popup = wintest::OwnWindow(L"提醒");
    stripAtReminder = edition.StripText();
  }
  const ULONGLONG seen = GetTickCount64();
  ASSERT_NE(popup, nullptr) << "no reminder by the server's time";
  // Neither by the PC's clock (5 minutes later) nor early.
  EXPECT_GE(seen + 1000, due);
  EXPECT_LE(seen, due + 2000);
  EXPECT_NE(stripAtReminder.find(L"距上课 03:0"), std::wstring::npos) << stripAtReminder;

  PostMessageW(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  PumpFor(200);
  const std::vector<std::wstring> lines = TimeWindowLines(edition);
  ASSERT_FALSE(lines.empty()) << "the 校时 window did not open";
  EXPECT_TRUE(HasLine(lines, L"本机时钟慢 5 分"));
}

TEST_P(SchoolTimeWindowTest, a_silent_server_holds_up_neither_the_strip_nor_the_window) {
  SYSTEMTIME st{};
  const int now = wintest::SecondsNow(st);
  if (now < kEndedAgo + 2400 || now + 3600 >= kDaySeconds) GTEST_SKIP() << "too near midnight";
  std::ofstream(state / "silent") << "";
  const std::size_t logged = FileText(state / "log").size();
  WriteProgramFolder(folder.path(), now, now + 1200, port);
  wintest::RunningEdition edition(GetParam(), folder.path());
  edition.Start();

  // While the round waits for the server: another thread's message is answered, and the strip
  // counts on each second.
  const HWND window = edition.Window();
  std::atomic<int> answered{0}, unanswered{0};
  std::atomic<bool> askerDone{false};
  std::jthread asker([&](std::stop_token stop) {
    while (!stop.stop_requested()) {
      DWORD_PTR result = 0;
      ++(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1500, &result) ? answered
                                                                                : unanswered);
      Sleep(100);
    }
    askerDone = true;
  });
  std::wstring strip = edition.StripText();
  ULONGLONG changed = GetTickCount64(), longestGap = 0;
  int changes = 0;
  for (const ULONGLONG until = changed + 3000; GetTickCount64() < until;) {
    PumpFor(20);
    const std::wstring text = edition.StripText();
    if (text == strip) continue;
    longestGap = std::max(longestGap, GetTickCount64() - changed);
    changed = GetTickCount64();
    strip = text;
    ++changes;
  }
  asker.request_stop();
  // Pumped while it ends: its last message may be waiting for this thread.
  for (int i = 0; i < 150 && !askerDone; ++i) PumpFor(20);
  asker.join();
  EXPECT_GE(changes, 2);
  EXPECT_LE(std::max(longestGap, GetTickCount64() - changed), 1500u);
  EXPECT_GT(answered.load(), 0);
  EXPECT_EQ(unanswered.load(), 0);
  EXPECT_NE(FileText(state / "log").substr(logged).find("silent"), std::string::npos)
      << "the server was not asked";

  EXPECT_TRUE(HasLine(TimeWindowLines(edition), L"未能校时，使用本机时钟"));
}

TEST_P(SchoolTimeWindowTest, the_followed_servers_date_two_minutes_behind_comes_before_sntp) {
  SYSTEMTIME st{};
  const int now = wintest::SecondsNow(st);
  if (now < kEndedAgo + 2400 || now + 3600 >= kDaySeconds) GTEST_SKIP() << "too near midnight";
  const fs::path root = wintest::HostPath(ORVEL_FOLLOW_SERVER_ROOT);
  const fs::path webState = wintest::HostPath(ORVEL_FOLLOW_SERVER_STATE);
  fs::create_directories(root / "time");
  WriteProgramFolder(folder.path(), now, now + 1200, port);
  fs::copy_file(folder.path() / "scd" / "Schedule.csv", root / "time" / "a.csv",
                fs::copy_options::overwrite_existing);
  std::ofstream(webState / "date_offset") << -120;
  std::ofstream(folder.path() / "follow.ini")
      << "source=http://127.0.0.1:" << FileText(webState / "port") << "/time/a.csv\n";
  wintest::RunningEdition edition(GetParam(), folder.path());
  edition.Start();
  // The fetch at start brings the server's Date; the SNTP server, 5 minutes ahead, answers too.
  PumpFor(1000);
  const HWND time =
      wintest::ChooseFromRightClickMenu(edition.MenuTarget(), kDownsToTimeWindow, L"校时", 5000);
  std::vector<std::wstring> lines;
  for (const ULONGLONG until = GetTickCount64() + 10000; time && GetTickCount64() < until;) {
    PumpFor(200);
    lines = ChildTexts(time);
    if (HasLine(lines, L"本机时钟快 2 分")) break;
  }
  fs::remove(webState / "date_offset");
  ASSERT_NE(time, nullptr) << "the 校时 window did not open";
  EXPECT_TRUE(HasLine(lines, L"本机时钟快 2 分"));
}

std::string EditionName(const ::testing::TestParamInfo<bool>& edition) {
  return edition.param ? "Schedule" : "Orvel2";
}

INSTANTIATE_TEST_SUITE_P(BothEditions, SchoolTimeWindowTest, ::testing::Bool(), EditionName);

}  // namespace
}  // namespace orvel
