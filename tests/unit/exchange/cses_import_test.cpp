#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "cses_examples.h"
#include "exchange/cses.h"
#include "exchange/cses_file.h"
#include "exchange/timetable_import.h"
#include "exchange/yaml_tree.h"
#include "platform/file_io.h"
#include "shell/exchange_texts.h"
#include "table_builder.h"
#include "temp_folder.h"

namespace orvel::exchange {
namespace {

using test::MakeTable;

// The header row of a timetable of Monday to Friday.
const std::initializer_list<std::string> kWorkWeekHeader = {"节次",   "时间",   "星期一", "星期二",
                                                            "星期三", "星期四", "星期五"};

struct ImportCase {
  const char* what;
  std::string yaml;
  Timetable expected;
};

template <std::size_t N>
void ExpectImports(const ImportCase (&cases)[N]) {
  for (const ImportCase& c : cases) {
    const CsesImport result = ImportCses(c.yaml);
    EXPECT_EQ(result.refusal.problem, CsesProblem::None) << c.what;
    EXPECT_EQ(result.timetable, c.expected) << c.what;
  }
}

TEST(cses_import_test, maps_cses_to_the_timetable) {
  const ImportCase cases[] = {
      {"rows by start time, one per distinct span, Monday to Friday always",
       R"(version: 1
subjects: [{name: 语文}, {name: 数学, simplified_name: 数, teacher: 张三, room: "101"}]
schedules:
  - name: 周二
    enable_day: 2
    weeks: all
    classes:
      - {subject: 数学, start_time: "13:30:00", end_time: "14:15:00"}
      - {subject: 语文, start_time: "08:00:00", end_time: "08:45:00"}
  - name: 周一
    enable_day: 1
    weeks: all
    classes:
      - {subject: 数学, start_time: 08:00:00, end_time: 08:45:00}
      - {subject: 语文, start_time: 08:00:00, end_time: 08:40:00}
)",
       MakeTable({kWorkWeekHeader,
                  {"第1节", "8:00-8:40", "语文", "", "", "", ""},
                  {"第2节", "8:00-8:45", "数学", "语文", "", "", ""},
                  {"第3节", "13:30-14:15", "", "数学", "", "", ""}})},

      {"odd and even weeks, and a Saturday",
       R"(version: 1
subjects: [{name: 物理}, {name: 化学}, {name: 美术}, {name: 音乐}, {name: 体育}]
schedules:
  - {name: mon-odd, enable_day: 1, weeks: odd, classes: [
      {subject: 物理, start_time: "10:00:00", end_time: "10:45:00"},
      {subject: 体育, start_time: "11:00:00", end_time: "11:45:00"},
      {subject: 美术, start_time: "14:00:00", end_time: "14:45:00"}]}
  - {name: mon-even, enable_day: 1, weeks: even, classes: [
      {subject: 化学, start_time: "10:00:00", end_time: "10:45:00"},
      {subject: 体育, start_time: "11:00:00", end_time: "11:45:00"},
      {subject: 音乐, start_time: "15:00:00", end_time: "15:45:00"}]}
  - {name: sat, enable_day: 6, weeks: all, classes: [
      {subject: 体育, start_time: "10:00:00", end_time: "10:45:00"}]}
)",
       MakeTable({{"节次", "时间", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"},
                  {"第1节", "10:00-10:45", "物理/化学", "", "", "", "", "体育"},
                  {"第2节", "11:00-11:45", "体育", "", "", "", "", ""},
                  {"第3节", "14:00-14:45", "美术/", "", "", "", "", ""},
                  {"第4节", "15:00-15:45", "/音乐", "", "", "", "", ""}})},

      {"a Sunday shows Saturday's column too; an empty schedule still enables its day",
       R"(version: 1
subjects: [{name: 自习}]
schedules:
  - {name: sun, enable_day: 7, weeks: all, classes: []}
  - {name: wed, enable_day: 3, weeks: all, classes: [
      {subject: 自习, start_time: "19:00:00", end_time: "20:30:00"}]}
)",
       MakeTable(
           {{"节次", "时间", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"},
            {"第1节", "19:00-20:30", "", "", "自习", "", "", "", ""}})},

      {"times: no leading zero on the hour, seconds only when not 0",
       R"(version: 1
subjects: [{name: 早读}]
schedules:
  - {name: x, enable_day: 5, weeks: all, classes: [
      {subject: 早读, start_time: "00:05:00", end_time: "07:50:30"},
      {subject: 早读, start_time: "23:00:59", end_time: "23:59:59"}]}
)",
       MakeTable({kWorkWeekHeader,
                  {"第1节", "0:05-7:50:30", "", "", "", "", "早读"},
                  {"第2节", "23:00:59-23:59:59", "", "", "", "", "早读"}})},

      {"where more than one class falls on one cell",
       R"(version: 1
subjects: [{name: 数学}, {name: 英语}, {name: 物理}, {name: 化学}]
schedules:
  - {name: all, enable_day: 1, weeks: all, classes: [
      {subject: 数学, start_time: "08:00:00", end_time: "08:45:00"},
      {subject: 数学, start_time: "09:00:00", end_time: "09:45:00"},
      {subject: 数学, start_time: "10:00:00", end_time: "10:45:00"},
      {subject: 数学, start_time: "11:00:00", end_time: "11:45:00"},
      {subject: 数学, start_time: "11:00:00", end_time: "11:45:00"}]}
  - {name: again, enable_day: 1, weeks: all, classes: [
      {subject: 英语, start_time: "08:00:00", end_time: "08:45:00"}]}
  - {name: odd, enable_day: 1, weeks: odd, classes: [
      {subject: 物理, start_time: "09:00:00", end_time: "09:45:00"},
      {subject: 物理, start_time: "10:00:00", end_time: "10:45:00"}]}
  - {name: even, enable_day: 1, weeks: even, classes: [
      {subject: 化学, start_time: "10:00:00", end_time: "10:45:00"}]}
)",
       MakeTable({kWorkWeekHeader,
                  {"第1节", "8:00-8:45", "数学、英语", "", "", "", ""},
                  {"第2节", "9:00-9:45", "物理/数学", "", "", "", ""},
                  {"第3节", "10:00-10:45", "物理/化学", "", "", "", ""},
                  {"第4节", "11:00-11:45", "数学", "", "", "", ""}})},

      {"what the timetable file cannot hold takes a full-width or blank form",
       "version: 1\n"
       "subjects: [{name: \"实验,讨论\"}, {name: \"\\\"奥数\\\"\"}, {name: \"书\\n法\"}]\n"
       "schedules: [{name: x, enable_day: 2, weeks: all, classes: [\n"
       "  {subject: \"实验,讨论\", start_time: \"08:00:00\", end_time: \"08:45:00\"},\n"
       "  {subject: \"\\\"奥数\\\"\", start_time: \"09:00:00\", end_time: \"09:45:00\"},\n"
       "  {subject: \"书\\n法\", start_time: \"10:00:00\", end_time: \"10:45:00\"}]}]\n",
       MakeTable({kWorkWeekHeader,
                  {"第1节", "8:00-8:45", "", "实验，讨论", "", "", ""},
                  {"第2节", "9:00-9:45", "", "＂奥数＂", "", "", ""},
                  {"第3节", "10:00-10:45", "", "书 法", "", "", ""}})},

      {"no schedules: the header row alone; a byte-order mark and a quoted version are taken",
       "\xEF\xBB\xBFversion: \"1\"\nsubjects: []\n", MakeTable({kWorkWeekHeader})},
  };
  ExpectImports(cases);
}

TEST(cses_import_test, takes_cses_as_other_programs_write_it) {
  const std::initializer_list<std::string> toSaturday = {"节次",   "时间",   "星期一", "星期二",
                                                         "星期三", "星期四", "星期五", "星期六"};
  const std::string v1 = "version: 1\nsubjects: [{name: 数学}, {name: 物理}, {name: 化学}]\n";
  const std::string at8 = R"(start_time: "08:00:00", end_time: "08:45:00")";
  const std::string fortnight =
      "version: 2\nconfiguration: {cycle: {spans: [{activity: work, count: 5}, {activity: rest, "
      "count: 2}, {activity: work, count: 5}, {activity: rest, count: 2}]}}\n"
      "subjects: [{name: 数学}, {name: 物理}, {name: 化学}]\n";
  const ImportCase cases[] = {
      {"enable_day as a number or a weekday's name in any case",
       v1 + "schedules:\n- {enable_day: mon, weeks: all, classes: &c [{subject: 数学, " + at8 +
           "}]}\n- {enable_day: TUE, weeks: odd, classes: *c}\n"
           "- {enable_day: Wednesday, weeks: all, classes: *c}\n"
           "- {enable_day: \"4\", weeks: all, classes: []}\n"
           "- {enable_day: sunday, weeks: even, classes: *c}\n",
       MakeTable(
           {{"节次", "时间", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"},
            {"第1节", "8:00-8:45", "数学", "数学/", "数学", "", "", "", "/数学"}})},

      {"times with one- or two-digit hours, with or without seconds, any quotes, or in seconds",
       v1 + R"(schedules: [{enable_day: 1, weeks: all, classes: [
  {subject: 数学, start_time: "08:00:00", end_time: '8:45:00'},
  {subject: 数学, start_time: 9:00, end_time: "09:45"},
  {subject: 数学, start_time: 60000, end_time: '61530'}]}]
)",
       MakeTable({kWorkWeekHeader,
                  {"第1节", "8:00-8:45", "数学", "", "", "", ""},
                  {"第2节", "9:00-9:45", "数学", "", "", "", ""},
                  {"第3节", "16:40-17:05:30", "数学", "", "", "", ""}})},

      {"rooms of any kind, teachers, short names and unknown keys are ignored",
       R"(version: 1
generator: 某课程表
subjects: [{name: 数学, room: 101, teacher: 张三, simplified_name: 数, colour: red},
  {name: 物理, room: "", teacher: ~}, {name: 化学, room: null}]
schedules: [{name: x, enable_day: 3, weeks: all, note: 1, classes: [
  {subject: 数学, room: 5, teacher: 李四, start_time: "08:00:00", end_time: "08:45:00"},
  {subject: 物理, start_time: "09:00:00", end_time: "09:45:00"}]}]
)",
       MakeTable({kWorkWeekHeader,
                  {"第1节", "8:00-8:45", "", "", "数学", "", ""},
                  {"第2节", "9:00-9:45", "", "", "物理", "", ""}})},

      {"a null or empty subject is a free period; classes: [] is an empty day",
       v1 + "schedules:\n- {enable_day: 1, weeks: all, classes: [{subject: null, " + at8 +
           "}, {subject: \"\", start_time: \"09:00:00\", end_time: \"09:45:00\"}, {subject: ~},"
           " {subject: 数学, start_time: \"10:00:00\", end_time: \"10:45:00\"}]}\n"
           "- {enable_day: 6, weeks: all, classes: []}\n",
       MakeTable({toSaturday, {"第1节", "10:00-10:45", "数学", "", "", "", "", ""}})},

      {"several schedules of one day and weeks are merged",
       v1 + "schedules:\n- {name: 上午, enable_day: 2, weeks: odd, classes: [{subject: 数学, " +
           at8 + "}]}\n- {name: 下午, enable_day: 2, weeks: odd, classes: [{subject: 物理, " +
           "start_time: \"14:00:00\", end_time: \"14:45:00\"}]}\n"
           "- {name: 补充, enable_day: 2, weeks: odd, classes: [{subject: 化学, " +
           at8 + "}]}\n",
       MakeTable({kWorkWeekHeader,
                  {"第1节", "8:00-8:45", "", "数学、化学/", "", "", ""},
                  {"第2节", "14:00-14:45", "", "物理/", "", "", ""}})},

      {"two subjects of one name (two teachers) are one subject",
       "version: 1\nsubjects: [{name: 英语, teacher: 张三}, {name: 英语, teacher: 李四}]\n"
       "schedules: [{enable_day: 1, weeks: all, classes: [{subject: 英语, " +
           at8 + "}, {subject: 英语, " + at8 + "}]}]\n",
       MakeTable({kWorkWeekHeader, {"第1节", "8:00-8:45", "英语", "", "", "", ""}})},

      {"version 2, a cycle of 7 days: each working day on the weekday it falls on",
       R"(version: 2
configuration: {cycle: {work_count: 5, rest_count: 2, spans: [{activity: work, count: 3},
  {activity: rest, count: 1}, {activity: work, count: 2}, {activity: rest, count: 1}]}}
subjects: [{name: 数学, location: "101"}, {name: 物理, location: 5}]
schedules:
- {enable_day: [1, 4], classes: [{subject: 数学, start_time: "08:00:00", end_time: "08:45:00"}]}
- {enable_day: 5, weeks: all, classes: [
    {subject: 物理, start_time: "08:00:00", end_time: "08:45:00"}]}
)",
       MakeTable({toSaturday, {"第1节", "8:00-8:45", "数学", "", "", "", "数学", "物理"}})},

      {"version 2, a cycle of 14 days: an odd week, then an even week",
       fortnight + "schedules:\n- {enable_day: [1, 6], classes: [{subject: 数学, " + at8 +
           "}]}\n- {enable_day: [2], classes: [{subject: 物理, " + at8 + "}]}\n" +
           "- {enable_day: [7, 10], classes: [{subject: 化学, " + at8 + "}]}\n",
       MakeTable({kWorkWeekHeader, {"第1节", "8:00-8:45", "数学", "物理/化学", "", "", "/化学"}})},

      {"the format's version 1 example", std::string(test::kCsesV1Example),
       MakeTable({kWorkWeekHeader,
                  {"第1节", "8:00-9:00", "数学", "物理", "", "", ""},
                  {"第2节", "9:00-10:00", "语文", "英语", "", "", ""}})},

      {"the format's version 2 example: Saturday only in the first week",
       std::string(test::kCsesV2Example),
       MakeTable({toSaturday,
                  {"第1节", "8:00-9:00", "数学", "物理", "", "", "", "物理/"},
                  {"第2节", "9:00-10:00", "语文", "英语", "", "", "", "英语/"}})},
  };
  ExpectImports(cases);
}

// n classes on Monday, each at its own time: the n-th starts n minutes after 0:00.
std::string ManySpans(int n) {
  std::string yaml =
      "version: 1\nsubjects: [{name: 数学}]\nschedules:\n- enable_day: 1\n  weeks: all\n"
      "  classes:\n";
  for (int i = 1; i <= n; ++i) {
    char line[96];
    std::snprintf(line, sizeof line,
                  "  - {subject: 数学, start_time: \"%02d:%02d:00\", end_time: \"23:59:00\"}\n",
                  i / 60, i % 60);
    yaml += line;
  }
  return yaml;
}

TEST(cses_import_test, a_timetable_of_the_largest_size_is_taken) {
  const CsesImport result = ImportCses(ManySpans(kMaxRows - 1));
  ASSERT_TRUE(result.timetable) << shell::CsesRefusalText(result.refusal);
  EXPECT_EQ(result.timetable->rows(), kMaxRows);
  EXPECT_EQ(result.timetable->cell(kMaxRows - 1, 1), "4:15-23:59");
}

struct RefusalCase {
  std::string yaml;
  std::string message;
};

// A version 1 file whose unknown key holds `depth` sequences, each inside the last.
std::string NestedUnder(int depth) {
  return "version: 1\nsubjects: []\nx:\n  " + std::string(depth, '[') + std::string(depth, ']') +
         "\nschedules: []\n";
}

// A version 2 cycle of `spans` spans of `count` days each.
std::string LongCycle(int spans, int count) {
  std::string yaml = "version: 2\nconfiguration:\n  cycle:\n    spans:\n";
  for (int i = 0; i < spans; ++i) {
    yaml += "      - {activity: work, count: " + std::to_string(count) + "}\n";
  }
  return yaml;
}

// Ten times as many nodes on each line, `lines` lines down, every one named by an alias.
std::string AliasesOfAliases(int lines) {
  std::string yaml = "version: 1\nl0: &l0 [x, x, x, x, x, x, x, x, x, x]\n";
  for (int i = 1; i < lines; ++i) {
    const std::string last = "*l" + std::to_string(i - 1);
    yaml += "l" + std::to_string(i) + ": &l" + std::to_string(i) + " [" + last;
    for (int k = 1; k < 10; ++k) yaml += ", " + last;
    yaml += "]\n";
  }
  return yaml;
}

TEST(cses_import_test, bounds_of_the_yaml_read_leave_real_files_alone) {
  const std::string within[] = {NestedUnder(kMaxYamlDepth - 1), AliasesOfAliases(5)};
  for (const std::string& yaml : within) {
    const CsesImport result = ImportCses(yaml);
    EXPECT_TRUE(result.timetable) << shell::CsesRefusalText(result.refusal) << "\n" << yaml;
  }
}

TEST(cses_import_test, refuses_naming_the_first_problem_and_its_line) {
  const std::string header = "version: 1\nsubjects: [{name: 数学}]\nschedules:\n";
  const std::string week2 =
      "version: 2\nconfiguration:\n  cycle: {spans: [{activity: work, count: 5}, {activity: rest, "
      "count: 2}]}\nsubjects: [{name: 数学}]\nschedules:\n";
  const RefusalCase cases[] = {
      {"", "文件是空的，不是 CSES 课程表。"},
      {"# 只有注释\n", "文件是空的，不是 CSES 课程表。"},
      {"version: 1\nsubjects: [{name: 数学}\nschedules: []\n",
       "第 3 行：不是有效的 YAML 文本，无法读取。"},
      {"version: 1\n  bad indent: [\n", "第 2 行：不是有效的 YAML 文本，无法读取。"},
      {"- 数学\n- 语文\n",
       "第 1 行：不是 CSES 课程表（应为含 version、subjects、schedules 的映射）。"},
      {"\nsubjects: []\nschedules: []\n", "第 2 行：不是 CSES 课程表：没有 version 字段。"},
      {"version: 一二三四五六七八九十一二三四五六七八九十\n",
       "第 1 行：CSES 版本“一二三四五六七八九十…”无法读取，只能导入版本 1 或 2。"},
      {"version: 1.0\n", "第 1 行：CSES 版本“1.0”无法读取，只能导入版本 1 或 2。"},
      {"version: 1\nsubjects: 数学\n", "第 2 行：subjects 应为课程列表，这里是“数学”。"},
      {"version: 1\nsubjects:\n  - teacher: 张三\n", "第 3 行：课程缺少 name。"},
      {header + "  - {name: a, weeks: all, classes: []}\n", "第 4 行：课程表缺少 enable_day。"},
      {header + "  - {name: a, enable_day: 8, weeks: all, classes: []}\n",
       "第 4 行：enable_day 为“8”，应为 1 到 7 或 mon 到 sun（星期一到星期日）。"},
      {header + "  - name: a\n    enable_day: 0\n",
       "第 5 行：enable_day 为“0”，应为 1 到 7 或 mon 到 sun（星期一到星期日）。"},
      {header + "  - {name: a, enable_day: mo, weeks: all, classes: []}\n",
       "第 4 行：enable_day 为“mo”，应为 1 到 7 或 mon 到 sun（星期一到星期日）。"},
      {header + "  - {name: a, enable_day: [1, 7], weeks: all, classes: []}\n",
       "第 4 行：文件写明 CSES 版本 1，enable_day 却是版本 2 的上课日列表。"},
      {header + "  - {name: a, enable_day: 1, weeks: every, classes: []}\n",
       "第 4 行：weeks 为“every”，应为 all（每周）、odd（单周）或 even（双周）。"},
      {header + "  - name: a\n    enable_day: 1\n    weeks: all\n    classes:\n"
                "      - subject: 数学\n        start_time: -1\n        end_time: "
                "\"08:45:00\"\n",
       "第 9 行：开始时间“-1”不是 0:00:00 到 23:59:59 之间的时间（例如 08:00:00）。"},
      {header + "  - {name: a, enable_day: 1, weeks: all, classes: [\n"
                "      {subject: 数学, start_time: \"08:00:00\", end_time: \"24:00:00\"}]}\n",
       "第 5 行：结束时间“24:00:00”不是 0:00:00 到 23:59:59 之间的时间（例如 08:00:00）。"},
      {header + "  - {name: a, enable_day: 1, weeks: all, classes: [\n"
                "      {subject: 数学, start_time: \"08:00:00\", end_time: 86400}]}\n",
       "第 5 行：结束时间“86400”不是 0:00:00 到 23:59:59 之间的时间（例如 08:00:00）。"},
      {header + "  - {name: a, enable_day: 1, weeks: all, classes: [\n"
                "      {subject: 数学, start_time: \"08:00:00\", end_time: \"08:45:00\"},\n"
                "      {subject: 化学, start_time: \"09:00:00\", end_time: \"09:45:00\"}]}\n"
                "  - {name: b, enable_day: 9, weeks: all, classes: []}\n",
       "第 6 行：课程“化学”不在 subjects 课程列表中。"},
      {header + "  - {name: a, enable_day: 1, weeks: all, classes: [{subject: 数学}]}\n",
       "第 4 行：课程安排缺少 start_time。"},
      {ManySpans(kMaxRows), "第 262 行：上课时间段超过 255 个，课表放不下（最多 256 行）。"},

      // Version 2.
      {"version: 2\n",
       "第 1 行：CSES 版本 2 的课程表缺少 configuration.cycle（上课和休息的周期）。"},
      {"version: 2\nconfiguration: {name: 课表}\n",
       "第 2 行：CSES 版本 2 的课程表缺少 configuration.cycle（上课和休息的周期）。"},
      {"version: 2\nconfiguration:\n  cycle:\n    spans:\n      - {activity: work, count: 5}\n"
       "      - {activity: rest, count: 5}\n",
       "第 5 行：课表周期为 10 天，只能导入 7 天或 14 天的周期。"},
      {"version: 2\nconfiguration: {cycle: {spans: [{activity: study, count: 7}]}}\n",
       "第 2 行：activity 为“study”，应为 work（上课）或 rest（休息）。"},
      {week2 + "  - {enable_day: [1, 6], classes: []}\n",
       "第 6 行：enable_day 中的“6”不是课表周期中的上课日（共 5 个上课日）。"},
      {week2 + "  - {enable_day: 1, weeks: odd, classes: []}\n",
       "第 6 行：weeks 为“odd”：CSES 版本 2 由 configuration.cycle 区分单双周，不再使用 weeks。"},
      {LongCycle(3000, 999999), "第 5 行：课表周期为 2999997000 天，只能导入 7 天或 14 天的周期。"},

      // What the YAML read itself refuses; the first of them names its line.
      {NestedUnder(kMaxYamlDepth),
       "第 4 行：列表和映射嵌套超过 " + std::to_string(kMaxYamlDepth) + " 层，不是一份课程表。"},
      {std::string(500000, '[') + std::string(500000, ']'),
       "第 1 行：列表和映射嵌套超过 " + std::to_string(kMaxYamlDepth) + " 层，不是一份课程表。"},
      {AliasesOfAliases(6), "第 7 行：别名（*）展开后的内容过多，不是一份课程表。"},
      {"version: 1\nsubjects: &s [{name: 数学, also: *s}]\n",
       "第 2 行：别名（*）展开后的内容过多，不是一份课程表。"},
      {header + "  - []\nschedules: []\n",
       "第 5 行：“schedules”在同一映射中出现了两次，只能写一次。"},
      {header + "  - {k1: 1, k2: 2, k3: 3, k4: 4, k5: 5, k6: 6, k7: 7, k8: 8, k9: 9, enable_day: "
                "1,\n     'enable_day': 2, weeks: all, schedules: [], x: ]\n",
       "第 5 行：“enable_day”在同一映射中出现了两次，只能写一次。"},
  };
  for (const RefusalCase& c : cases) {
    const CsesImport result = ImportCses(c.yaml);
    EXPECT_FALSE(result.timetable) << c.yaml;
    EXPECT_EQ(shell::CsesRefusalText(result.refusal), c.message) << c.yaml;
  }
}

TEST(cses_import_test, a_file_is_read_as_utf8_and_size_bounded) {
  const test::TempFolder folder;
  const std::filesystem::path file = folder.path() / PathFromUtf8("课表.yaml");
  ASSERT_EQ(ReplaceFileContents(file,
                                "version: 1\nsubjects: [{name: 数学}]\nschedules: [{name: "
                                "x, enable_day: 1, weeks: all, classes: [{subject: 数学, "
                                "start_time: \"08:00:00\", end_time: \"08:45:00\"}]}]\n"),
            FileStatus::Ok);
  const ImportPreparation read = PrepareImport(file, Edition::Grid);
  ASSERT_TRUE(read.prepared) << shell::ImportRefusalReason(read.refusal);
  EXPECT_EQ(read.prepared->timetable.cell(1, 2), "数学");

  const auto reason = [](const std::filesystem::path& missing) {
    return shell::ImportRefusalReason(PrepareImport(missing, Edition::Grid).refusal);
  };
  EXPECT_EQ(reason(folder.path() / "missing.yaml"), "找不到这个文件。");
  const std::filesystem::path large = folder.path() / "large.yaml";
  ASSERT_EQ(ReplaceFileContents(large, std::string(kMaxCsesFileBytes + 1, '#')), FileStatus::Ok);
  EXPECT_EQ(reason(large), "文件太大，不是 CSES 课程表。");
}

}  // namespace
}  // namespace orvel::exchange
