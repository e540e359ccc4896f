#include "shell/command_line.h"
#include "shell/running_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvel::shell {
namespace {

struct LineCase {
  std::vector<std::string> args;  // as the system hands them over, quotes already removed
  StartAction action;
  std::string file;       // for Import and ExportCses
  std::string mentioned;  // for Refuse: the argument the reason names
};

TEST(command_line_test, switches_files_and_refusals) {
  const LineCase cases[] = {
      {{}, StartAction::Start, "", ""},
      {{"/import", R"(D:\课表 2025\初二(3)班.yaml)"},
       StartAction::Import,
       R"(D:\课表 2025\初二(3)班.yaml)",
       ""},
      {{"/IMPORT", "周.csv"}, StartAction::Import, "周.csv", ""},
      {{"-export-cses", R"(C:\Users\老师\My Documents\导出.yaml)"},
       StartAction::ExportCses,
       R"(C:\Users\老师\My Documents\导出.yaml)",
       ""},
      {{"/Export-CSES", "/srv/out.yaml"}, StartAction::ExportCses, "/srv/out.yaml", ""},
      {{"/import"}, StartAction::Refuse, "", "/import"},
      {{"/export-cses", ""}, StartAction::Refuse, "", "/export-cses"},
      {{"/export-cses", "a.yaml", "b.yaml"}, StartAction::Refuse, "", "b.yaml"},
      {{"/?"}, StartAction::Refuse, "", "/?"},
      {{"/importer", "a.yaml"}, StartAction::Refuse, "", "/importer"},
      {{"初二.yaml"}, StartAction::Refuse, "", "初二.yaml"},
      {{"/"}, StartAction::Refuse, "", "/"},
  };
  for (const LineCase& c : cases) {
    const std::string shown = c.args.empty() ? "(none)" : c.args[0];
    const StartCommand command = ParseCommandLine("Orvel2.exe", c.args);
    EXPECT_EQ(command.action, c.action) << shown;
    EXPECT_EQ(command.file, c.file) << shown;
    if (c.action != StartAction::Refuse) {
      EXPECT_TRUE(command.problem.empty()) << shown;
      continue;
    }
    // One line that names the culprit and shows the usage with the program's name.
    EXPECT_EQ(command.problem.find('\n'), std::string::npos) << command.problem;
    EXPECT_NE(command.problem.find("“" + c.mentioned + "”"), std::string::npos) << command.problem;
    EXPECT_NE(command.problem.find("Orvel2.exe [/import"), std::string::npos) << command.problem;
  }
}

TEST(command_line_test, follow_takes_a_source_its_class_and_minutes_or_off) {
  const struct {
    std::vector<std::string> args;
    StartAction action;
    std::string source, className;
    int minutes;
    std::string mentioned;  // for Refuse: what the reason names
    int noticeMinutes = 2;
  } cases[] = {
      {{"/follow", "https://edu/tt/{class}.yaml", "/class", "初二(3)班", "/every", "45"},
       StartAction::Follow,
       "https://edu/tt/{class}.yaml",
       "初二(3)班",
       45,
       ""},
      {{"-Follow", R"(\\server\share\全校.csv)"},
       StartAction::Follow,
       R"(\\server\share\全校.csv)",
       "",
       30,
       ""},
      {{"/follow", "OFF"}, StartAction::StopFollowing, "", "", 30, ""},
      {{"/follow"}, StartAction::Refuse, "", "", 30, "/follow"},
      {{"/follow", "off", "now"}, StartAction::Refuse, "", "", 30, "now"},
      {{"/follow", "a.yaml", "/class"}, StartAction::Refuse, "", "", 30, "/class"},
      {{"/follow", "a.yaml", "/every", "4"}, StartAction::Refuse, "", "", 30, "4"},
      {{"/follow", "a.yaml", "/every", "1441"}, StartAction::Refuse, "", "", 30, "1441"},
      {{"/follow", "a.yaml", "/every", "30分钟"}, StartAction::Refuse, "", "", 30, "30分钟"},
      {{"/follow", "a.yaml", "/NOTICES-EVERY", "1", "/every", "5"},
       StartAction::Follow,
       "a.yaml",
       "",
       5,
       "",
       1},
      {{"/follow", "a.yaml", "/notices-every", "60"},
       StartAction::Follow,
       "a.yaml",
       "",
       30,
       "",
       60},
      {{"/follow", "a.yaml", "/notices-every", "0"}, StartAction::Refuse, "", "", 30, "0"},
      {{"/follow", "a.yaml", "/notices-every", "61"}, StartAction::Refuse, "", "", 30, "61"},
      {{"/follow", "a.yaml", "/notices-every"}, StartAction::Refuse, "", "", 30, "/notices-every"},
      {{"/follow", "a.yaml", "/class", "一班", "b.yaml"},
       StartAction::Refuse,
       "",
       "",
       30,
       "b.yaml"},
      {{"/import", "a.yaml", "/class", "一班"}, StartAction::Refuse, "", "", 30, "/class"},
  };
  for (const auto& c : cases) {
    const StartCommand command = ParseCommandLine("Schedule.exe", c.args);
    EXPECT_EQ(command.action, c.action) << c.args.back();
    if (c.action == StartAction::Refuse) {
      EXPECT_NE(command.problem.find("“" + c.mentioned + "”"), std::string::npos)
          << command.problem;
      EXPECT_NE(command.problem.find("/follow off]"), std::string::npos) << command.problem;
      continue;
    }
    EXPECT_EQ(command.file, c.source);
    EXPECT_EQ(command.className, c.className);
    EXPECT_EQ(command.minutes, c.minutes);
    EXPECT_EQ(command.noticeMinutes, c.noticeMinutes);
  }
}

TEST(command_line_test, one_running_program_per_edition_and_folder_whatever_its_case) {
  const std::filesystem::path folder = "C:/Users/老师/课程表";
  EXPECT_EQ(RunningProgramName(Edition::Grid, folder),
            RunningProgramName(Edition::Grid, "c:/users/老师/课程表/."));
  EXPECT_NE(RunningProgramName(Edition::Grid, folder), RunningProgramName(Edition::Classic, folder));
  EXPECT_NE(RunningProgramName(Edition::Grid, folder),
            RunningProgramName(Edition::Grid, "C:/Users/老师/课程表2"));
  // What a later start hands over reads back as it was; anything else is no request.
  for (const RunningRequest& request :
       {RunningRequest{}, RunningRequest{RunningRequestKind::Load, "初二3班.csv"},
        RunningRequest{RunningRequestKind::FollowChanged, {}}})
    EXPECT_EQ(ReadRequest(RequestText(request)), request);
  for (const char* text : {"", "load:", "SHOW", "show ", "exit"}) EXPECT_FALSE(ReadRequest(text));
}

}  // namespace
}  // namespace orvel::shell
