#include "timetable/timetable.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(timetable_model_test, default_is_empty_eleven_by_seven) {
  const Timetable table;
  EXPECT_EQ(table.rows(), 11);
  EXPECT_EQ(table.cols(), 7);
  for (int r = 0; r < table.rows(); ++r)
    for (int c = 0; c < table.cols(); ++c) EXPECT_EQ(table.cell(r, c), "");
}

TEST(timetable_model_test, size_must_be_positive_and_within_bounds) {
  EXPECT_FALSE(Timetable::WithSize(0, 7).has_value());
  EXPECT_FALSE(Timetable::WithSize(11, 0).has_value());
  EXPECT_FALSE(Timetable::WithSize(-1, 7).has_value());
  EXPECT_FALSE(Timetable::WithSize(kMaxRows + 1, 7).has_value());
  EXPECT_FALSE(Timetable::WithSize(11, kMaxCols + 1).has_value());
  EXPECT_FALSE(Timetable::WithSize(40000, 40000).has_value());
  const auto smallest = Timetable::WithSize(1, 1);
  ASSERT_TRUE(smallest.has_value());
  EXPECT_EQ(smallest->rows(), 1);
  const auto largest = Timetable::WithSize(kMaxRows, kMaxCols);
  ASSERT_TRUE(largest.has_value());
  EXPECT_EQ(largest->rows(), kMaxRows);
  EXPECT_EQ(largest->cols(), kMaxCols);
}

TEST(timetable_model_test, cells_are_addressed_by_row_then_column) {
  auto table = Timetable::WithSize(3, 4);
  ASSERT_TRUE(table.has_value());
  EXPECT_TRUE(table->SetCell(1, 2, "数学"));
  EXPECT_TRUE(table->SetCell(2, 3, "last"));
  EXPECT_EQ(table->cell(1, 2), "数学");
  EXPECT_EQ(table->cell(2, 1), "");
  EXPECT_EQ(table->cell(2, 3), "last");
}

TEST(timetable_model_test, outside_the_table_nothing_is_read_or_written) {
  auto table = Timetable::WithSize(2, 2);
  ASSERT_TRUE(table.has_value());
  const Timetable before = *table;
  for (const auto& [r, c] :
       {std::pair{-1, 0}, std::pair{0, -1}, std::pair{2, 0}, std::pair{0, 2}}) {
    EXPECT_FALSE(table->SetCell(r, c, "x"));
    EXPECT_EQ(table->cell(r, c), "");
  }
  EXPECT_EQ(*table, before);
}

}  // namespace
}  // namespace orvel
