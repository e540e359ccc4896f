// Orvel2 started from a command line, as a set-up script starts it: the work done before the
// window, or instead of it, its exit code and its one line for the console.
#include <gtest/gtest.h>

#include <functional>

#include "app/grid_program.h"
#include "cses_week.h"
#include "exchange/cses_file.h"
#include "read_cses.h"
#include "shell/exchange_texts.h"
#include "exchange/follow_settings.h"
#include "program_fixture.h"
#include "timetable/timetable_reader.h"

namespace orvel::test {
namespace {

// The headless backend with a look at the program while its message loop would run.
class InspectedPlatform : public headless::HeadlessPlatform {
 public:
  using HeadlessPlatform::HeadlessPlatform;
  int Run() override {
    if (whileRunning) whileRunning();
    return 0;
  }
  std::function<void()> whileRunning;
};

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTimetable(folder.path(), "全周.csv", FullWeekTable());
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    SettingsFile settings;
    settings.scdFileName = "全周.csv";
    settings.Write(folder.path());
  }
  int Run(const std::vector<std::string>& args) { return RunOn(platform, args); }
  int RunOn(InspectedPlatform& on, const std::vector<std::string>& args) {
    return shell::RunProgram<grid::FrmSchedule>(
        on, "Orvel2.exe", args, [this](const std::string& line) { lines.push_back(line); });
  }
  static std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string Outside(const std::string& name) {
    return Utf8FromPath(elsewhere.path() / PathFromUtf8(name));
  }

  ProgramFolder folder;
  ProgramFolder elsewhere;
  InspectedPlatform platform{folder.path()};
  std::vector<std::string> lines;
};

TEST_F(CommandLineTest, export_writes_the_settings_timetable_and_opens_no_window) {
  const auto files = folder.Snapshot();
  bool windowRan = false;
  platform.whileRunning = [&] { windowRan = true; };
  const std::string out = Outside("全周 导出.yaml");

  EXPECT_EQ(Run({"/export-cses", out}), 0);

  EXPECT_FALSE(windowRan);
  EXPECT_TRUE(platform.LoadedForms().empty());
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(folder.Snapshot(), files);
  const exchange::CsesImport back = test::ReadCsesFile(PathFromUtf8(out));
  ASSERT_TRUE(back.timetable.has_value()) << shell::CsesRefusalText(back.refusal);
  const Rows table = FullWeekTable();
  for (int r = 1; r < 3; ++r)
    for (int c = 1; c < 9; ++c) EXPECT_EQ(back.timetable->cell(r, c), table[r][c]) << r << c;
}

TEST_F(CommandLineTest, failures_give_exit_code_1_one_line_naming_the_problem_and_change_nothing) {
  const std::string broken = Outside("坏.yaml");
  std::ofstream(PathFromUtf8(broken)) << "version: 2\n";
  // A spreadsheet's CSV of 300 columns.
  std::string wide = "2,300\r\n";
  for (int r = 0; r < 2; ++r) wide += std::string(299, ',') + "\r\n";
  std::ofstream(PathFromUtf8(Outside("宽.csv")), std::ios::binary) << wide;
  std::ofstream(PathFromUtf8(Outside("笔记.txt")), std::ios::binary) << "不是课程表\r\n";
  const std::string program = Utf8FromPath(folder.path());
  const struct {
    std::vector<std::string> args;
    std::string named;  // what the line says
  } failing[] = {
      {{"/import"}, "/import"},
      {{"/start"}, "/start"},
      {{"/import", broken}, "坏.yaml"},
      {{"/import", Outside("没有.yaml")}, "找不到这个文件"},
      {{"/import", Outside("宽.csv")},
       "课表有 2 行 300 列，超出了本程序的范围（1 到 256 行、1 到 64 列）"},
      {{"/export-cses", Outside("没有的文件夹/导出.yaml")}, "文件夹不存在"},
      // The program's own files, whatever the case, and anything in scd, new or not.
      {{"/export-cses", program + "/scd/Schedule.csv"}, "本程序自己的文件"},
      {{"/export-cses", program + "/scd/新.yaml"}, "本程序自己的文件"},
      {{"/export-cses", program + "/ORVEL2.INI"}, "本程序自己的文件"},
      {{"/export-cses", program + "/Orvel2.exe"}, "本程序自己的文件"},
      {{"/export-cses", program + "/days.csv"}, "本程序自己的文件"},
      {{"/export-cses", program + "/Classroom.ini"}, "本程序自己的文件"},
      {{"/export-cses", Outside("a?b.yaml")}, "Windows 不允许的字符"},
      {{"/export-cses", Outside("课表|1.yaml")}, "Windows 不允许的字符"},
      {{"/export-cses", "NUL"}, "设备名"},
      {{"/export-cses", Outside("LPT1.yaml")}, "设备名"},
      {{"/export-cses", Outside("笔记.txt")}, "不是 CSES 课程表"},
  };
  const auto files = folder.Snapshot();
  const auto outside = elsewhere.Snapshot();
  for (const auto& c : failing) {
    lines.clear();
    EXPECT_EQ(Run(c.args), 1) << c.args.back();
    ASSERT_EQ(lines.size(), 1u) << c.args.back();
    EXPECT_EQ(lines[0].find('\n'), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(c.named), std::string::npos) << lines[0];
    EXPECT_TRUE(platform.LoadedForms().empty());
    EXPECT_EQ(folder.Snapshot(), files) << c.args.back();
    EXPECT_EQ(elsewhere.Snapshot(), outside) << c.args.back();
  }

  // An existing CSES file is the export's to replace.
  const std::string yaml = Outside("导出.yaml");
  std::ofstream(PathFromUtf8(yaml)) << "version: 1\nsubjects: []\nschedules: []\n";
  lines.clear();
  EXPECT_EQ(Run({"/export-cses", yaml}), 0) << (lines.empty() ? "" : lines[0]);
  EXPECT_TRUE(test::ReadCsesFile(PathFromUtf8(yaml)).timetable.has_value());
  std::filesystem::remove(PathFromUtf8(yaml));

  // The settings name a timetable that cannot be read: nothing to export.
  SettingsFile settings;
  settings.scdFileName = "没有.csv";
  settings.Write(folder.path());
  lines.clear();
  EXPECT_EQ(Run({"/export-cses", Outside("导出.yaml")}), 1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("没有.csv"), std::string::npos) << lines[0];
  EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(Outside("导出.yaml"))));
}

TEST_F(CommandLineTest, import_replaces_without_asking_and_the_window_starts_with_it) {
  const std::string yaml = Outside("Schedule.yaml");
  std::ofstream(PathFromUtf8(yaml), std::ios::binary)
      << "version: 1\nsubjects: [{name: 班会}]\nschedules:\n"
         "  - {name: 五, enable_day: 5, weeks: all, classes: [\n"
         "      {subject: 班会, start_time: \"15:00:00\", end_time: \"15:40:00\"}]}\n";
  const std::string settingsBefore = Bytes(folder.path() / "Orvel2.ini");
  Rows shown;
  std::string current;
  platform.whileRunning = [&] {
    auto* window = dynamic_cast<grid::FrmSchedule*>(platform.FindForm("FrmSchedule"));
    ASSERT_NE(window, nullptr);
    current = window->state().values.ScdFileName;
    for (int r = 0; r < window->MSFlexGrid1.Rows(); ++r) {
      shown.emplace_back();
      for (int c = 0; c < window->MSFlexGrid1.Cols(); ++c)
        shown.back().push_back(window->MSFlexGrid1.TextMatrix(r, c));
    }
  };

  EXPECT_EQ(Run({"/import", yaml}), 0);

  EXPECT_TRUE(lines.empty());
  EXPECT_TRUE(platform.dialogs().Messages().empty());  // no question, no message
  EXPECT_EQ(current, "Schedule.csv");
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1], (std::vector<std::string>{"第1节", "15:00-15:40", "", "", "", "", "班会"}));
  // The settings file still names its own timetable.
  EXPECT_EQ(Bytes(folder.path() / "Orvel2.ini"), settingsBefore);
  EXPECT_NE(Bytes(folder.path() / "scd" / "Schedule.csv").find("15:00-15:40"), std::string::npos);
}

TEST_F(CommandLineTest, a_second_start_hands_over_to_the_running_program_and_ends) {
  InspectedPlatform second{folder.path()};
  bool secondRan = false;
  second.whileRunning = [&] { secondRan = true; };
  const std::string yaml = Outside("班会.yaml");
  std::ofstream(PathFromUtf8(yaml), std::ios::binary)
      << "version: 1\nsubjects: [{name: 班会}]\nschedules:\n"
         "  - {name: 五, enable_day: 5, weeks: all, classes: [\n"
         "      {subject: 班会, start_time: \"15:00:00\", end_time: \"15:40:00\"}]}\n";
  const std::string url = "https://school.example/tt/3.yaml";
  second.http().Serve(url, std::string(kAlternatingWeek), "\"v1\"");
  platform.http().Serve(url, std::string(kAlternatingWeek), "\"v1\"");
  platform.whileRunning = [&] {
    auto* window = dynamic_cast<grid::FrmSchedule*>(platform.FindForm("FrmSchedule"));
    ASSERT_NE(window, nullptr);
    window->Hide();
    // No job: the running window is shown again, and no second one opens.
    EXPECT_EQ(RunOn(second, {}), 0);
    EXPECT_FALSE(secondRan);
    EXPECT_TRUE(window->Visible());
    // /import: the file goes into "scd" and the running window loads it.
    EXPECT_EQ(RunOn(second, {"/import", yaml}), 0);
    EXPECT_FALSE(secondRan);
    EXPECT_EQ(window->state().values.ScdFileName, "班会.csv");
    EXPECT_EQ(window->MSFlexGrid1.TextMatrix(1, 6), "班会");
    // A name outside "scd", from whatever sent it, loads nothing.
    second.instances().HandOver(shell::RunningProgramName(Edition::Grid, folder.path()),
                                "load:../Orvel2.ini", 0);
    EXPECT_EQ(window->state().values.ScdFileName, "班会.csv");
    // /follow runs beside it, and the running program follows at once.
    EXPECT_EQ(RunOn(second, {"/follow", url}), 0);
    EXPECT_EQ(window->state().followedSource, url);
    EXPECT_EQ(RunOn(second, {"/follow", "off"}), 0);
    EXPECT_EQ(window->state().followedSource, "");
  };
  EXPECT_EQ(Run({}), 0);
  EXPECT_TRUE(lines.empty());
  // Once it has ended, a start runs its own window.
  EXPECT_EQ(RunOn(second, {}), 0);
  EXPECT_TRUE(secondRan);
}

TEST_F(CommandLineTest, follow_sets_the_source_fetches_once_and_off_stops_it) {
  const std::string source = "https://school.example/tt/{class}.yaml";
  const std::string url = "https://school.example/tt/%E5%88%9D%E4%BA%8C3%E7%8F%AD.yaml";
  platform.http().Serve(url, std::string(kAlternatingWeek), "\"v1\"");
  bool windowRan = false;
  platform.whileRunning = [&] { windowRan = true; };

  EXPECT_EQ(Run({"/follow", source, "/class", "初二3班", "/every", "45", "/notices-every", "5"}),
            0);
  EXPECT_FALSE(windowRan);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(exchange::ReadFollowSettings(folder.path()),
            (exchange::FollowSettings{source, "初二3班", 45, 5}));
  const std::optional<Timetable> fetched =
      ReadTimetable(folder.path() / "scd" / PathFromUtf8("初二3班.csv"), Edition::Grid);
  ASSERT_TRUE(fetched.has_value());
  EXPECT_EQ(fetched->cell(1, 2), "物理/化学");

  // Managed now: an import is refused.
  const auto files = folder.Snapshot();
  const std::string yaml = Outside("别的.yaml");
  std::ofstream(PathFromUtf8(yaml), std::ios::binary) << kAlternatingWeek;
  EXPECT_EQ(Run({"/import", yaml}), 1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0],
            "此课表由学校统一管理（来源：https://school.example/tt/初二3班.yaml），"
            "如需修改请联系管理员。");
  EXPECT_EQ(folder.Snapshot(), files);

  // A server that fails: 1 and its line; the copy stays, and so does the setting.
  platform.http().Fail(url, ui::HttpFailure::Status, 500);
  lines.clear();
  EXPECT_EQ(Run({"-FOLLOW", source, "-class", "初二3班", "/every", "45", "-notices-every", "5"}),
            1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("服务器返回 500"), std::string::npos) << lines[0];
  EXPECT_EQ(folder.Snapshot(), files);

  EXPECT_EQ(Run({"/follow", "OFF"}), 0);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "follow.ini"));
  EXPECT_EQ(Run({"/follow", "off"}), 0) << "stopping twice is no failure";
  EXPECT_EQ(Run({"/follow", "ftp://school.example/tt.yaml"}), 1);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "follow.ini"));
  EXPECT_FALSE(windowRan);
}

TEST_F(CommandLineTest, follow_keeps_a_teachers_own_file_and_off_sets_the_school_days_aside) {
  const std::string source = "https://school.example/tt/{class}.yaml";
  const std::string url = "https://school.example/tt/%E5%88%9D%E4%BA%8C3%E7%8F%AD.yaml";
  const std::string days = "2026-10-01,放假,国庆节\r\n";
  platform.http().Serve(url, std::string(kAlternatingWeek), "\"v1\"");
  platform.http().Serve("https://school.example/tt/days.csv", days, "\"d1\"");
  // The teacher's own timetable, of the class's name.
  WriteTimetable(folder.path(), "初二3班.csv", FullWeekTable());
  const std::filesystem::path copy = folder.path() / "scd" / PathFromUtf8("初二3班.csv");
  const std::string own = Bytes(copy);

  EXPECT_EQ(Run({"/follow", source, "/class", "初二3班"}), 0);
  EXPECT_EQ(lines,
            (std::vector<std::string>{"学校的课表已写入 scd\\初二3班.csv，原来的同名课表另存为 "
                                      "scd\\初二3班.csv.bak。"}));
  EXPECT_EQ(Bytes(folder.path() / "scd" / PathFromUtf8("初二3班.csv.bak")), own);
  EXPECT_EQ(ReadTimetable(copy, Edition::Grid)->cell(1, 2), "物理/化学");

  // The program's own copy now: replaced when the school's changes, with nothing more kept.
  std::string changed(kAlternatingWeek);
  for (std::size_t at = changed.find("体育"); at != std::string::npos; at = changed.find("体育"))
    changed.replace(at, std::string_view("体育").size(), "美术");
  platform.http().Serve(url, changed, "\"v2\"");
  lines.clear();
  EXPECT_EQ(Run({"/follow", source, "/class", "初二3班"}), 0);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(ReadTimetable(copy, Edition::Grid)->cell(2, 7), "美术");
  EXPECT_EQ(Bytes(folder.path() / "scd" / PathFromUtf8("初二3班.csv.bak")), own);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "scd" / PathFromUtf8("初二3班.csv.2.bak")));

  // A class name that would be a second line of follow.ini is refused before anything is written.
  const auto files = folder.Snapshot();
  EXPECT_EQ(Run({"/follow", source, "/class", "3班\r\nsource=https://x/y.yaml"}), 1);
  EXPECT_EQ(folder.Snapshot(), files);

  // Off: the school's day list no longer applies, and is kept aside.
  lines.clear();
  EXPECT_EQ(Run({"/follow", "off"}), 0);
  EXPECT_EQ(lines, (std::vector<std::string>{"已停止跟随学校课表；学校的调课与放假安排已改名为 "
                                             "days.school.csv.bak，不再生效。"}));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "days.school.csv"));
  EXPECT_EQ(Bytes(folder.path() / "days.school.csv.bak"), days);
}

}  // namespace
}  // namespace orvel::test

namespace orvel::test {
namespace {

TEST_F(CommandLineTest, install_settings_write_only_what_an_installation_gives) {
  const std::filesystem::path classroom = folder.path() / "classroom.ini";
  std::ofstream(classroom, std::ios::binary) << "strip=off\r\nbellOffset=30\r\n";
  const std::vector<std::string> given = {
      "/install-settings", "follow=http://127.0.0.1:9/tt/{class}.yaml", "class=8-3", "every=",
      "strip=", "speech=on", "timeServers="};

  EXPECT_EQ(Run(given), 0);

  EXPECT_TRUE(platform.LoadedForms().empty());
  EXPECT_EQ(exchange::ReadFollowSettings(folder.path()),
            (exchange::FollowSettings{"http://127.0.0.1:9/tt/{class}.yaml", "8-3",
                                      exchange::kDefaultRefreshMinutes}));
  EXPECT_EQ(Bytes(classroom), "strip=off\r\nspeech=on\r\nbellOffset=30\r\n");
  // A repair or upgrade that gives nothing changes nothing the school set since.
  const auto files = folder.Snapshot();
  EXPECT_EQ(Run({"/install-settings", "follow=", "class=", "every=", "strip=", "speech=",
                 "timeServers="}),
            0);
  EXPECT_EQ(folder.Snapshot(), files);
  EXPECT_EQ(Run({"/install-settings", "colour=red"}), 1);
  EXPECT_EQ(folder.Snapshot(), files);
  // One command line for every PC of a school whose PCs are named by room.
  EXPECT_EQ(Run({"/install-settings", "follow=http://127.0.0.1:9/tt/{computer}.yaml"}), 0);
  EXPECT_EQ(exchange::ReadFollowSettings(folder.path())->source,
            "http://127.0.0.1:9/tt/{computer}.yaml");
}

}  // namespace
}  // namespace orvel::test
