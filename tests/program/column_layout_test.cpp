// The pure decisions of the schedule window's layout.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "clock/period_search.h"
#include "grid/layout.h"
#include "program/window_region.h"

namespace orvel::grid {
namespace {

using clock::WeekdayColumn;
using program::TwipsToPixels;

using namespace std::chrono;

TEST(column_layout_test, width_is_text_plus_margin_scaled_from_nine_points) {
  EXPECT_EQ(FittedColumnWidth(9, 0), 100);       // an empty column keeps its margin
  EXPECT_EQ(FittedColumnWidth(9, 360), 460);     // two Chinese characters at 9 pt
  EXPECT_EQ(FittedColumnWidth(12, 0), 133);      // 133.33
  EXPECT_EQ(FittedColumnWidth(10.5, 360), 537);  // 536.67
  EXPECT_EQ(FittedColumnWidth(18, 810), 1820);
}

TEST(column_layout_test, width_rounds_halves_to_even) {
  // 9 × (w + 100) / 9 = w + 100 exactly; choose sizes that land on halves.
  EXPECT_EQ(FittedColumnWidth(4.5, 1), 50);  // 50.5 -> 50
  EXPECT_EQ(FittedColumnWidth(4.5, 3), 52);  // 51.5 -> 52
}

TEST(column_layout_test, width_stays_within_the_grid_range) {
  EXPECT_EQ(FittedColumnWidth(0, 500), 0);
  EXPECT_EQ(FittedColumnWidth(-9, 500), 0);
  EXPECT_EQ(FittedColumnWidth(2000, 1e6), kMaxColWidth);
  EXPECT_EQ(FittedColumnWidth(std::numeric_limits<double>::infinity(), 10), kMaxColWidth);
  EXPECT_EQ(FittedColumnWidth(std::nan(""), 10), 0);
}

TEST(column_layout_test, weekday_columns_run_from_monday_two_to_sunday_eight) {
  EXPECT_EQ(WeekdayColumn(year{2025} / September / 1), 2);  // Monday
  EXPECT_EQ(WeekdayColumn(year{2025} / September / 3), 4);  // Wednesday
  EXPECT_EQ(WeekdayColumn(year{2025} / September / 6), 7);  // Saturday
  EXPECT_EQ(WeekdayColumn(year{2025} / September / 7), 8);  // Sunday
  EXPECT_EQ(WeekdayColumn(year{2024} / February / 29), 5);  // Thursday
}

TEST(column_layout_test, folding_keeps_label_time_and_today) {
  for (int c = 0; c < 9; ++c) EXPECT_EQ(KeptWhenFolded(c, 4), c == 0 || c == 1 || c == 4) << c;
  // A weekday beyond the table keeps only the first two columns.
  for (int c = 0; c < 7; ++c) EXPECT_EQ(KeptWhenFolded(c, 8), c < 2) << c;
}

TEST(column_layout_test, twips_become_rounded_pixels) {
  EXPECT_EQ(TwipsToPixels(1500, 15), 100);
  EXPECT_EQ(TwipsToPixels(1507, 15), 100);  // 100.47
  EXPECT_EQ(TwipsToPixels(1508, 15), 101);  // 100.53
  EXPECT_EQ(TwipsToPixels(1500, 12), 125);  // 120 dpi
  EXPECT_EQ(TwipsToPixels(30, 12), 2);      // 2.5 -> 2
  EXPECT_EQ(TwipsToPixels(-300, 15), -20);
  EXPECT_EQ(TwipsToPixels(1500, 0), 0);
  EXPECT_EQ(TwipsToPixels(1e300, 1), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace orvel::grid
