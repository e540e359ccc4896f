// A classroom PC following the timetable its school publishes, on real windows: the grid edition
// in-process, fetching with WinHTTP from the test's web server on 127.0.0.1 (follow_server.py,
// which ctest starts and stops around the Windows tests that need it) and from a folder of the
// test standing for a share. The refresh period is shortened to seconds.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "answering_platform.h"
#include "app/grid_program.h"
#include "cses_week.h"
#include "panel/frm_control.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "platform/win32/form_window.h"
#include "platform/win32/grid_window.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Rows = std::vector<std::vector<std::string>>;
using wintest::PumpFor;

constexpr int kArriveMs = 15000;
const std::string kRefusal = "此课表由学校统一管理（来源：";

std::string FileText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Address(const std::string& portFile, const std::string& path) {
  return "http://127.0.0.1:" + FileText(wintest::HostPath(ORVEL_FOLLOW_SERVER_STATE) / portFile) + path;
}

// Pumps messages until `done` holds, for at most `ms`.
bool WaitFor(const std::function<bool()>& done, int ms) {
  for (int waited = 0; !done(); waited += 50) {
    if (waited >= ms) return false;
    PumpFor(50);
  }
  return true;
}

// The week with 体育 become 美术.
std::string Changed(std::string week) {
  for (std::size_t at = week.find("体育"); at != std::string::npos; at = week.find("体育"))
    week.replace(at, std::string_view("体育").size(), "美术");
  return week;
}

// The control panel once it is open in this thread.
panel::FrmControl* OpenPanel() {
  panel::FrmControl* found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM lp) -> BOOL {
        win32::FormWindow* form = win32::FormWindow::FromHwnd(hwnd);
        auto* panel = form ? dynamic_cast<panel::FrmControl*>(&form->form()) : nullptr;
        if (panel && IsWindowVisible(hwnd)) *reinterpret_cast<panel::FrmControl**>(lp) = panel;
        return panel ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// A button anywhere inside a window, by its caption.
HWND ChildButton(HWND parent, const wchar_t* caption) {
  struct Find {
    const wchar_t* caption;
    HWND found;
  } find{caption, nullptr};
  EnumChildWindows(
      parent,
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* f = reinterpret_cast<Find*>(lp);
        wchar_t cls[32] = {}, text[64] = {};
        GetClassNameW(hwnd, cls, 32);
        GetWindowTextW(hwnd, text, 64);
        if (_wcsicmp(cls, L"Button") == 0 && wcscmp(text, f->caption) == 0) f->found = hwnd;
        return f->found ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

class FollowWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder.path() / "scd");
    wintest::WriteAnsi(folder.path() / "scd" / "Schedule.csv",
                       "3,7\r\n节次,时间,一,二,三,四,五\r\n1,8:00-8:45,语文,数学,英语,物理,化学\r\n"
                       "2,8:55-9:40,数学,语文,体育,英语,音乐\r\n");
    // Each test's files on the server lie in a folder named after its own temporary folder.
    served = folder.path().filename().string();
  }
  void TearDown() override {
    program.reset();
    wintest::Pump();
  }

  void Serve(const std::string& name, const std::string& bytes) {
    const fs::path file = wintest::HostPath(ORVEL_FOLLOW_SERVER_ROOT) / served / PathFromUtf8(name);
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  }
  // The program started on follow.ini naming `source` for the class 初二3班.
  void StartFollowing(const std::string& source, std::chrono::milliseconds period = 2s) {
    wintest::WriteAnsi(folder.path() / "follow.ini", "source=" + source + "\r\nclass=初二3班\r\n");
    program = std::make_unique<app::GridProgram>(platform);
    program->shell().follow().SetRefreshPeriod(period);
    program->Start();
  }
  Rows Cells() {
    const ui::Grid& g = program->window().MSFlexGrid1;
    Rows cells(static_cast<std::size_t>(g.Rows()));
    for (int r = 0; r < g.Rows(); ++r)
      for (int c = 0; c < g.Cols(); ++c)
        cells[static_cast<std::size_t>(r)].push_back(g.TextMatrix(r, c));
    return cells;
  }
  // The tip of the notification-area icon, as the program last gave it to the system.
  std::string Tip() { return AnsiToUtf8(program->state().tray.record().tipAnsi); }
  bool Failed() { return Tip().find("同步失败：") != std::string::npos; }
  std::vector<std::pair<fs::path, std::string>> Snapshot() const {
    return wintest::FilesWithBytes(folder.path());
  }
  // The requests the server heard for a path, with the status it gave.
  int Heard(const std::string& line) {
    const std::string log = FileText(wintest::HostPath(ORVEL_FOLLOW_SERVER_STATE) / "log");
    int count = 0;
    for (std::size_t at = log.find(line + "\n"); at != std::string::npos;
         at = log.find(line + "\n", at + 1))
      ++count;
    return count;
  }

  wintest::TempFolder folder;
  wintest::TempFolder share;
  wintest::FolderPlatform platform{folder.path()};
  std::unique_ptr<app::GridProgram> program;
  std::string served;
};

TEST_F(FollowWindowTest, a_web_source_is_shown_kept_on_a_304_and_followed_when_it_changes) {
  Serve("初二3班.yaml", std::string(test::kAlternatingWeek));
  StartFollowing(Address("port", "/" + served + "/{class}.yaml"));

  ASSERT_TRUE(WaitFor([&] { return Cells() == test::kAlternatingTable; }, kArriveMs)) << Tip();
  EXPECT_EQ(program->state().values.ScdFileName, "初二3班.csv");
  EXPECT_EQ(Tip().rfind("Tessaly2\n已同步 ", 0), 0u) << Tip();

  // Unchanged: a 304 a period, nothing written.
  const auto files = Snapshot();
  const std::string timetable = "GET /" + served + "/初二3班.yaml";
  // Each visit asks for the timetable, then for the day list, which is missing: no error.
  const std::string dayList = "GET /" + served + "/days.csv 404";
  ASSERT_TRUE(WaitFor([&] { return Heard(dayList) >= 3; }, kArriveMs));
  EXPECT_EQ(Heard(timetable + " 200"), 1);
  EXPECT_GE(Heard(timetable + " 304"), 2);
  EXPECT_EQ(Snapshot(), files);
  EXPECT_FALSE(Failed()) << Tip();

  // Changed on the server: within a period the window shows it.
  Serve("初二3班.yaml", Changed(std::string(test::kAlternatingWeek)));
  ASSERT_TRUE(WaitFor([&] { return Cells()[2][7] == "美术"; }, 2400 + 3000));
}

TEST_F(FollowWindowTest, failures_leave_the_last_good_timetable_and_the_disk_as_they_were) {
  const Rows lastGood = {{"节次", "时间", "一", "二", "三", "四", "五"},
                         {"1", "8:00-8:45", "班会", "数学", "英语", "物理", "化学"}};
  wintest::WriteAnsi(folder.path() / "scd" / PathFromUtf8("初二3班.csv"),
                     "2,7\r\n节次,时间,一,二,三,四,五\r\n1,8:00-8:45,班会,数学,英语,物理,化学\r\n");
  wintest::WriteAnsi(folder.path() / "days.school.csv", "2026-10-01,放假,国庆节\r\n");
  Serve("坏/初二3班.yaml", "version: 1\nschedules: [");
  Serve("坏日程/初二3班.yaml", std::string(test::kAlternatingWeek));
  Serve("坏日程/days.csv", std::string("2026-10-01,\0\0", 13));
  const struct {
    const char* what;
    std::string source;
    std::string problem;
  } cases[] = {
      {"server down", Address("down_port", "/" + served + "/{class}.yaml"), "无法连接服务器"},
      {"status 500", Address("port", "/status/500/{class}.yaml"), "服务器返回 500"},
      {"body over 1 MB", Address("port", "/big/{class}.yaml"), "文件太大"},
      {"body cut short", Address("port", "/short/{class}.yaml"), "下载不完整"},
      {"broken file", Address("port", "/" + served + "/坏/{class}.yaml"), "课表文件有误"},
      {"four redirects", Address("port", "/redirect/4/" + served + "/坏日程/{class}.yaml"),
       "重定向过多"},
      // Basic authentication would send the password as it is.
      {"password over http",
       Address("port", "/auth/" + served + "/坏日程/{class}.yaml").insert(7, "teacher:s3cret@"),
       "服务器要求以明文发送密码，请改用 https"},
      // Last: its timetable is good and taken.
      {"broken day list", Address("port", "/" + served + "/坏日程/{class}.yaml"), "days.csv"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    wintest::WriteAnsi(folder.path() / "follow.ini",
                       "source=" + c.source + "\r\nclass=初二3班\r\n");
    const auto files = Snapshot();
    StartFollowing(c.source);
    EXPECT_EQ(Cells(), lastGood);
    ASSERT_TRUE(WaitFor([&] { return Failed(); }, kArriveMs)) << Tip();
    EXPECT_NE(Tip().find(c.problem), std::string::npos) << Tip();
    const std::string balloon = AnsiToUtf8(program->state().tray.record().balloonTextAnsi);
    for (const std::string& shown : {Tip(), balloon})
      EXPECT_EQ(shown.find("s3cret"), std::string::npos) << shown;
    EXPECT_EQ(FileText(folder.path() / "days.school.csv"),
              Utf8ToAnsi("2026-10-01,放假,国庆节\r\n"));
    // The broken day list's timetable is taken; nothing else is.
    if (std::string(c.what) != "broken day list") {
      EXPECT_EQ(Cells(), lastGood);
      EXPECT_EQ(Snapshot(), files);
    }
    program.reset();
    wintest::Pump();
  }
}

TEST_F(FollowWindowTest, a_trickling_server_is_cut_off_on_time_and_the_next_period_fetches_again) {
  Serve("初二3班.yaml", std::string(test::kAlternatingWeek));
  // The first answer's body comes at 200 bytes a second.
  StartFollowing(Address("port", "/trickle-body/" + served + "/{class}.yaml"));
  // Timed from the server's first sight of the request (heard within one 50 ms look), not from
  // the window's start-up before it.
  const std::string asked = "GET /trickle-body/" + served + "/初二3班.yaml";
  ASSERT_TRUE(WaitFor([&] { return Heard(asked + " trickled") >= 1; }, kArriveMs));
  const auto started = std::chrono::steady_clock::now();
  ASSERT_TRUE(WaitFor([&] { return Failed(); }, 45000)) << Tip();
  const auto ended = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - started);
  std::printf("the trickled request ended after %lld ms: %s\n",
              static_cast<long long>(ended.count()), Tip().c_str());
  EXPECT_LE(ended, 32s);
  EXPECT_NE(Tip().find("连接超时"), std::string::npos) << Tip();

  // The next period asks again, and the timetable comes.
  ASSERT_TRUE(WaitFor([&] { return Cells() == test::kAlternatingTable; }, kArriveMs)) << Tip();
  EXPECT_EQ(Heard(asked + " 200"), 1);
}

TEST_F(FollowWindowTest, a_file_on_a_share_is_shown_left_alone_while_unchanged_and_followed) {
  const fs::path published = share.path() / PathFromUtf8("初二3班.csv");
  wintest::WriteAnsi(published, "2,4\r\n节次,时间,一,二\r\n1,8:00-8:45,语文,数学\r\n");
  StartFollowing(Utf8FromPath(share.path()) + "\\{class}.csv");
  const Rows first = {{"节次", "时间", "一", "二"}, {"1", "8:00-8:45", "语文", "数学"}};
  ASSERT_TRUE(WaitFor([&] { return Cells() == first; }, kArriveMs)) << Tip();

  // Looked at again every period, and left alone while its size and time stay.
  const fs::path copy = folder.path() / "scd" / PathFromUtf8("初二3班.csv");
  const auto written = fs::last_write_time(copy);
  PumpFor(5000);
  EXPECT_EQ(fs::last_write_time(copy), written);
  EXPECT_FALSE(Failed()) << Tip();

  // Broken on the share: refused, the copy stays.
  const auto files = Snapshot();
  wintest::WriteAnsi(published, "这不是课表");
  ASSERT_TRUE(WaitFor([&] { return Failed(); }, kArriveMs)) << Tip();
  EXPECT_EQ(Cells(), first);
  EXPECT_EQ(Snapshot(), files);

  wintest::WriteAnsi(published, "2,4\r\n节次,时间,一,二\r\n1,8:00-8:45,班会,数学\r\n");
  ASSERT_TRUE(WaitFor([&] { return Cells()[1][2] == "班会"; }, kArriveMs)) << Tip();
}

TEST_F(FollowWindowTest, the_panels_save_refuses_while_following) {
  Serve("初二3班.yaml", std::string(test::kAlternatingWeek));
  StartFollowing(Address("port", "/" + served + "/{class}.yaml"));
  ASSERT_TRUE(WaitFor([&] { return Cells() == test::kAlternatingTable; }, kArriveMs)) << Tip();
  const auto files = Snapshot();

  // A real double click on the grid opens the panel; its 保存 button is clicked.
  HWND grid = wintest::ChildOfClass(wintest::FormHwnd(program->window()), win32::kGridClassName);
  ASSERT_NE(grid, nullptr);
  POINT at{20, 10};
  ClientToScreen(grid, &at);
  SetCursorPos(at.x, at.y);
  INPUT clicks[4]{};
  for (int i = 0; i < 4; ++i) {
    clicks[i].type = INPUT_MOUSE;
    clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
  SendInput(4, clicks, sizeof(INPUT));
  panel::FrmControl* panel = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (panel = OpenPanel()) != nullptr; }, 5000));
  HWND save = ChildButton(win32::FormWindow::HwndOf(panel), L"保存");
  ASSERT_NE(save, nullptr);
  SendMessageW(save, BM_CLICK, 0, 0);
  wintest::Pump();

  ASSERT_FALSE(platform.dialogs().messages.empty());
  EXPECT_EQ(platform.dialogs().messages.back().text.rfind(kRefusal, 0), 0u)
      << platform.dialogs().messages.back().text;
  EXPECT_EQ(platform.dialogs().messages.back().title, "保存失败");
  EXPECT_EQ(Snapshot(), files);
  panel->Unload();
}

}  // namespace
}  // namespace orvel
