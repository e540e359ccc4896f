// National holidays from year files: holidays\YYYY.json dropped into the program folder, and
// holidays/YYYY.json that a followed school publishes beside its timetable. A file gives a year
// the table lacks, replaces a built-in year, and takes its place in one order under the day
// lists; a broken one changes nothing and is named once; the day window says what is in force,
// and a year without any data is told once on each PC.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "classic_fixture.h"
#include "cses_week.h"
#include "desktop/frm_tips.h"
#include "panel/frm_days.h"
#include "panel_fixture.h"
#include "platform/headless/user_actions.h"

namespace orvel::test {
namespace {

using namespace std::chrono;

struct Day {
  std::string date, name;
  bool off = true;
};

// A year file as the data set writes it.
std::string YearFile(int year, const std::vector<Day>& days) {
  std::string text =
      "{\n  \"year\": " + std::to_string(year) + ",\n  \"papers\": [],\n  \"days\": [";
  for (std::size_t i = 0; i < days.size(); ++i)
    text += std::string(i ? "," : "") + "\n    {\"name\": \"" + days[i].name + "\", \"date\": \"" +
            days[i].date + "\", \"isOffDay\": " + (days[i].off ? "true" : "false") + "}";
  return text + "\n  ]\n}\n";
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string LabelOn(program::ProgramState& state, year_month_day date) {
  const clock::SchoolDay& day = state.days.On(date, CalendarArea::AtListIndex(1));
  return day.label ? std::string(day.label->view()) : "<none>";
}

std::vector<std::string> BalloonTexts(headless::HeadlessPlatform& platform) {
  std::vector<std::string> texts;
  for (const headless::TrayOp& op : platform.tray().Ops())
    if (op.kind == headless::TrayOpKind::Modify)
      texts.push_back(AnsiToUtf8(op.record.balloonTextAnsi));
  return texts;
}

const std::string kMissing2027 =
    "2027年的法定节假日安排尚未提供：请将 2027.json 放入程序的 holidays 文件夹，或由学校统一发布。";

// The grid edition whole, reminding by popup, its calendar area "其他"; Monday to Sunday 8:00.
class HolidayFilesTest : public ::testing::Test {
 protected:
  void Start(year_month_day date, int now = At(7, 57) - 1) {
    WriteTimetable(folder.path(), "Schedule.csv", FullWeekTable());
    SettingsFile settings;
    settings.highlight = "1";
    settings.remind = "1";
    settings.area = "1";
    settings.Write(folder.path());
    app = std::make_unique<PanelProgram>(folder.path());
    app->platform.SetNow(date, now);
    app->Start();
  }
  void Holidays(std::string_view name, std::string_view text) {
    WriteBytes(folder.path() / "holidays" / name, text);
  }
  std::string ReminderAfterTick() {
    app->platform.Advance(1);
    const auto* popup = dynamic_cast<desktop::FrmTips*>(app->platform.FindForm("frmTips"));
    return popup && popup->Loaded() ? popup->tag : std::string();
  }
  // 调课与放假 from the right-click menu; its status line.
  std::string StatusLine() {
    if (auto* open = dynamic_cast<panel::FrmDays*>(app->platform.FindForm("FrmDays")))
      open->CmdClose.UserClick();
    app->dialogs().QueueMenuCaption("调课与放假...");
    EXPECT_TRUE(headless::RightClickCell(app->platform, app->grid(), 1, 2));
    auto* days = dynamic_cast<panel::FrmDays*>(app->platform.FindForm("FrmDays"));
    return days ? days->LblNational.Caption() : "<no window>";
  }

  ProgramFolder folder;
  std::unique_ptr<PanelProgram> app;
};

TEST_F(HolidayFilesTest, a_year_file_gives_a_year_the_table_lacks_its_holidays_and_make_up_days) {
  // Put into the folder on New Year's Eve while the program runs: it counts from the next day.
  // 2027-01-01 is a Friday, 2027-01-09 a Saturday.
  // Until then the year is missing, and said so from the last days of December.
  Start(2026y / December / 31, At(10, 0));
  EXPECT_EQ(BalloonTexts(app->platform), std::vector<std::string>{kMissing2027});
  Holidays("2027.json", YearFile(2027, {{"2027-01-01", "元旦"}, {"2027-01-09", "元旦", false}}));
  app->platform.SetNow(2027y / January / 1, At(7, 57) - 1);
  EXPECT_EQ(ReminderAfterTick(), "");
  EXPECT_EQ(app->grid().TextMatrix(0, 1), "元旦");
  EXPECT_EQ(BalloonTexts(app->platform).size(), 1u);

  // The make-up Saturday keeps its own column and asks for a weekday, as a built-in one does.
  app->platform.SetNow(2027y / January / 9, At(7, 57) - 1);
  EXPECT_EQ(ReminderAfterTick(), "下节课有课：补课");
  EXPECT_EQ(app->grid().TextMatrix(0, 1), "补班");
  app->platform.Advance(16);  // behind the year's notice
  EXPECT_EQ(BalloonTexts(app->platform).back(),
            "今天补班，请在右键菜单“调课与放假”中选择按星期几上课");
  // Any other day of the year is an ordinary one.
  app->platform.SetNow(2027y / January / 8, At(7, 57) - 1);
  EXPECT_EQ(ReminderAfterTick(), "下节课有课：化学");
}

TEST_F(HolidayFilesTest, one_table_in_the_order_lists_local_file_school_file_built_in) {
  // Thursday 1 October 2026, National Day in the built-in table, as each source names it.
  const std::string ownList = "2026-10-01,放假,本机名单\r\n";
  const std::string schoolList = "2026-10-01,放假,学校名单\r\n";
  const std::string localFile = YearFile(2026, {{"2026-10-01", "本机文件"}});
  const std::string schoolFile = YearFile(2026, {{"2026-10-01", "学校文件"}});
  const struct {
    const char* what;
    std::string own, school, local, schoolYear;
    std::string first, second;  // the labels of 1 and 2 October
  } cases[] = {
      {"all", ownList, schoolList, localFile, schoolFile, "本机名单", "时间"},
      {"no own list", "", schoolList, localFile, schoolFile, "学校名单", "时间"},
      {"files only", "", "", localFile, schoolFile, "本机文件", "时间"},
      {"the school's file", "", "", "", schoolFile, "学校文件", "时间"},
      {"the table", "", "", "", "", "国庆节", "国庆节"},
      {"switched off", "国家节假日,关\r\n", "", localFile, schoolFile, "时间", "时间"},
      {"switched off by the school", "", "国家节假日,关\r\n", localFile, "", "时间", "时间"},
  };
  for (const auto& c : cases) {
    ProgramFolder f;
    if (!c.own.empty()) WriteAnsiFile(f.path() / "days.csv", c.own);
    if (!c.school.empty()) WriteAnsiFile(f.path() / "days.school.csv", c.school);
    if (!c.local.empty()) WriteBytes(f.path() / "holidays" / "2026.json", c.local);
    if (!c.schoolYear.empty()) WriteBytes(f.path() / "holidays" / "2026.school.json", c.schoolYear);
    TestProgram program(f.path());
    program.Start();
    EXPECT_EQ(LabelOn(program.state, 2026y / October / 1), c.first) << c.what;
    EXPECT_EQ(LabelOn(program.state, 2026y / October / 2), c.second) << c.what;
  }
}

TEST_F(HolidayFilesTest, a_broken_file_keeps_its_year_as_it_was_and_is_named_once) {
  Holidays("2026.json", YearFile(2026, {{"2027-01-01", "元旦"}}));
  Holidays("2027.json", "<html>502 Bad Gateway</html>");
  Holidays("2027.school.json", YearFile(2027, {{"2027-01-01", "元旦"}}));
  Start(2026y / December / 31, At(10, 0));
  EXPECT_EQ(LabelOn(app->state(), 2026y / October / 1), "国庆节");
  EXPECT_EQ(LabelOn(app->state(), 2027y / January / 1), "元旦");

  const std::string bad2026 =
      "holidays\\2026.json 无法使用（第 5 行：日期 2027-01-01 不在 2026 年内），已忽略；"
      "2026年的法定节假日照旧。";
  const std::string bad2027 =
      "holidays\\2027.json 无法使用（不是 JSON 对象），已忽略；2027年的法定节假日照旧。";
  // One balloon at a time: the second once the first has been up a while.
  EXPECT_EQ(BalloonTexts(app->platform), std::vector<std::string>{bad2026});
  app->platform.Advance(15);
  EXPECT_EQ(BalloonTexts(app->platform), (std::vector<std::string>{bad2026, bad2027}));
  // The folder is read again on a new date; what was named is not named again.
  app->platform.SetNow(2027y / January / 1, At(10, 0));
  app->platform.Advance(60);
  EXPECT_EQ(BalloonTexts(app->platform), (std::vector<std::string>{bad2026, bad2027}));
  EXPECT_EQ(app->grid().TextMatrix(0, 1), "元旦");
}

TEST_F(HolidayFilesTest, the_day_window_says_which_years_come_from_where) {
  Holidays("2027.json", YearFile(2027, {{"2027-01-01", "元旦"}}));
  Holidays("2028.school.json", YearFile(2028, {{"2028-01-01", "元旦"}}));
  Holidays("2029.school.json", YearFile(2029, {{"2029-01-01", "元旦"}}));
  // A placeholder of the data set is no data.
  Holidays("2030.json", R"({"year": 2030, "papers": [], "days": []})");
  Start(2026y / December / 8, At(10, 0));
  EXPECT_EQ(
      StatusLine(),
      "法定节假日：2020–2026年（内置），2027年（holidays\\2027.json），2028–2029年（学校发布）");

  app->platform.SetNow(2030y / January / 2, At(10, 0));
  app->platform.Advance(1);
  EXPECT_EQ(
      StatusLine(),
      "2030年的法定节假日安排尚未提供：请将 2030.json 放入程序的 holidays 文件夹，或由学校统一发"
      "布。");
  auto* days = dynamic_cast<panel::FrmDays*>(app->platform.FindForm("FrmDays"));
  ASSERT_TRUE(days);
  days->ChkNational.UserClick();
  EXPECT_EQ(days->LblNational.Caption(), "法定节假日：已关闭，不按国家安排放假和补班");
}

TEST_F(HolidayFilesTest, a_year_without_data_is_told_once_on_each_pc) {
  Start(2027y / January / 4, At(10, 0));
  EXPECT_EQ(BalloonTexts(app->platform), std::vector<std::string>{kMissing2027});
  app->platform.SetNow(2027y / January / 5, At(10, 0));
  app->platform.Advance(20);
  EXPECT_EQ(BalloonTexts(app->platform).size(), 1u);

  // Started again that year: nothing. From 25 December the next year is asked about too, since
  // the days before New Year may be its make-up days; told once, not again on 1 January.
  app.reset();
  Start(2027y / December / 24, At(23, 59));
  EXPECT_TRUE(BalloonTexts(app->platform).empty());
  app->platform.Advance(61);
  const std::vector<std::string> told2028{
      "2028年的法定节假日安排尚未提供：请将 2028.json 放入程序的 holidays 文件夹，或由学"
      "校统一发布。"};
  EXPECT_EQ(BalloonTexts(app->platform), told2028);
  app.reset();
  Start(2028y / January / 1, At(10, 0));
  EXPECT_TRUE(BalloonTexts(app->platform).empty());

  // The classic edition tells it with its popup; it is the same PC, so 2027 is not told again.
  ProgramFolder classicFolder;
  WriteTimetable(classicFolder.path(), "Schedule.csv", FullWeekTable());
  SettingsFile settings;
  settings.highlight = "1";
  WriteClassicSettings(classicFolder.path(), settings);
  ClassicTestProgram classic(classicFolder.path());
  classic.platform.SetNow(2027y / March / 1, At(10, 0));
  classic.Start();
  const auto* popup = dynamic_cast<desktop::FrmTips*>(classic.platform.FindForm("frmTips"));
  ASSERT_TRUE(popup && popup->Loaded());
  EXPECT_EQ(popup->tag, kMissing2027);
}

TEST_F(HolidayFilesTest, a_followed_school_brings_this_and_next_years_holiday_files) {
  WriteAnsiFile(folder.path() / "follow.ini",
                "source=https://school.example/tt/{class}.yaml\r\nclass=初二3班\r\nminutes=30\r\n");
  const std::string url2027 = "https://school.example/tt/holidays/2027.json";
  const std::string url2026 = "https://school.example/tt/holidays/2026.json";
  const std::string good = YearFile(2027, {{"2027-01-01", "元旦"}});
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  SettingsFile().Write(folder.path());
  app = std::make_unique<PanelProgram>(folder.path());
  app->platform.SetNow(2026y / December / 8, At(10, 0));
  headless::HeadlessHttp& http = app->platform.http();
  http.Serve("https://school.example/tt/%E5%88%9D%E4%BA%8C3%E7%8F%AD.yaml",
             std::string(kAlternatingWeek), "\"t1\"");
  http.Serve(url2027, good, "\"h1\"");
  // As an object store answers for a file it lacks.
  http.Fail(url2026, ui::HttpFailure::Status, 403);
  app->Start();
  app->platform.Advance(1);

  // 2026's is not there, which says nothing; 2027's is kept beside the PC's own files.
  EXPECT_EQ(AnsiToUtf8(app->platform.tray().Icon(app->window())->tipAnsi),
            "Tessaly2\n已同步 10:00");
  const auto copy = folder.path() / "holidays" / "2027.school.json";
  EXPECT_EQ(ReadWholeFile(copy, 1 << 20).bytes, good);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "holidays" / "2026.school.json"));
  EXPECT_EQ(LabelOn(app->state(), 2027y / January / 1), "元旦");
  EXPECT_TRUE(BalloonTexts(app->platform).empty());
  const auto asked = [&](const std::string& url) {
    return std::count_if(http.Requests().begin(), http.Requests().end(),
                         [&](const ui::HttpRequest& r) { return r.url == url; });
  };
  EXPECT_EQ(asked(url2026), 1);

  // Once a day: the next period asks only for the timetable and the day list.
  app->platform.Advance(36 * 60);
  EXPECT_EQ(asked(url2027), 1);

  // The next day, conditionally; a broken file that came is not kept and is reported.
  http.Serve(url2027, "<html>维护中</html>", "\"h2\"");
  app->platform.SetNow(2026y / December / 9, At(10, 0));
  app->platform.Advance(36 * 60);
  ASSERT_EQ(asked(url2027), 2);
  const auto last2027 = std::find_if(http.Requests().rbegin(), http.Requests().rend(),
                                     [&](const ui::HttpRequest& r) { return r.url == url2027; });
  EXPECT_EQ(last2027->etag, "\"h1\"");
  EXPECT_EQ(ReadWholeFile(copy, 1 << 20).bytes, good);
  EXPECT_EQ(BalloonTexts(app->platform).size(), 1u);
  EXPECT_NE(BalloonTexts(app->platform).back().find("holidays/2027.json 无法使用：不是 JSON 对象"),
            std::string::npos);
}

}  // namespace
}  // namespace orvel::test
