// The exam list a classroom PC uses: exams.json over a followed school's exams.school.json, an
// exam file dropped on the window, and the 考试安排 window that writes exams.json for a teacher.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "cses_week.h"
#include "exchange/exam_file.h"
#include "panel/frm_exams.h"
#include "panel_fixture.h"
#include "platform/headless/user_actions.h"

namespace orvel::test {
namespace {

using namespace std::chrono;

struct Entry {
  std::string name, start, end;
};

std::string ExamFile(const std::vector<Entry>& exams) {
  std::string text = "{\"examName\": \"期末考试\", \"message\": \"请保持安静\", \"examInfos\": [";
  for (std::size_t i = 0; i < exams.size(); ++i)
    text += std::string(i ? ", " : "") + "{\"name\": \"" + exams[i].name + "\", \"start\": \"" +
            exams[i].start + "\", \"end\": \"" + exams[i].end + "\"}";
  return text + "]}\n";
}

const std::string kChinese = ExamFile({{"语文", "2025-12-21T08:00:00", "2025-12-21T10:30:00"}});
const std::string kMaths = ExamFile({{"数学", "2025-12-22 08:00", "2025-12-22 10:00"}});

class ExamFilesTest : public PanelTest {
 protected:
  void Write(std::string_view name, std::string_view bytes) {
    std::ofstream out(folder.path() / PathFromUtf8(name), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::string Read(std::string_view name) const {
    return Bytes(folder.path() / PathFromUtf8(name));
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const Exam& exam : app->state().exams.exams) names.push_back(exam.name);
    return names;
  }
  std::vector<std::string> Balloons() {
    std::vector<std::string> texts;
    for (const headless::TrayOp& op : app->platform.tray().Ops())
      if (op.kind == headless::TrayOpKind::Modify && !op.record.balloonTextAnsi.empty())
        texts.push_back(AnsiToUtf8(op.record.balloonTextAnsi));
    return texts;
  }
  panel::FrmExams* OpenExams() {
    app->dialogs().QueueMenuCaption("考试安排...");
    EXPECT_TRUE(headless::RightClickCell(app->platform, app->grid(), 1, 2));
    return dynamic_cast<panel::FrmExams*>(app->platform.FindForm("FrmExams"));
  }
};

TEST_F(ExamFilesTest, the_pcs_own_file_wins_and_a_refused_one_is_named_once) {
  const struct {
    const char* what;
    std::string own, school;
    std::vector<std::string> used, told;
  } cases[] = {
      {"both", kChinese, kMaths, {"语文"}, {}},
      {"the school's only", "", kMaths, {"数学"}, {}},
      {"the own refused",
       "{\"examInfos\": [",
       kMaths,
       {"数学"},
       {"exams.json 不能使用：第 2 行起不是 JSON；改用学校发布的 exams.school.json"}},
      {"an exam of its own wrong",
       ExamFile({{"语文", "2025-12-21T08:00", "2025-12-21T10:30"},
                 {"数学", "2025-12-21T10:00", "2025-12-21T12:00"},
                 {"英语", "2025-12-21T15:00", "2025-12-31T25:00"}}),
       kMaths,
       {"语文"},
       {"exams.json 第 2 场考试（数学）：与第 1 场考试时间重叠，未使用",
        "exams.json 第 3 场考试（英语）：end 不是存在的日期和时间，未使用"}},
  };
  for (const auto& c : cases) {
    app.reset();
    std::filesystem::remove_all(folder.path());
    std::filesystem::create_directories(folder.path() / "scd");
    if (!c.own.empty()) Write("exams.json", c.own);
    Write("exams.school.json", c.school);
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    SettingsFile().Write(folder.path());
    const auto before = folder.Snapshot();
    app = std::make_unique<PanelProgram>(folder.path());
    app->platform.SetNow(kWednesday, 10 * 3600);
    app->Start();
    app->platform.Advance(60);
    EXPECT_EQ(Names(), c.used) << c.what;
    EXPECT_EQ(Balloons(), c.told) << c.what;
    EXPECT_TRUE(app->dialogs().Messages().empty()) << c.what;
    // The window's status line says the same, or where the list comes from.
    std::string status;
    for (const std::string& line : c.told) status += (status.empty() ? "" : "\n") + line;
    if (c.own.empty()) status = "现用学校发布的考试安排；保存后以本机的 exams.json 为准。";
    const panel::FrmExams* exams = OpenExams();
    ASSERT_TRUE(exams);
    EXPECT_EQ(exams->LblStatus.Caption(), status) << c.what;
    app->platform.Advance(60);
    EXPECT_EQ(Balloons(), c.told) << c.what;
    app.reset();
    EXPECT_EQ(folder.Snapshot(), before) << c.what;
  }
}

TEST_F(ExamFilesTest, a_followed_schools_exams_are_kept_as_its_copy_and_used) {
  Write("follow.ini",
        "source=https://school.example/tt/{class}.yaml\r\nclass=初二3班\r\nminutes=30\r\n");
  const std::string url = "https://school.example/tt/exams.json";
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  SettingsFile().Write(folder.path());
  app = std::make_unique<PanelProgram>(folder.path());
  app->platform.SetNow(kWednesday, 10 * 3600);
  headless::HeadlessHttp& http = app->platform.http();
  http.Serve("https://school.example/tt/%E5%88%9D%E4%BA%8C3%E7%8F%AD.yaml",
             std::string(kAlternatingWeek), "\"t1\"");
  http.Serve(url, kChinese, "\"e1\"");
  app->Start();
  app->platform.Advance(1);
  EXPECT_EQ(Read("exams.school.json"), kChinese);
  EXPECT_EQ(Names(), std::vector<std::string>{"语文"});

  // Asked with what is known of the copy; unchanged, it stays.
  app->platform.Advance(36 * 60);
  const auto asked = [&] {
    std::vector<std::string> etags;
    for (const ui::HttpRequest& r : http.Requests())
      if (r.url == url) etags.push_back(r.etag);
    return etags;
  };
  EXPECT_EQ(asked(), (std::vector<std::string>{"", "\"e1\""}));
  EXPECT_EQ(Read("exams.school.json"), kChinese);

  // A broken file is named and changes nothing; a new one is taken at once.
  http.Serve(url, "<html>维护中</html>", "\"e2\"");
  app->platform.Advance(36 * 60);
  EXPECT_EQ(Read("exams.school.json"), kChinese);
  ASSERT_FALSE(Balloons().empty());
  EXPECT_NE(Balloons().back().find("exams.json 不能使用：不是 JSON 对象"), std::string::npos);
  http.Serve(url, kMaths, "\"e3\"");
  app->platform.Advance(36 * 60);
  EXPECT_EQ(Read("exams.school.json"), kMaths);
  EXPECT_EQ(Names(), std::vector<std::string>{"数学"});
}

TEST_F(ExamFilesTest, a_dropped_exam_file_becomes_exams_json_after_the_question) {
  Write("exams.json", kChinese);
  StartWith();
  const std::string dropped = Utf8FromPath(folder.path() / PathFromUtf8("高二期末.json"));
  Write("高二期末.json", kMaths);

  app->dialogs().QueueMessageAnswer(ui::MessageAnswer::No);
  ASSERT_TRUE(headless::DropFiles(app->window(), {dropped}));
  EXPECT_EQ(app->MessagesFrom(0),
            std::vector<std::string>{
                "程序文件夹中已有考试安排“exams.json”，要用导入的考试安排替换它吗？"});
  EXPECT_EQ(Read("exams.json"), kChinese);
  EXPECT_EQ(Names(), std::vector<std::string>{"语文"});

  app->dialogs().QueueMessageAnswer(ui::MessageAnswer::Yes);
  ASSERT_TRUE(headless::DropFiles(app->window(), {dropped}));
  EXPECT_EQ(app->MessagesFrom(2),
            std::vector<std::string>{"已导入 1 场考试，保存为程序文件夹中的 exams.json。"});
  EXPECT_EQ(Read("exams.json"), kMaths);
  EXPECT_EQ(Names(), std::vector<std::string>{"数学"});
  // Any other JSON is no exam list, and no timetable either.
  Write("2026.json", R"({"year": 2026, "days": []})");
  ASSERT_TRUE(headless::DropFiles(app->window(), {Utf8FromPath(folder.path() / "2026.json")}));
  EXPECT_EQ(app->dialogs().Messages().back().title, "导入课表失败");
  EXPECT_EQ(Read("exams.json"), kMaths);
}

TEST_F(ExamFilesTest, the_exam_window_adds_a_typed_exam_and_saves_a_file_that_reads_back) {
  StartWith();
  panel::FrmExams* window = OpenExams();
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->LstExams.Items().empty());
  ASSERT_TRUE(headless::TypeInto(app->platform, window->TxtExamName, "高二期末考试"));
  ASSERT_TRUE(headless::TypeInto(app->platform, window->TxtSubject, "语文"));
  window->DtpDate.UserSetValue(2025y / December / 21);
  ASSERT_TRUE(headless::TypeInto(app->platform, window->TxtStart, "8：00"));
  ASSERT_TRUE(headless::TypeInto(app->platform, window->TxtEnd, "10:30"));
  window->CmdAdd.UserClick();
  // The next one typed over it is refused, and one after it is taken.
  ASSERT_TRUE(headless::TypeInto(app->platform, window->TxtSubject, "数学"));
  ASSERT_TRUE(headless::TypeInto(app->platform, window->TxtStart, "10:00"));
  ASSERT_TRUE(headless::TypeInto(app->platform, window->TxtEnd, "12:00"));
  window->CmdAdd.UserClick();
  EXPECT_EQ(window->LblStatus.Caption(), "与“12月21日 08:00–10:30 语文”时间重叠。");
  ASSERT_TRUE(headless::TypeInto(app->platform, window->TxtEnd, "9:00"));
  window->CmdAdd.UserClick();
  EXPECT_EQ(window->LblStatus.Caption(), "结束时间应晚于开始时间。");
  ASSERT_TRUE(headless::TypeInto(app->platform, window->TxtStart, "14:00"));
  ASSERT_TRUE(headless::TypeInto(app->platform, window->TxtEnd, "16:00"));
  ASSERT_TRUE(headless::TypeInto(app->platform, window->TxtAlert, "5"));
  window->CmdAdd.UserClick();
  EXPECT_EQ(window->LstExams.Items(),
            (std::vector<std::string>{"12月21日 08:00–10:30 语文", "12月21日 14:00–16:00 数学"}));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "exams.json"));
  window->CmdSave.UserClick();

  const exchange::ExamFileRead read = exchange::ReadExamFile(Read("exams.json"));
  ASSERT_TRUE(read.list);
  EXPECT_TRUE(read.skipped.empty());
  const ExamList expected{
      "高二期末考试",
      "",
      {{"语文", {2025y / December / 21, At(8, 0)}, {2025y / December / 21, At(10, 30)}, 15},
       {"数学", {2025y / December / 21, At(14, 0)}, {2025y / December / 21, At(16, 0)}, 5}}};
  EXPECT_EQ(*read.list, expected);
  EXPECT_EQ(app->state().exams, expected);
  // Opened again while open, it is the same window.
  EXPECT_EQ(OpenExams(), window);
}

}  // namespace
}  // namespace orvel::test
