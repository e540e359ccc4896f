// A classroom PC that follows the timetable its school publishes (follow.ini): fetched in the
// background after the window is up, refreshed every period, kept when a fetch fails, managed
// while followed; the network is the headless backend's server in memory.
#include <gtest/gtest.h>

#include <functional>

#include "cses_week.h"
#include "panel_fixture.h"
#include "platform/headless/user_actions.h"
#include "timetable/timetable_reader.h"

namespace orvel::test {
namespace {

using headless::TrayOpKind;

// The class name goes into the address percent-encoded: 初二3班.
constexpr std::string_view kFollowIni =
    "source=https://school.example/tt/{class}.yaml\r\nclass=初二3班\r\nminutes=30\r\n";
const std::string kUrl = "https://school.example/tt/%E5%88%9D%E4%BA%8C3%E7%8F%AD.yaml";
const std::string kDaysUrl = "https://school.example/tt/days.csv";
constexpr std::string_view kShownSource = "https://school.example/tt/初二3班.yaml";
constexpr std::string_view kDays = "# 国庆\r\n2026-10-01,放假,国庆节\r\n";

// The week with 体育 (Saturday's second class) become 美术.
std::string Changed(std::string week) {
  for (std::size_t at = week.find("体育"); at != std::string::npos; at = week.find("体育"))
    week.replace(at, std::string_view("体育").size(), "美术");
  return week;
}

class FollowTest : public ::testing::Test {
 protected:
  // Wednesday 10 September 2025, 10:00.
  static constexpr std::chrono::year_month_day kWednesday{
      std::chrono::year{2025}, std::chrono::month{9}, std::chrono::day{10}};

  // A program folder with the PC's own timetable and follow.ini, and the program built on it,
  // not started yet: the test sets up the server first.
  void Prepare(const std::filesystem::path& place, std::string_view followIni = kFollowIni) {
    WriteTimetable(place, "Schedule.csv", WeekTable());
    SettingsFile().Write(place);
    WriteAnsiFile(place / "follow.ini", followIni);
    app = std::make_unique<PanelProgram>(place);
    app->platform.SetNow(kWednesday, 10 * 3600);
  }
  headless::HeadlessHttp& Http() { return app->platform.http(); }
  Rows Cells() {
    Rows cells(static_cast<std::size_t>(app->grid().Rows()));
    for (int r = 0; r < app->grid().Rows(); ++r)
      for (int c = 0; c < app->grid().Cols(); ++c)
        cells[static_cast<std::size_t>(r)].push_back(app->grid().TextMatrix(r, c));
    return cells;
  }
  std::string Tip() {
    const headless::ShellIconRecord* icon = app->platform.tray().Icon(app->window());
    return icon ? AnsiToUtf8(icon->tipAnsi) : "<no icon>";
  }
  std::size_t Balloons() {
    const auto& ops = app->platform.tray().Ops();
    return static_cast<std::size_t>(
        std::count_if(ops.begin(), ops.end(),
                      [](const headless::TrayOp& op) { return op.kind == TrayOpKind::Modify; }));
  }
  // The right-click menu with its item picked by caption; the captions it showed.
  std::vector<std::string> PickFromMenu(const std::string& caption) {
    app->dialogs().QueueMenuCaption(caption);
    EXPECT_TRUE(headless::RightClickCell(app->platform, app->grid(), 1, 2));
    return app->dialogs().Menus().back().captions;
  }
  static std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::filesystem::path Scd(const std::string& name) const {
    return folder.path() / "scd" / PathFromUtf8(name);
  }

  ProgramFolder folder;
  std::unique_ptr<PanelProgram> app;
};

TEST_F(FollowTest, the_school_timetable_arrives_in_the_background_and_follows_its_changes) {
  Prepare(folder.path());
  Http().Serve(kUrl, std::string(kAlternatingWeek), "\"v1\"");
  Http().Serve(kDaysUrl, std::string(kDays), "\"d1\"");
  app->Start();

  // The window is up with what the PC had before anything was asked of the server.
  EXPECT_TRUE(Http().Requests().empty());
  EXPECT_EQ(Cells(), WeekTable());

  app->platform.Advance(1);
  EXPECT_EQ(Cells(), kAlternatingTable);
  EXPECT_EQ(app->state().values.ScdFileName, "初二3班.csv");
  EXPECT_TRUE(ReadTimetable(Scd("初二3班.csv"), Edition::Grid).has_value());
  EXPECT_EQ(Bytes(folder.path() / "days.school.csv"), kDays);
  EXPECT_EQ(Tip(), "Tessaly2\n已同步 10:00");
  EXPECT_EQ(Balloons(), 0u);

  // Unchanged: one conditional request of each file a period, 30 minutes and at most a fifth
  // more, answered 304; nothing on disk changes.
  const auto files = folder.Snapshot();
  const std::size_t asked = Http().Requests().size();
  app->platform.Advance(29 * 60);
  EXPECT_EQ(Http().Requests().size(), asked);
  app->platform.Advance(7 * 60);
  ASSERT_EQ(Http().Requests().size(), asked + 2);
  EXPECT_EQ(Http().Requests()[asked].url, kUrl);
  EXPECT_EQ(Http().Requests()[asked].etag, "\"v1\"");
  EXPECT_EQ(Http().Requests()[asked + 1].etag, "\"d1\"");
  EXPECT_EQ(Http().Outcomes()[asked], ui::HttpOutcome::Unchanged);
  EXPECT_EQ(folder.Snapshot(), files);

  // Changed on the server: the next period shows the new cell.
  Http().Serve(kUrl, Changed(std::string(kAlternatingWeek)), "\"v2\"");
  app->platform.Advance(36 * 60);
  EXPECT_EQ(Cells()[2][7], "美术");
  EXPECT_EQ(ReadTimetable(Scd("初二3班.csv"), Edition::Grid)->cell(2, 7), "美术");
}

TEST_F(FollowTest, a_failed_fetch_keeps_the_last_good_copy_and_tells_each_new_failure_once) {
  const struct {
    const char* what;
    std::function<void(headless::HeadlessHttp&)> happen;
    std::string problem;  // what the tip and the menu say after "同步失败："
  } cases[] = {
      {"server down", [](auto& http) { http.Fail(kUrl, "无法连接服务器"); }, "无法连接服务器"},
      {"500", [](auto& http) { http.Fail(kUrl, "服务器返回 500"); }, "服务器返回 500"},
      {"over the limit",
       [](auto& http) { http.Serve(kUrl, std::string((1u << 20) + 1, '#'), "\"big\""); },
       "文件太大"},
      {"broken file",
       [](auto& http) { http.Serve(kUrl, "version: 1\nschedules: [", "\"bad\""); },
       "课表文件有误："},
      {"file gone", [](auto& http) { http.Remove(kUrl); },
       "来源中没有课表文件“初二3班.yaml”"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ProgramFolder place;
    Prepare(place.path());
    Http().Serve(kUrl, std::string(kAlternatingWeek), "\"v1\"");
    app->Start();
    app->platform.Advance(1);
    const auto files = place.Snapshot();

    c.happen(Http());
    PickFromMenu("立即更新");
    app->platform.Advance(1);

    EXPECT_EQ(Cells(), kAlternatingTable);
    EXPECT_EQ(place.Snapshot(), files);
    EXPECT_EQ(Tip().rfind("Tessaly2\n同步失败：" + c.problem, 0), 0u) << Tip();
    const std::vector<std::string> menu = PickFromMenu("立即更新");
    EXPECT_NE(std::find(menu.begin(), menu.end(), "上次同步：10:00"), menu.end());
    EXPECT_EQ(std::count_if(menu.begin(), menu.end(),
                            [&](const std::string& line) {
                              return line.rfind("同步失败：" + c.problem, 0) == 0;
                            }),
              1);
    app->platform.Advance(1);
    EXPECT_EQ(Balloons(), 1u) << "one balloon for a failure however often it comes";
    EXPECT_EQ(place.Snapshot(), files);
    app.reset();
  }
}

TEST_F(FollowTest, a_followed_timetable_refuses_the_panels_file_commands_and_imports) {
  Prepare(folder.path());
  Http().Serve(kUrl, std::string(kAlternatingWeek), "\"v1\"");
  app->Start();
  app->platform.Advance(1);
  const auto files = folder.Snapshot();
  const std::string refusal = "此课表由学校统一管理（来源：" + std::string(kShownSource) +
                              "），如需修改请联系管理员。";

  panel::FrmControl& p = app->Open();
  p.FileSchedule.UserChoose(0);
  for (ui::Button* button : {&p.CmdSaveFile, &p.CmdSaveAs, &p.CmdNewFile, &p.CmdLoadFile}) {
    SCOPED_TRACE(button->Caption());
    const std::size_t shown = app->dialogs().Messages().size();
    button->UserClick();
    ASSERT_EQ(app->dialogs().Messages().size(), shown + 1);
    EXPECT_EQ(app->dialogs().Messages().back().text, refusal);
  }
  EXPECT_TRUE(app->dialogs().Inputs().empty()) << "no name was asked for";
  // The window's imports: a dropped file and the menu's.
  const std::filesystem::path dropped = folder.path() / "放下.yaml";
  std::ofstream(dropped, std::ios::binary) << kAlternatingWeek;
  const auto withDropped = folder.Snapshot();
  ASSERT_TRUE(headless::DropFiles(app->window(), {Utf8FromPath(dropped)}));
  EXPECT_EQ(app->dialogs().Messages().back().text, refusal);
  PickFromMenu("导入课表...");
  EXPECT_EQ(app->dialogs().Messages().back().text, refusal);
  EXPECT_TRUE(app->dialogs().FileDialogs().empty());
  EXPECT_EQ(folder.Snapshot(), withDropped);
  EXPECT_EQ(Cells(), kAlternatingTable);
  std::filesystem::remove(dropped);
  EXPECT_EQ(folder.Snapshot(), files);
}

TEST_F(FollowTest, an_offline_start_shows_the_last_good_copy_and_says_where_it_comes_from) {
  WriteTimetable(folder.path(), "初二3班.csv", FullWeekTable());
  Prepare(folder.path());
  Http().Fail(kUrl, "无法连接服务器");
  app->Start();
  EXPECT_EQ(Cells(), FullWeekTable());

  const std::vector<std::string> before = PickFromMenu("");
  EXPECT_NE(std::find(before.begin(), before.end(), "课表来源：" + std::string(kShownSource)),
            before.end());
  EXPECT_NE(std::find(before.begin(), before.end(), "正在同步…"), before.end());
  app->platform.Advance(1);
  EXPECT_EQ(Cells(), FullWeekTable());
  const std::vector<std::string> after = PickFromMenu("");
  EXPECT_NE(std::find(after.begin(), after.end(), "尚未同步"), after.end());
  EXPECT_NE(std::find(after.begin(), after.end(), "同步失败：无法连接服务器"), after.end());

  // Back on line, "立即更新" brings it without waiting for the period.
  Http().Serve(kUrl, std::string(kAlternatingWeek), "\"v1\"");
  PickFromMenu("立即更新");
  app->platform.Advance(1);
  EXPECT_EQ(Cells(), kAlternatingTable);
  EXPECT_EQ(Tip(), "Tessaly2\n已同步 10:00");
}

TEST_F(FollowTest, a_file_on_a_share_is_fetched_again_only_when_its_size_or_time_changes) {
  const ProgramFolder share;
  const std::filesystem::path published = share.path() / "初二3班.csv";
  WriteTimetable(share.path(), "初二3班.csv", FullWeekTable());
  std::filesystem::copy_file(share.path() / "scd" / "初二3班.csv", published);
  Prepare(folder.path(), "source=" + Utf8FromPath(share.path()) + "/{class}.csv\r\nclass=初二3班\r\n");
  app->Start();
  app->platform.Advance(1);
  EXPECT_EQ(Cells(), FullWeekTable());
  EXPECT_EQ(Bytes(Scd("初二3班.csv")), Bytes(published));

  // The school's copy written again with the same bytes: the PC's copy is left alone.
  const auto files = folder.Snapshot();
  const auto stamped = std::filesystem::last_write_time(Scd("初二3班.csv")) - std::chrono::hours(1);
  std::filesystem::last_write_time(Scd("初二3班.csv"), stamped);
  std::filesystem::last_write_time(published, stamped + std::chrono::hours(2));
  app->platform.Advance(36 * 60);
  EXPECT_EQ(std::filesystem::last_write_time(Scd("初二3班.csv")), stamped);
  EXPECT_EQ(folder.Snapshot(), files);

  Rows changed = FullWeekTable();
  changed[1][2] = "班会";
  WriteTimetable(share.path(), "初二3班.csv", changed);
  std::filesystem::copy_file(share.path() / "scd" / "初二3班.csv", published,
                             std::filesystem::copy_options::overwrite_existing);
  app->platform.Advance(36 * 60);
  EXPECT_EQ(Cells(), changed);
}

}  // namespace
}  // namespace orvel::test
