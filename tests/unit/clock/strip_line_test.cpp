#include "clock/strip_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "clock_fixtures.h"
#include "sample_timetable.h"
#include "timetable/day_list.h"
#include "timetable/timetable_reader.h"

namespace orvel::clock {
namespace {

using namespace std::chrono;
using test::At;
using test::FakeCells;

// The sample timetable the programs ship: 早读 and eight periods, 午休 between the fourth and
// the fifth, Monday to Friday.
FakeCells SampleCells() {
  const std::optional<Timetable> table = ParseGridTimetable(test::kSampleTimetable);
  if (!table) throw std::logic_error("the sample timetable cannot be read");
  FakeCells cells(table->rows(), table->cols());
  for (int r = 0; r < table->rows(); ++r)
    for (int c = 0; c < table->cols(); ++c) cells.SetText(r, c, table->cell(r, c));
  cells.Settle();
  return cells;
}

// A term from 7 September 2026 (week 9, from 2 November, is odd), a swap and an odd/even swap
// on Wednesday 4 November, a sports day, and the exam.
constexpr const char* kDays =
    "2026-09-07,开学\n"
    "2026-11-04,调课,第三节,体育\n"
    "2026-11-04,调课,第五节,生物/地理\n"
    "2026-11-06,放假,运动会\n"
    "2027-06-07,倒计时,高考\n";

TEST(strip_line_test, the_line_at_chosen_times_of_the_sample_week) {
  const FakeCells cells = SampleCells();
  const DayRules rules = DayRules::FromLists(nullptr, ParseDayList(kDays));
  const CalendarArea area = CalendarArea::AtListIndex(1);
  struct Case {
    year_month_day date;
    std::int32_t now;
    const char* line;
  };
  const Case cases[] = {
      // Monday.
      {2026y / November / 2, At(10, 32, 55), "第三节 英语 · 距下课 12:05 · 距高考 217 天"},
      {2026y / November / 2, At(9, 57, 50), "课间 · 距上课 02:10 · 下节 英语 · 距高考 217 天"},
      {2026y / November / 2, At(10, 45), "课间 · 距上课 10:00 · 下节 物理 · 距高考 217 天"},
      {2026y / November / 2, At(7, 40), "早读 语文 · 距下课 10:00 · 距高考 217 天"},
      {2026y / November / 2, At(7, 0), "星期一 · 距高考 217 天"},    // before the first period
      {2026y / November / 2, At(17, 30), "星期一 · 距高考 217 天"},  // after the last
      // Wednesday: the swapped third period, and the odd week's half of the fifth after lunch.
      {2026y / November / 4, At(10, 20), "第三节 体育 · 距下课 25:00 · 距高考 215 天"},
      {2026y / November / 4, At(11, 45), "课间 · 距上课 1:45:00 · 下节 生物 · 距高考 215 天"},
      {2026y / November / 4, At(13, 40), "第五节 生物 · 距下课 35:00 · 距高考 215 天"},
      // A holiday of the list, a built-in one, and a Saturday the table has no column for.
      {2026y / November / 6, At(10, 20), "运动会 · 距高考 213 天"},
      {2026y / October / 1, At(10, 20), "国庆节 · 距高考 249 天"},
      {2026y / November / 7, At(10, 20), "星期六 · 距高考 212 天"},
      // The exam's own day, and the day after it, when no countdown is left.
      {2027y / June / 7, At(10, 20), "第三节 英语 · 距下课 25:00 · 今天高考"},
      {2027y / June / 8, At(10, 20), "第三节 化学 · 距下课 25:00"},
  };
  std::string line;
  for (const Case& c : cases) {
    ComposeStripLine(cells, rules.Decide(c.date, area), c.now, line);
    EXPECT_EQ(line, c.line) << DayDateText(c.date) << " " << c.now;
  }
}

TEST(strip_line_test, a_free_period_an_empty_day_and_a_table_without_times) {
  FakeCells cells(3, 4);
  cells.SetText(1, 1, "8:00-8:45");
  cells.SetText(2, 1, "8:55-9:40");
  cells.SetText(1, 3, "数学");  // Tuesday: the first period only; Monday: nothing at all
  cells.Settle();
  const CalendarArea area = CalendarArea::AtListIndex(1);
  std::string line;
  // A period without label and lesson, and a break before it, say only the times.
  ComposeStripLine(cells, test::DayOf(test::kTuesday, area), At(9, 0), line);
  EXPECT_EQ(line, "距下课 40:00");
  ComposeStripLine(cells, test::DayOf(test::kTuesday, area), At(8, 50), line);
  EXPECT_EQ(line, "课间 · 距上课 05:00");
  // A day whose column holds no lesson is shown as the day while its periods run.
  ComposeStripLine(cells, test::DayOf(2009y / August / 31, area), At(8, 10), line);
  EXPECT_EQ(line, "星期一");
  // Times that cannot be read are no period.
  cells.SetText(1, 1, "8:00-8:6x");
  ComposeStripLine(cells, test::DayOf(test::kTuesday, area), At(8, 10), line);
  EXPECT_EQ(line, "星期二");
}

}  // namespace
}  // namespace orvel::clock
