#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "clock/time_of_day.h"
#include "exchange/cses.h"
#include "shell/exchange_texts.h"
#include "exchange/cses_file.h"
#include "platform/file_io.h"
#include "table_builder.h"
#include "temp_folder.h"

namespace orvel::exchange {
namespace {

using test::MakeTable;

// The sample week that the programs ship (src/app/sample), with a morning reading row and a
// lunch row without times.
const Timetable kSampleWeek = MakeTable({
    {"节次", "时间", "星期一", "星期二", "星期三", "星期四", "星期五"},
    {"早读", "7:30-7:50", "语文", "英语", "语文", "英语", "语文"},
    {"第一节", "8:00-8:45", "语文", "数学", "英语", "物理", "化学"},
    {"第二节", "8:55-9:40", "数学", "语文", "物理", "英语", "数学"},
    {"第三节", "10:00-10:45", "英语", "化学", "语文", "数学", "语文"},
    {"第四节", "10:55-11:40", "物理", "体育", "数学", "语文", "英语"},
    {"午休", "", "", "", "", "", ""},
    {"第五节", "13:30-14:15", "化学", "英语", "体育", "音乐", "物理"},
    {"第六节", "14:25-15:10", "音乐", "美术", "化学", "体育", "生物"},
    {"第七节", "15:20-16:05", "体育", "生物", "美术", "地理", "历史"},
    {"第八节", "16:15-17:00", "自习", "历史", "地理", "自习", "班会"},
});

// Alternating weeks, a weekend, rows out of order, times as people type them.
const Timetable kAlternatingWeekend = MakeTable({
    {"", "时间", "一", "二", "三", "四", "五", "六", "日"},
    {"3", "10:00-10:45", "物理/化学", "", "数学", "", "", "美术/", "/音乐"},
    {"1", " 8:00 - 8:45 ", "语文", "物理/", "", "", "", "体育", ""},
    {"2", "09:00:30-9:45", "数学", "/化学", "", "", "", "体育", "体育"},
    {"夜", "19:00-20:30:15", "", "", "", "", "", "", "自习"},
});

// Subject names a YAML reader could take for something else.
const Timetable kAwkwardNames = MakeTable({
    {"", "时间", "一", "二", "三", "四", "五"},
    {"", "8:00-8:45", "101", "yes", "null", "~", "3.5"},
    {"", "9:00-9:45", "a: b", "#注释", "- 列表", "[数组]", "{映射}"},
    {"", "10:00-10:45", "'单引号'", "\\反斜杠", "数学 ", " 语文", "*别名"},
    {"", "11:00-11:45", "&锚", "!标签", "%", "@", "`"},
    {"", "12:00-12:45", "\x7f\x01", "\xc2\x85\xc2\xa0", "\xe2\x80\xa8\xef\xbb\xbf", "\xe2\x80\xa9",
     "\x1b"},
});

const Timetable* const kRoundTripTables[] = {&kSampleWeek, &kAlternatingWeekend, &kAwkwardNames};

std::optional<std::pair<std::int32_t, std::int32_t>> SpanOf(const Timetable& table, int row) {
  const std::string& text = table.cell(row, 1);
  const std::size_t dash = text.find('-');
  if (dash == std::string::npos) return std::nullopt;
  const auto start = clock::ParseTimeOfDay(std::string_view(text).substr(0, dash));
  const auto end = clock::ParseTimeOfDay(std::string_view(text).substr(dash + 1));
  if (!start || !end) return std::nullopt;
  return std::pair{*start, *end};
}

TEST(cses_export_test, export_then_import_gives_back_every_cell_of_the_rows_with_times) {
  for (const Timetable* original : kRoundTripTables) {
    const CsesExport exported = ExportCses(*original);
    EXPECT_EQ(exported.cellsLeftOut, 0) << exported.yaml;
    const CsesImport back = ImportCses(exported.yaml);
    ASSERT_TRUE(back.timetable) << shell::CsesRefusalText(back.refusal) << "\n" << exported.yaml;
    for (int row = 1; row < original->rows(); ++row) {
      const auto span = SpanOf(*original, row);
      if (!span) continue;
      int found = 1;
      while (found < back.timetable->rows() && SpanOf(*back.timetable, found) != span) ++found;
      ASSERT_LT(found, back.timetable->rows()) << "row " << row << "\n" << exported.yaml;
      for (int col = 2; col < std::min<int>(original->cols(), 9); ++col) {
        EXPECT_EQ(back.timetable->cell(found, col), original->cell(row, col))
            << "row " << row << ", column " << col << "\n"
            << exported.yaml;
      }
    }
  }
}

TEST(cses_export_test, writes_cses_with_a_schedule_per_day_and_weeks) {
  const Timetable table = MakeTable({
      {"节次", "时间", "星期一", "星期二", "星期三", "星期四", "星期五"},
      {"第2节", "8:00-8:45", "数学", "物理/化学", "", "", ""},
      {"第1节", "7:30-7:50:30", "语文", "语文", "", "", ""},
      {"第3节", "9:00-9:45", "", "/音乐", "", "", ""},
  });
  const CsesExport exported = ExportCses(table);
  EXPECT_EQ(exported.yaml, R"(version: 1
subjects:
  - name: "语文"
  - name: "数学"
  - name: "物理"
  - name: "化学"
  - name: "音乐"
schedules:
  - name: 星期一
    enable_day: 1
    weeks: all
    classes:
      - subject: "语文"
        start_time: "07:30:00"
        end_time: "07:50:30"
      - subject: "数学"
        start_time: "08:00:00"
        end_time: "08:45:00"
  - name: 星期二（单周）
    enable_day: 2
    weeks: odd
    classes:
      - subject: "语文"
        start_time: "07:30:00"
        end_time: "07:50:30"
      - subject: "物理"
        start_time: "08:00:00"
        end_time: "08:45:00"
  - name: 星期二（双周）
    enable_day: 2
    weeks: even
    classes:
      - subject: "语文"
        start_time: "07:30:00"
        end_time: "07:50:30"
      - subject: "化学"
        start_time: "08:00:00"
        end_time: "08:45:00"
      - subject: "音乐"
        start_time: "09:00:00"
        end_time: "09:45:00"
)");
  EXPECT_EQ(exported.cellsLeftOut, 0);
}

TEST(cses_export_test, quotes_tabs_and_bytes_outside_utf8_still_read_back) {
  const CsesExport exported =
      ExportCses(MakeTable({{"", "时间", "一"}, {"", "8:00-8:45", "\"\xff数学\t\xe6\""}}));
  const CsesImport back = ImportCses(exported.yaml);
  ASSERT_TRUE(back.timetable) << shell::CsesRefusalText(back.refusal) << "\n" << exported.yaml;
  // The cell takes a quote as ＂ and a tab as a space, as from any CSES file.
  EXPECT_EQ(back.timetable->cell(1, 2), "＂\xef\xbf\xbd数学 \xef\xbf\xbd＂");
}

TEST(cses_export_test, counts_the_cells_it_leaves_out) {
  const struct {
    Timetable table;
    int leftOut;
  } cases[] = {
      {MakeTable({{"", "时间", "一"},
                  {"", "", "数学"},
                  {"", "8:00", "语文"},
                  {"", "8:00-", "x"},
                  {"", "8:00-9:60", "y"},
                  {"", "八点-九点", "z"},
                  {"", "8:00-8:45", "英语"}}),
       5},
      {MakeTable({{"", "时间", "一", "二", "三", "四", "五", "六", "日", "下周一"},
                  {"", "8:00-8:45", "数学", "", "", "", "", "", "", "物理"},
                  {"", "9:00-9:45", "/", "", "", "", "", "", "", ""}}),
       2},
      {MakeTable({{"只有", "一列"}, {"x", "8:00-8:45"}}), 0},
  };
  for (const auto& c : cases) {
    const CsesExport exported = ExportCses(c.table);
    EXPECT_EQ(exported.cellsLeftOut, c.leftOut) << exported.yaml;
  }
  EXPECT_EQ(ExportCses(MakeTable({{"x"}})).yaml, "version: 1\nsubjects: []\nschedules: []\n");
}

TEST(cses_export_test, a_file_is_replaced_with_the_export) {
  const test::TempFolder folder;
  const std::filesystem::path file = folder.path() / PathFromUtf8("导出.yaml");
  ASSERT_EQ(ReplaceFileContents(file, "old"), FileStatus::Ok);
  const CsesFileExport written = ExportCsesFile(file, kSampleWeek);
  EXPECT_EQ(written.status, FileStatus::Ok);
  EXPECT_EQ(written.cellsLeftOut, 0);
  EXPECT_EQ(ReadWholeFile(file, kMaxCsesFileBytes).bytes, ExportCses(kSampleWeek).yaml);
  EXPECT_EQ(ExportCsesFile(folder.path() / "no-folder" / "x.yaml", kSampleWeek).status,
            FileStatus::NotFound);
}

#ifdef ORVEL_CSES_VALIDATOR
}  // namespace
}  // namespace orvel::exchange

#include <sys/wait.h>

namespace orvel::exchange {
namespace {

// The export checked against CSES's JSON schema by a real validator (Python's jsonschema, which
// scripts/setup.sh installs), and a document the same validator must turn down.
int Validate(const std::vector<std::filesystem::path>& files, const char* redirect = "") {
  std::string command = ORVEL_CSES_VALIDATOR;
  for (const auto& file : files) command += " '" + file.string() + "'";
  const int status = std::system((command + redirect).c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(cses_export_test, exports_validate_against_the_cses_schema) {
  const test::TempFolder folder;
  std::vector<std::filesystem::path> exports;
  for (const Timetable* table : kRoundTripTables) {
    exports.push_back(folder.path() / ("export" + std::to_string(exports.size()) + ".yaml"));
    ASSERT_EQ(ReplaceFileContents(exports.back(), ExportCses(*table).yaml), FileStatus::Ok);
  }
  EXPECT_EQ(Validate(exports), 0);

  const std::filesystem::path wrong = folder.path() / "wrong.yaml";
  ASSERT_EQ(ReplaceFileContents(wrong,
                                "version: 1\nschedules: [{name: x, enable_day: 8, weeks: "
                                "all, classes: []}]\n"),
            FileStatus::Ok);
  EXPECT_EQ(Validate({wrong}, " 2>/dev/null"), 1);
}
#endif

}  // namespace
}  // namespace orvel::exchange
