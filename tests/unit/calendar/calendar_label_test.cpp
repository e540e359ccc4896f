#include "calendar/calendar_label.h"

#include <gtest/gtest.h>

#include "platform/file_io.h"

namespace orvel {
namespace {

TEST(calendar_label_test, label_joins_area_year_and_next_year) {
  EXPECT_EQ(CalendarLabel("上海", "2009"), "上海2009~2010");
  EXPECT_EQ(CalendarLabel("其他", "2012"), "其他2012~2013");
  EXPECT_EQ(CalendarLabel("上海", "2100"), "上海2100~2101");
  // The year is shown as the box has it; only the second year is computed.
  EXPECT_EQ(CalendarLabel("上海", "+2009"), "上海+2009~2010");
  EXPECT_EQ(CalendarLabel("上海", ""), "上海~1");
}

TEST(calendar_label_test, year_text_value_is_the_leading_number) {
  EXPECT_EQ(YearTextValue("2009"), 2009);
  EXPECT_EQ(YearTextValue("2009年"), 2009);
  EXPECT_EQ(YearTextValue("+1985"), 1985);
  EXPECT_EQ(YearTextValue("-7"), -7);
  EXPECT_EQ(YearTextValue(""), 0);
  EXPECT_EQ(YearTextValue("二〇〇九"), 0);
  EXPECT_EQ(YearTextValue("99999999999"), 0);  // does not fit
}

TEST(calendar_label_test, autumn_year_only_where_there_are_term_dates) {
  EXPECT_EQ(AutumnYearFromText("1985"), 1985);
  EXPECT_EQ(AutumnYearFromText("2009"), 2009);
  EXPECT_EQ(AutumnYearFromText("2100"), 2100);
  EXPECT_FALSE(AutumnYearFromText("1984").has_value());
  EXPECT_FALSE(AutumnYearFromText("2101").has_value());
  EXPECT_FALSE(AutumnYearFromText("").has_value());
  EXPECT_FALSE(AutumnYearFromText("abc").has_value());
  EXPECT_FALSE(AutumnYearFromText("67545").has_value());  // 2009 once wrapped to 16 bits
}

TEST(calendar_label_test, file_lies_in_csv_below_the_program_folder) {
  const std::filesystem::path folder = PathFromUtf8("课程表");
  const std::filesystem::path file = CalendarFilePath(folder, "上海2009~2010");
  EXPECT_EQ(CalendarFileName("上海2009~2010"), "上海2009~2010学年度校历.csv");
  EXPECT_EQ(Utf8FromPath(file.filename()), "上海2009~2010学年度校历.csv");
  EXPECT_EQ(file.parent_path(), CalendarFolder(folder));
  EXPECT_EQ(CalendarFolder(folder), folder / "csv");
}

#ifdef _WIN32
TEST(calendar_label_test, drive_root_gets_no_doubled_backslash) {
  const std::filesystem::path file = CalendarFilePath(L"D:\\", "其他2012~2013");
  EXPECT_EQ(file.wstring(), L"D:\\csv\\其他2012~2013学年度校历.csv");
  EXPECT_EQ(CalendarFilePath(L"D:\\程序", "上海2009~2010").wstring(),
            L"D:\\程序\\csv\\上海2009~2010学年度校历.csv");
}
#endif

}  // namespace
}  // namespace orvel
