#include "calendar/term_dates.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "calendar/spring_festival.h"

namespace orvel {
namespace {

using namespace std::chrono;

year_month_day Term(int autumnYear, std::int16_t code) {
  const auto d = TermDate(static_cast<std::int16_t>(autumnYear), code);
  EXPECT_TRUE(d.has_value()) << autumnYear << " code " << code;
  return d.value_or(year_month_day{});
}

// Independent of the module: walk back from the festival to a Friday, then one more week.
sys_days ProvisionalFirstTermEnd(int autumnYear) {
  sys_days d{SpringFestival(year{autumnYear + 1}).value()};
  while (weekday{d} != Friday) d -= days{1};
  return d - days{7};
}

TEST(term_dates_test, school_year_2009) {
  EXPECT_EQ(weekday{sys_days{2010y / February / 14}}, Sunday);  // the festival
  EXPECT_EQ(Term(2009, 11), 2009y / September / 1);
  EXPECT_EQ(Term(2009, 12), 2010y / February / 5);
  EXPECT_EQ(Term(2009, 21), 2010y / March / 1);
  EXPECT_EQ(Term(2009, 22), 2010y / June / 30);
}

TEST(term_dates_test, weekend_starts_and_ends_move_to_weekdays) {
  // 1 September 2012 is a Saturday, 30 June 2013 a Sunday.
  EXPECT_EQ(Term(2012, 11), 2012y / September / 3);
  EXPECT_EQ(Term(2012, 12), 2013y / February / 1);
  EXPECT_EQ(Term(2012, 21), 2013y / February / 25);
  EXPECT_EQ(Term(2012, 22), 2013y / June / 28);
  // 1 September 2019 is a Sunday, 30 June 2018 a Saturday.
  EXPECT_EQ(Term(2019, 11), 2019y / September / 2);
  EXPECT_EQ(Term(2017, 22), 2018y / June / 29);
}

TEST(term_dates_test, early_january_end_moves_a_week_later) {
  // Festival on Thursday 22 January 2004: the provisional end, Friday 9 January, is too early.
  EXPECT_EQ(Term(2003, 12), 2004y / January / 16);
  EXPECT_EQ(Term(2003, 21), 2004y / February / 9);

  std::vector<int> moved;
  for (int y = kFirstAutumnYear; y <= kLastAutumnYear; ++y) {
    const sys_days provisional = ProvisionalFirstTermEnd(y);
    if (provisional > sys_days{year{y + 1} / January / 10}) continue;
    moved.push_back(y);
    EXPECT_EQ(sys_days{Term(y, 12)}, provisional + days{7}) << y;
  }
  EXPECT_EQ(moved, (std::vector<int>{2003, 2030, 2041, 2098}));
}

TEST(term_dates_test, first_term_capped_at_23_weeks) {
  // Festival on Sunday 19 February 2034: ending on 10 February would make 24 weeks.
  EXPECT_EQ(Term(2033, 12), 2034y / February / 3);
  EXPECT_EQ(Term(2033, 21), 2034y / February / 27);

  std::vector<int> capped;
  for (int y = kFirstAutumnYear; y <= kLastAutumnYear; ++y) {
    const sys_days provisional = ProvisionalFirstTermEnd(y);
    const auto weeks = (provisional - sys_days{Term(y, 11)}).count() / 7 + 1;
    if (weeks <= 23) continue;
    capped.push_back(y);
    EXPECT_EQ(weeks, 24) << y;
    EXPECT_EQ(sys_days{Term(y, 12)}, provisional - days{7}) << y;
  }
  EXPECT_EQ(capped, (std::vector<int>{1995, 2006, 2017, 2033, 2044, 2071, 2090}));
}

TEST(term_dates_test, first_term_ends_a_week_before_the_festival_friday) {
  // Festival on Friday 21 January 2061: still the Friday one week earlier.
  EXPECT_EQ(Term(2060, 12), 2061y / January / 14);
  // Festival on Thursday 22 January 2004 gives the Friday 13 days earlier (before the guard).
  EXPECT_EQ(ProvisionalFirstTermEnd(2003), sys_days{2004y / January / 9});

  for (int y = kFirstAutumnYear; y <= kLastAutumnYear; ++y) {
    const sys_days provisional = ProvisionalFirstTermEnd(y);
    const bool early = provisional <= sys_days{year{y + 1} / January / 10};
    const bool tooLong = (provisional - sys_days{Term(y, 11)}).count() / 7 + 1 > 23;
    if (!early && !tooLong) {
      EXPECT_EQ(sys_days{Term(y, 12)}, provisional) << y;
    }
  }
}

TEST(term_dates_test, properties_of_every_school_year) {
  for (int y = kFirstAutumnYear; y <= kLastAutumnYear; ++y) {
    SCOPED_TRACE(y);
    const sys_days firstStart{Term(y, 11)};
    const sys_days firstEnd{Term(y, 12)};
    const sys_days secondStart{Term(y, 21)};
    const sys_days secondEnd{Term(y, 22)};
    const sys_days festival{SpringFestival(year{y + 1}).value()};

    EXPECT_EQ(weekday{firstEnd}, Friday);
    EXPECT_EQ(weekday{secondStart}, Monday);
    EXPECT_GE(weekday{firstStart}.iso_encoding(), 1u);
    EXPECT_LE(weekday{firstStart}.iso_encoding(), 5u);
    EXPECT_GE(weekday{secondEnd}.iso_encoding(), 1u);
    EXPECT_LE(weekday{secondEnd}.iso_encoding(), 5u);

    EXPECT_GE(firstStart, sys_days{year{y} / September / 1});
    EXPECT_LE(firstStart, sys_days{year{y} / September / 3});
    EXPECT_GE(secondEnd, sys_days{year{y + 1} / June / 28});
    EXPECT_LE(secondEnd, sys_days{year{y + 1} / June / 30});

    EXPECT_LE((firstEnd - firstStart).count() / 7 + 1, 23);
    EXPECT_EQ(secondStart - firstEnd, days{24});
    // The festival always falls in the winter vacation, and the term never ends by 10 January.
    EXPECT_LT(firstEnd, festival);
    EXPECT_GT(secondStart, festival);
    EXPECT_GT(firstEnd, sys_days{year{y + 1} / January / 10});
  }
}

TEST(term_dates_test, no_date_outside_the_table_or_for_other_codes) {
  constexpr std::int16_t kCodes[] = {11, 12, 21, 22};
  constexpr std::int16_t kOtherCodes[] = {0, 1, 10, 13, 20, 23, -11, 111, 32767};
  for (const std::int16_t code : kCodes) {
    EXPECT_TRUE(TermDate(1985, code).has_value()) << code;
    EXPECT_TRUE(TermDate(2100, code).has_value()) << code;
    EXPECT_FALSE(TermDate(1984, code).has_value()) << code;
    EXPECT_FALSE(TermDate(2101, code).has_value()) << code;
    EXPECT_FALSE(TermDate(0, code).has_value()) << code;
    EXPECT_FALSE(TermDate(-32768, code).has_value()) << code;
    EXPECT_FALSE(TermDate(32767, code).has_value()) << code;
  }
  for (const std::int16_t code : kOtherCodes) {
    EXPECT_FALSE(TermDate(2009, code).has_value()) << code;
  }
}

}  // namespace
}  // namespace orvel
