// Year files of holiday-cn: the data set's own files agree with the built-in table, a placeholder
// says nothing, every broken file is refused with its reason, and the files a followed source
// publishes are found beside its timetable.
#include "exchange/holiday_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "exchange/school_holidays.h"
#include "holiday_cn_files.h"
#include "program/holiday_files.h"
#include "timetable/day_list.h"

namespace orvel::exchange {
namespace {

using namespace std::chrono;

TEST(holiday_file_test, the_data_sets_files_agree_with_the_built_in_table_day_by_day) {
  for (const auto& [year, text] :
       {std::pair{2020, test::kHolidayCn2020}, std::pair{2023, test::kHolidayCn2023}}) {
    HolidayFileRead read = ParseHolidayFile(text, year);
    ASSERT_EQ(program::HolidayFileProblemText(read.problem), "") << year;
    ASSERT_TRUE(read.year.has_value()) << year;
    NationalDays fromFile;
    fromFile.Cover(std::move(*read.year), HolidaySource::LocalFile);
    int listed = 0;
    // From the days of the year before that the year's file may list.
    for (sys_days d = sys_days{std::chrono::year{year - 1} / December / 25};
         d <= sys_days{std::chrono::year{year} / December / 31}; d += days{1}) {
      const std::optional<NationalDay> file = fromFile.On(year_month_day{d});
      const std::optional<NationalDay> builtIn = BuiltInDayOf(year_month_day{d});
      ASSERT_EQ(file.has_value(), builtIn.has_value()) << DayDateText(year_month_day{d});
      if (!file) continue;
      ++listed;
      EXPECT_EQ(file->kind, builtIn->kind) << DayDateText(year_month_day{d});
      EXPECT_FALSE(file->name.empty()) << DayDateText(year_month_day{d});
    }
    EXPECT_GT(listed, 20) << year;
  }
}

TEST(holiday_file_test, a_placeholder_without_days_is_no_data_and_no_fault) {
  const HolidayFileRead read =
      ParseHolidayFile(R"({"year": 2027, "papers": [], "days": []})", 2027);
  EXPECT_FALSE(read.year.has_value());
  EXPECT_EQ(program::HolidayFileProblemText(read.problem), "");
}

TEST(holiday_file_test, a_file_that_cannot_be_used_is_refused_with_its_reason) {
  const std::string day = R"({"name": "元旦", "date": "2027-01-01", "isOffDay": true})";
  const struct {
    std::string text, problem;
  } cases[] = {
      {"<html><body>404 Not Found</body></html>", "不是 JSON 对象"},
      {"{\"year\": 2027,\n\"days\": [}]}\n", "第 2 行起不是 JSON"},
      {"{\"year\": 2027, \"days\": [\"\xC8\xCB\"]}", "不是 UTF-8 编码的文本"},
      {R"({"year": 2027})", "没有 days 列表"},
      {R"({"year": 2027, "days": {"date": "2027-01-01"}})", "第 1 行：days 应为列表"},
      {R"({"year": "二〇二七", "days": [)" + day + "]}", "第 1 行：year 应为年份数字"},
      {"{\"year\": 2026,\n\"days\": [" + day + "]}", "第 1 行：year 是 2026，与文件名的 2027 不符"},
      {R"({"days": ["2027-01-01"]})", "第 1 行：days 中的每一项应为对象"},
      {"{\"days\": [\n" + day +
           ",\n{\"name\": \"元旦\", \"date\": \"2026-12-24\", "
           "\"isOffDay\": true}]}",
       "第 3 行：日期 2026-12-24 不在 2027 年内"},
      {R"({"days": [{"name": "元旦", "date": "2027-02-30", "isOffDay": true}]})",
       "第 1 行：date 应为 2027-01-01 这样的日期"},
      {R"({"days": [{"name": "元旦", "date": 20270101, "isOffDay": true}]})",
       "第 1 行：date 应为 2027-01-01 这样的日期"},
      {R"({"days": [{"name": ["元旦"], "date": "2027-01-01", "isOffDay": true}]})",
       "第 1 行：name 应为一行文字"},
      {R"({"days": [{"name": "元旦\n放假", "date": "2027-01-01", "isOffDay": true}]})",
       "第 1 行：name 应为一行文字"},
      {R"({"days": [{"name": "元旦", "date": "2027-01-01", "isOffDay": 1}]})",
       "第 1 行：isOffDay 应为 true 或 false"},
      {R"({"days": [{"name": "元旦", "date": "2027-01-01"}]})",
       "第 1 行：isOffDay 应为 true 或 false"},
      {"{\"days\": [" + day +
           ",\n{\"name\": \"元旦\", \"date\": \"2027-01-02\", \"isOffDay\": false},\n"
           "{\"name\": \"元旦\", \"date\": \"2027-01-02\", \"isOffDay\": true}]}",
       "第 3 行：日期 2027-01-02 既是假日又是补班日"},
      {"{\"days\": [" + day + "]}" + std::string(kMaxHolidayFileBytes, ' '), "文件超过 1 MB"},
  };
  for (const auto& c : cases) {
    const HolidayFileRead read = ParseHolidayFile(c.text, 2027);
    EXPECT_EQ(program::HolidayFileProblemText(read.problem), c.problem) << c.text.substr(0, 80);
    EXPECT_FALSE(read.year.has_value()) << c.text.substr(0, 80);
  }
}

TEST(holiday_file_test, names_in_the_holidays_folder_and_beside_a_followed_timetable) {
  const struct {
    std::string name;
    std::optional<YearSource> file;
  } names[] = {
      {"2027.json", YearSource{2027, HolidaySource::LocalFile}},
      {"2027.JSON", YearSource{2027, HolidaySource::LocalFile}},
      {"2027.school.json", YearSource{2027, HolidaySource::SchoolFile}},
      {"2027.json.bak", std::nullopt},
      {"27.json", std::nullopt},
      {"20270.json", std::nullopt},
      {"holidays.json", std::nullopt},
  };
  for (const auto& n : names) {
    EXPECT_EQ(HolidayFileOf(n.name), n.file) << n.name;
    if (n.file) {
      EXPECT_EQ(HolidayFileOf(HolidayFileName(n.file->year, n.file->source)), n.file);
    }
  }

  const struct {
    std::string source, location;
  } sources[] = {
      {"https://edu.example.internal/tt/{class}.yaml",
       "https://edu.example.internal/tt/holidays/2027.json"},
      {R"(\\server\share\课表\{class}.csv)", R"(\\server\share\课表\holidays\2027.json)"},
      {"D:/课表/全校.yaml", "D:/课表/holidays/2027.json"},
      // A signed link's query goes with them.
      {"https://s/tt/{class}.yaml?v=2&sig=x", "https://s/tt/holidays/2027.json?v=2&sig=x"},
  };
  for (const auto& s : sources) {
    const SourceResolution resolved = ResolveSource(s.source, "初一1班");
    ASSERT_TRUE(resolved.source.has_value()) << s.source;
    EXPECT_EQ(SchoolHolidayLocation(*resolved.source, 2027), s.location);
  }
}

}  // namespace
}  // namespace orvel::exchange
