#include "clock/period_search.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "clock/time_of_day.h"
#include "clock_fixtures.h"

namespace orvel::clock {
namespace {

using test::At;
using test::FakeCells;

// The search written out round by round, the look-ahead rescanning every time.
struct Reference {
  int currentRow = 0;
  int breakRow = 0;
  bool failed = false;
  std::string nextStart;
  std::int16_t nextPeriodRow = 0;
};

Reference ReferenceSearch(const FakeCells& cells, std::int32_t now, std::int16_t nextPeriodRow,
                          const std::string& header) {
  Reference r;
  r.nextPeriodRow = nextPeriodRow;
  const auto text = [&](int row) {
    if (cells.Cols() < 2) return std::string();
    return row == 0 ? header : std::string(cells.Text(row, 1));
  };
  std::string lastExamined;
  for (int i = 0; i < cells.Rows(); ++i) {
    for (int j = 1; j <= cells.Rows() - 1 - i; ++j) {
      lastExamined = text(i + j);
      const auto dash = lastExamined.find('-');
      if (!lastExamined.empty() && dash != std::string::npos) {
        r.nextStart = lastExamined.substr(0, dash);
        r.nextPeriodRow = static_cast<std::int16_t>(i + j);
        break;
      }
    }
    if (i == 0) {
      const auto next = ParseTimeOfDay(r.nextStart);
      if (!next) return r.failed = true, r;
      if (!r.nextStart.empty() && now < *next) {
        // Last evening's period may run past midnight.
        for (int row = 1; row < cells.Rows(); ++row) {
          const std::string span = text(row);
          const auto dash = span.find('-');
          if (dash == std::string::npos) continue;
          const auto start = ParseTimeOfDay(span.substr(0, dash));
          const auto end = ParseTimeOfDay(span.substr(dash + 1));
          if (start && end && *end < *start && now < *end) return r.currentRow = row, r;
        }
        return r;
      }
    }
    const std::string span = text(i);
    const auto dash = span.find('-');
    if (span.empty() || dash == std::string::npos) continue;
    const auto start = ParseTimeOfDay(span.substr(0, dash));
    const auto end = ParseTimeOfDay(span.substr(dash + 1));
    const auto next = ParseTimeOfDay(r.nextStart);
    if (!start || !end) return r.failed = true, r;
    const std::int32_t endsAt = *end < *start ? *end + kSecondsPerDay : *end;
    if (*start <= now && now < endsAt) return r.currentRow = i, r;
    if (!lastExamined.empty()) {
      if (!next) return r.failed = true, r;
      if (endsAt <= now && now < *next) return r.breakRow = i + 1, r;
    }
  }
  return r;
}

PeriodSearch Search(const FakeCells& cells, std::int32_t now, std::int16_t& nextPeriodRow) {
  return FindPeriod(cells, now, nextPeriodRow,
                    cells.Rows() > 0 && cells.Cols() > 1 ? cells.Text(0, 1) : "");
}

TEST(period_search_test, tuesday_example_through_the_morning) {
  const FakeCells cells = test::TuesdayCells();
  struct Case {
    std::int32_t now;
    int current, brk, nextRow;
    const char* nextStart;
  };
  for (const Case c : {Case{At(7, 0), 0, 0, 2, "8:00"}, Case{At(7, 59, 59), 0, 0, 2, "8:00"},
                       Case{At(8, 0), 2, 0, 3, "8:55"}, Case{At(8, 44, 59), 2, 0, 3, "8:55"},
                       Case{At(8, 45), 0, 3, 3, "8:55"}, Case{At(8, 52), 0, 3, 3, "8:55"},
                       Case{At(8, 55), 3, 0, 3, "8:55"}, Case{At(9, 39, 59), 3, 0, 3, "8:55"},
                       Case{At(9, 40), 0, 0, 3, "8:55"}, Case{At(23, 59, 59), 0, 0, 3, "8:55"}}) {
    std::int16_t nextRow = 0;
    const PeriodSearch s = Search(cells, c.now, nextRow);
    EXPECT_EQ(s.currentRow, c.current) << c.now;
    EXPECT_EQ(s.breakRow, c.brk) << c.now;
    EXPECT_FALSE(s.timeFailed) << c.now;
    EXPECT_EQ(nextRow, c.nextRow) << c.now;
    EXPECT_EQ(s.nextStartText, c.nextStart) << c.now;
  }
}

TEST(period_search_test, a_row_without_times_is_never_current_but_takes_the_break) {
  FakeCells cells(5, 7);
  cells.SetText(1, 1, "8:00-8:45");
  cells.SetText(2, 1, "午休");
  cells.SetText(3, 1, "13:00-13:45");
  cells.SetText(4, 1, "晚自习");
  for (std::int32_t now = At(8, 45); now < At(13, 0); now += 157) {
    std::int16_t nextRow = 0;
    const PeriodSearch s = Search(cells, now, nextRow);
    EXPECT_EQ(s.currentRow, 0);
    EXPECT_EQ(s.breakRow, 2);  // the row right after the period that ended
    EXPECT_EQ(nextRow, 3);
  }
  // After the last period the bottom row, without a time, ends every look-ahead: no break.
  std::int16_t nextRow = 0;
  const PeriodSearch late = Search(cells, At(14, 0), nextRow);
  EXPECT_EQ(late.breakRow, 0);
  EXPECT_EQ(late.currentRow, 0);
  EXPECT_FALSE(late.timeFailed);
}

TEST(period_search_test, an_evening_period_past_midnight_is_current_until_its_end) {
  FakeCells cells(4, 7);
  cells.SetText(1, 1, "8:00-8:45");
  cells.SetText(2, 1, "19:00-20:00");
  cells.SetText(3, 1, "23:30-0:30");
  struct Case {
    std::int32_t now;
    int current, brk;
    std::int32_t end;  // seconds of the day it ends at, counted from this midnight
  };
  for (const Case c : {Case{At(23, 29, 59), 0, 3, 0}, Case{At(23, 30), 3, 0, At(24, 30)},
                       Case{At(23, 59, 59), 3, 0, At(24, 30)}, Case{At(0, 0), 3, 0, At(0, 30)},
                       Case{At(0, 29, 59), 3, 0, At(0, 30)}, Case{At(0, 30), 0, 0, 0},
                       Case{At(8, 10), 1, 0, At(8, 45)}}) {
    std::int16_t nextRow = 0;
    const PeriodSearch s = Search(cells, c.now, nextRow);
    EXPECT_EQ(s.currentRow, c.current) << c.now;
    EXPECT_EQ(s.breakRow, c.brk) << c.now;
    EXPECT_EQ(s.currentEndSeconds, c.end) << c.now;
  }
}

TEST(period_search_test, unreadable_times_end_the_search) {
  {  // no time span at all: the empty next start fails at row 0
    FakeCells cells(4, 7);
    cells.SetText(1, 1, "早读");
    std::int16_t nextRow = 5;
    const PeriodSearch s = Search(cells, At(8, 0), nextRow);
    EXPECT_TRUE(s.timeFailed);
    EXPECT_EQ(nextRow, 5);  // no look-ahead found anything
  }
  {  // a bad span first
    FakeCells cells(4, 7);
    cells.SetText(1, 1, "abc-def");
    cells.SetText(2, 1, "8:00-8:45");
    std::int16_t nextRow = 0;
    EXPECT_TRUE(Search(cells, At(8, 10), nextRow).timeFailed);
    EXPECT_EQ(nextRow, 1);
  }
  {  // a bad end below a good period: fine during the period, fails after it
    FakeCells cells(4, 7);
    cells.SetText(1, 1, "8:00-8:45");
    cells.SetText(2, 1, "9:00-nine");
    std::int16_t nextRow = 0;
    const PeriodSearch during = Search(cells, At(8, 10), nextRow);
    EXPECT_EQ(during.currentRow, 1);
    EXPECT_FALSE(during.timeFailed);
    EXPECT_EQ(Search(cells, At(8, 50), nextRow).breakRow, 2);  // row 2 not reached yet
    EXPECT_TRUE(Search(cells, At(9, 10), nextRow).timeFailed);
  }
}

TEST(period_search_test, header_text_stands_for_cell_0_1) {
  FakeCells cells(3, 7);
  cells.SetText(0, 1, "abc-def");  // what the cell held before the label step
  cells.SetText(1, 1, "8:00-8:45");
  std::int16_t nextRow = 0;
  EXPECT_EQ(FindPeriod(cells, At(8, 10), nextRow, "时间").currentRow, 1);
  EXPECT_TRUE(FindPeriod(cells, At(8, 10), nextRow, "abc-def").timeFailed);
  // A span in row 0 is searched like any other, but row 0 is never current.
  const PeriodSearch header = FindPeriod(cells, At(9, 10), nextRow, "9:00-9:30");
  EXPECT_EQ(header.currentRow, 0);
  EXPECT_FALSE(header.timeFailed);
}

TEST(period_search_test, small_tables_are_searched_safely) {
  for (const auto& [rows, cols] :
       {std::pair{0, 0}, std::pair{0, 9}, std::pair{1, 1}, std::pair{1, 7}, std::pair{2, 1},
        std::pair{2, 2}, std::pair{3, 1}}) {
    FakeCells cells(rows, cols);
    if (cols > 1 && rows > 1) cells.SetText(1, 1, "8:00-8:45");
    std::int16_t nextRow = 7;
    const PeriodSearch s = Search(cells, At(8, 10), nextRow);
    const bool onePeriod = cols > 1 && rows > 1;
    EXPECT_EQ(s.currentRow, onePeriod ? 1 : 0) << rows << "x" << cols;
    EXPECT_EQ(s.timeFailed, rows > 0 && !onePeriod) << rows << "x" << cols;
    EXPECT_EQ(nextRow, onePeriod ? 1 : 7) << rows << "x" << cols;
  }
}

TEST(period_search_test, agrees_with_the_round_by_round_search) {
  const std::array<const char*, 14> pool{
      "",        "午休",  "8:00-8:45", "8:55-9:40", "10:00-10:45", "11:00-11:45", "13:00-13:45",
      "abc-def", "-8:45", "9:00-",     "7:00-7:30", "14:00-14:45", "23:00-1:00",  "12:00"};
  std::mt19937 random(20090901);
  for (int round = 0; round < 4000; ++round) {
    const int rows = static_cast<int>(random() % 12);
    const int cols = static_cast<int>(random() % 4);
    FakeCells cells(rows, cols);
    for (int r = 0; r < rows; ++r)
      // Mostly real periods, so that searches get past row 0.
      cells.SetText(r, 1, pool[random() % 3 == 0 ? random() % pool.size() : 2 + random() % 5]);
    const std::string header = pool[random() % pool.size()];
    const auto now = static_cast<std::int32_t>(random() % kSecondsPerDay);
    const auto startRow = static_cast<std::int16_t>(random() % 20);

    std::int16_t nextRow = startRow;
    const PeriodSearch s = FindPeriod(cells, now, nextRow, header);
    const Reference r = ReferenceSearch(cells, now, startRow, header);
    SCOPED_TRACE(testing::Message() << "round " << round << " now " << now);
    ASSERT_EQ(s.timeFailed, r.failed);
    ASSERT_EQ(s.currentRow, r.currentRow);
    ASSERT_EQ(s.breakRow, r.breakRow);
    ASSERT_EQ(nextRow, r.nextPeriodRow);
    ASSERT_EQ(s.nextStartText, r.nextStart);
  }
}

TEST(period_search_test, reminder_windows_in_whole_seconds) {
  const std::int32_t start = At(8, 55);
  std::vector<int> remind, remove;
  for (int before = -10; before <= 400; ++before) {
    const double d = ReminderDistance(start, start - before);
    if (InReminderWindow(d)) remind.push_back(before);
    if (InTrayRemovalWindow(d)) remove.push_back(before);
  }
  EXPECT_EQ(remind, std::vector<int>{180});
  EXPECT_EQ(remove, std::vector<int>{163});
}

TEST(period_search_test, reminder_window_bounds) {
  EXPECT_TRUE(InReminderWindow(2.08));
  EXPECT_TRUE(InReminderWindow(2.094));
  EXPECT_FALSE(InReminderWindow(2.0799));
  EXPECT_FALSE(InReminderWindow(2.0941));
  EXPECT_TRUE(InTrayRemovalWindow(1.88));
  EXPECT_TRUE(InTrayRemovalWindow(1.894));
  EXPECT_FALSE(InTrayRemovalWindow(1.8799));
  EXPECT_FALSE(InTrayRemovalWindow(1.8941));
  EXPECT_DOUBLE_EQ(ReminderDistance(86400, 0), 1000.0);
  EXPECT_DOUBLE_EQ(ReminderDistance(0, 8640), -100.0);
}

}  // namespace
}  // namespace orvel::clock
