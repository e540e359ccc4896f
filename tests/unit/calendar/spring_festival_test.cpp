#include "calendar/spring_festival.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvel {
namespace {

using namespace std::chrono;

year_month_day Festival(int springYear) {
  const auto d = SpringFestival(year{springYear});
  EXPECT_TRUE(d.has_value()) << springYear;
  return d.value_or(year_month_day{});
}

TEST(spring_festival_test, published_dates) {
  EXPECT_EQ(Festival(1986), 1986y / February / 9);
  EXPECT_EQ(Festival(2001), 2001y / January / 24);
  EXPECT_EQ(Festival(2010), 2010y / February / 14);
  EXPECT_EQ(Festival(2020), 2020y / January / 25);
  // A leap eleventh month in 2033 pushes the festival to the third new moon after the solstice.
  EXPECT_EQ(Festival(2034), 2034y / February / 19);
  EXPECT_EQ(Festival(2061), 2061y / January / 21);
  EXPECT_EQ(Festival(2099), 2099y / January / 21);
  EXPECT_EQ(Festival(2101), 2101y / January / 29);
}

TEST(spring_festival_test, earliest_and_latest_dates) {
  std::vector<int> earliest;
  std::vector<int> latest;
  for (int y = kFirstSpringFestivalYear; y <= kLastSpringFestivalYear; ++y) {
    const year_month_day d = Festival(y);
    EXPECT_GE(sys_days{d}, sys_days{year{y} / January / 21}) << y;
    EXPECT_LE(sys_days{d}, sys_days{year{y} / February / 19}) << y;
    if (d.month() == January && d.day() == 21d) earliest.push_back(y);
    if (d.month() == February && d.day() == 19d) latest.push_back(y);
  }
  EXPECT_EQ(earliest, (std::vector<int>{2061, 2099}));
  EXPECT_EQ(latest, (std::vector<int>{1996, 2015, 2034, 2053, 2072}));
}

TEST(spring_festival_test, years_outside_the_table) {
  EXPECT_EQ(kLastSpringFestivalYear - kFirstSpringFestivalYear + 1, 116);
  EXPECT_FALSE(SpringFestival(year{1985}).has_value());
  EXPECT_FALSE(SpringFestival(year{2102}).has_value());
  EXPECT_FALSE(SpringFestival(year{0}).has_value());
  EXPECT_FALSE(SpringFestival(year{-32767}).has_value());
}

}  // namespace
}  // namespace orvel
