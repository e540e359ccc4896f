#include "calendar/calendar_text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "calendar/term_dates.h"

namespace orvel {
namespace {

using namespace std::chrono;

// Splits at CR LF; a bare LF or CR anywhere fails the test.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text does not end with CR LF";
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  }
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma - start));
    if (comma == std::string::npos) return fields;
    start = comma + 1;
  }
}

std::string Weeks(year_month_day first, year_month_day last) {
  std::string out;
  WriteTermWeeks(out, first, last);
  return out;
}

std::string Calendar(const std::string& label, int autumnYear) {
  const auto text = CalendarText(label, static_cast<std::int16_t>(autumnYear));
  EXPECT_TRUE(text.has_value()) << autumnYear;
  return text.value_or("");
}

TEST(calendar_text_test, week_rows_run_sunday_to_saturday) {
  // Monday start: one empty Sunday cell; a Saturday end leaves no partial row.
  EXPECT_EQ(Weeks(2024y / January / 1, 2024y / January / 13),
            "1,,2024/1/1,2,3,4,5,6\r\n"
            "2,7,8,9,10,11,12,13\r\n");
  // Friday start: five empty cells; a Friday end keeps an empty Saturday field.
  EXPECT_EQ(Weeks(2010y / January / 1, 2010y / January / 8),
            "1,,,,,,2010/1/1,2\r\n"
            "2,3,4,5,6,7,8,\r\n");
  // Wednesday end: six fields.
  EXPECT_EQ(Weeks(2024y / January / 1, 2024y / January / 10),
            "1,,2024/1/1,2,3,4,5,6\r\n"
            "2,7,8,9,10,\r\n");
  // A term within one week.
  EXPECT_EQ(Weeks(2025y / October / 1, 2025y / October / 3), "1,,,,2025/10/1,2,3,\r\n");
  // Sunday start (never a term's first day): no empty cells before it.
  const std::vector<std::string> sunday = Lines(Weeks(2024y / March / 3, 2024y / March / 9));
  ASSERT_EQ(sunday.size(), 1u);
  const std::vector<std::string> fields = Fields(sunday[0]);
  EXPECT_EQ(std::vector<std::string>(fields.begin() + 1, fields.end()),
            (std::vector<std::string>{"2024/3/3", "4", "5", "6", "7", "8", "9"}));
}

TEST(calendar_text_test, first_of_month_cells) {
  // The first day is written in full even when it is the first of a month.
  EXPECT_EQ(Weeks(2025y / October / 1, 2025y / October / 3), "1,,,,2025/10/1,2,3,\r\n");
  // Within the first day's year: month/1.
  EXPECT_EQ(Weeks(2023y / November / 30, 2023y / December / 7),
            "1,,,,,2023/11/30,12/1,2\r\n"
            "2,3,4,5,6,7,\r\n");
  // After New Year: year/month/1.
  EXPECT_EQ(Weeks(2023y / December / 29, 2024y / January / 5),
            "1,,,,,,2023/12/29,30\r\n"
            "2,31,2024/1/1,2,3,4,5,\r\n");
}

TEST(calendar_text_test, week_rows_append_and_ignore_reversed_terms) {
  std::string out = "before\r\n";
  WriteTermWeeks(out, 2025y / October / 1, 2025y / October / 3);
  EXPECT_EQ(out, "before\r\n1,,,,2025/10/1,2,3,\r\n");
  WriteTermWeeks(out, 2025y / October / 3, 2025y / October / 1);
  EXPECT_EQ(out, "before\r\n1,,,,2025/10/1,2,3,\r\n");
}

TEST(calendar_text_test, school_year_2009) {
  const std::vector<std::string> lines = Lines(Calendar("上海2009~2010", 2009));
  ASSERT_EQ(lines.size(), 46u);  // 3 + 23 rows + 2 + 18 rows
  EXPECT_EQ(lines[0], "上海2009~2010学年度校历,,,,,,,");
  EXPECT_EQ(lines[1], "第一学期,,,,,,,");
  EXPECT_EQ(lines[2], "周序,日,一,二,三,四,五,六");
  EXPECT_EQ(lines[3], "1,,,2009/9/1,2,3,4,5");
  EXPECT_EQ(lines[4], "2,6,7,8,9,10,11,12");
  EXPECT_EQ(lines[7], "5,27,28,29,30,10/1,2,3");
  EXPECT_EQ(lines[20], "18,27,28,29,30,31,2010/1/1,2");
  EXPECT_EQ(lines[25], "23,31,2010/2/1,2,3,4,5,");
  EXPECT_EQ(lines[26], "第二学期,,,,,,,");
  EXPECT_EQ(lines[27], "周序,日,一,二,三,四,五,六");
  EXPECT_EQ(lines[28], "1,,2010/3/1,2,3,4,5,6");
  EXPECT_EQ(lines[45], "18,27,28,29,30,");
}

TEST(calendar_text_test, first_term_crossing_new_year) {
  const std::vector<std::string> lines = Lines(Calendar("上海2009~2010", 2009));
  ASSERT_GE(lines.size(), 26u);
  std::vector<std::string> firsts;
  for (std::size_t i = 3; i < 26; ++i) {
    const std::vector<std::string> fields = Fields(lines[i]);
    for (std::size_t c = 1; c < fields.size(); ++c)
      if (fields[c].find('/') != std::string::npos) firsts.push_back(fields[c]);
  }
  EXPECT_EQ(firsts,
            (std::vector<std::string>{"2009/9/1", "10/1", "11/1", "12/1", "2010/1/1", "2010/2/1"}));
}

TEST(calendar_text_test, other_area_2012) {
  const std::vector<std::string> lines = Lines(Calendar("其他2012~2013", 2012));
  ASSERT_EQ(lines.size(), 45u);  // 3 + 22 rows + 2 + 18 rows
  EXPECT_EQ(lines[0], "其他2012~2013学年度校历,,,,,,,");
  EXPECT_EQ(lines[3], "1,,2012/9/3,4,5,6,7,8");
  EXPECT_EQ(lines[24], "22,27,28,29,30,31,2013/2/1,");
  EXPECT_EQ(lines[25], "第二学期,,,,,,,");
  EXPECT_EQ(lines[27], "1,,2013/2/25,26,27,28,3/1,2");
  EXPECT_EQ(lines.back(), "18,23,24,25,26,27,28,");
}

// Every school year: the rows of each term count 1, 2, 3 ..., hold eight fields (the last row
// of a term ending on a weekday may hold fewer), and show every day of the term exactly once.
TEST(calendar_text_test, every_day_of_every_term_once) {
  for (int y = kFirstAutumnYear; y <= kLastAutumnYear; ++y) {
    SCOPED_TRACE(y);
    const std::vector<std::string> lines = Lines(Calendar("上海", y));
    const auto y16 = static_cast<std::int16_t>(y);
    const sys_days terms[2][2] = {{sys_days{*TermDate(y16, 11)}, sys_days{*TermDate(y16, 12)}},
                                  {sys_days{*TermDate(y16, 21)}, sys_days{*TermDate(y16, 22)}}};
    std::size_t line = 1;
    for (const auto& term : terms) {
      ASSERT_LT(line + 1, lines.size());
      EXPECT_EQ(lines[line], line == 1 ? "第一学期,,,,,,," : "第二学期,,,,,,,");
      EXPECT_EQ(lines[line + 1], "周序,日,一,二,三,四,五,六");
      line += 2;
      long days = 0;
      int week = 0;
      while (line < lines.size() && lines[line].rfind("第", 0) != 0) {
        const std::vector<std::string> fields = Fields(lines[line]);
        EXPECT_EQ(fields[0], std::to_string(++week));
        const bool lastRow = line + 1 == lines.size() || lines[line + 1].rfind("第", 0) == 0;
        if (!lastRow) {
          EXPECT_EQ(fields.size(), 8u) << lines[line];
        }
        for (std::size_t c = 1; c < fields.size(); ++c) days += fields[c].empty() ? 0 : 1;
        ++line;
      }
      EXPECT_EQ(days, (term[1] - term[0]).count() + 1);
    }
    EXPECT_EQ(line, lines.size());
  }
}

TEST(calendar_text_test, no_text_without_term_dates) {
  EXPECT_FALSE(CalendarText("上海", 1984).has_value());
  EXPECT_FALSE(CalendarText("上海", 2101).has_value());
}

}  // namespace
}  // namespace orvel
