#include "clock/week_label.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvel::clock {
namespace {

using namespace std::chrono;

// `area` as the settings file stores it.
std::string LabelOn(year_month_day day, std::string_view area = "0") {
  const auto label = ClockLabel(CalendarArea::FromStoredText(area), day);
  return label ? std::string(label->view()) : std::string("<unwritten>");
}

TEST(week_label_test, school_year_2009_weeks_and_vacations) {
  EXPECT_EQ(LabelOn(2009y / September / 1), "1/23(I)");
  EXPECT_EQ(LabelOn(2009y / September / 5), "1/23(I)");  // Saturday: still week 1
  EXPECT_EQ(LabelOn(2009y / September / 6), "2/23(I)");  // Sunday: the week goes up
  EXPECT_EQ(LabelOn(2010y / February / 5), "23/23(I)");  // last day of the first term
  EXPECT_EQ(LabelOn(2010y / February / 6), "寒假");
  EXPECT_EQ(LabelOn(2010y / February / 10), "寒假");
  EXPECT_EQ(LabelOn(2010y / February / 28), "寒假");
  EXPECT_EQ(LabelOn(2010y / March / 1), "1/18(II)");
  EXPECT_EQ(LabelOn(2010y / March / 7), "2/18(II)");  // Sunday after a Monday start
  EXPECT_EQ(LabelOn(2010y / June / 30), "18/18(II)");
  EXPECT_EQ(LabelOn(2010y / July / 1), "暑假");
  EXPECT_EQ(LabelOn(2010y / August / 15), "暑假");
  EXPECT_EQ(LabelOn(2010y / August / 31), "暑假");
  // Autumn year 2010 begins; its first term ends on 21 January 2011, 21 weeks.
  EXPECT_EQ(LabelOn(2010y / September / 1), "1/21(I)");
}

TEST(week_label_test, december_and_january_count_on_in_the_first_term) {
  // 1 September 2009 is a Tuesday (weekday 2): week = (days + 2) / 7 + 1.
  EXPECT_EQ(LabelOn(2009y / December / 31), "18/23(I)");  // 121 days
  EXPECT_EQ(LabelOn(2010y / January / 2), "18/23(I)");    // 123 days, a Saturday
  EXPECT_EQ(LabelOn(2010y / January / 3), "19/23(I)");    // Sunday
}

TEST(week_label_test, days_between_the_second_term_and_july_are_left_alone) {
  // 2013: the second term ends on Friday 28 June.
  EXPECT_EQ(LabelOn(2013y / June / 28), "18/18(II)");
  EXPECT_EQ(LabelOn(2013y / June / 29), "<unwritten>");
  EXPECT_EQ(LabelOn(2013y / June / 30), "<unwritten>");
  EXPECT_EQ(LabelOn(2013y / July / 1), "暑假");
}

TEST(week_label_test, years_without_term_dates_are_left_alone) {
  EXPECT_EQ(LabelOn(1985y / March / 1), "<unwritten>");        // autumn year 1984
  EXPECT_TRUE(LabelOn(1986y / January / 1).ends_with("(I)"));  // autumn year 1985, the first
  EXPECT_EQ(LabelOn(2101y / September / 1), "<unwritten>");
  EXPECT_EQ(LabelOn(year_month_day{2009y, February, day{30}}), "<unwritten>");  // not a date
}

TEST(week_label_test, other_areas_read_time_every_day) {
  for (const year_month_day day : {2009y / September / 1, 2010y / February / 10,
                                   2010y / August / 15, 2013y / June / 29, 2101y / May / 1}) {
    EXPECT_EQ(LabelOn(day, "1"), "时间");
    EXPECT_EQ(LabelOn(day, "0.5"), "时间");
    EXPECT_EQ(LabelOn(day, "-1"), "时间");
  }
}

TEST(week_label_test, week_label_of_any_term) {
  // A term from Monday 2 to Friday 27 March, four weeks.
  const year_month_day start = 2026y / March / 2;
  const year_month_day end = 2026y / March / 27;
  EXPECT_EQ(WeekLabel(2026y / March / 2, start, end, "(X)").view(), "1/4(X)");
  EXPECT_EQ(WeekLabel(2026y / March / 7, start, end, "(X)").view(), "1/4(X)");
  EXPECT_EQ(WeekLabel(2026y / March / 8, start, end, "(X)").view(), "2/4(X)");
  EXPECT_EQ(WeekLabel(2026y / March / 27, start, end, "").view(), "4/4");
  // A start on a Sunday counts 7 for its weekday: the first Sunday is already week 2.
  EXPECT_EQ(WeekLabel(2026y / March / 1, 2026y / March / 1, end, "").view(), "2/4");
}

TEST(week_label_test, monday_first_weekdays) {
  EXPECT_EQ(MondayFirstWeekday(2009y / August / 31), 1);
  EXPECT_EQ(MondayFirstWeekday(2009y / September / 1), 2);
  EXPECT_EQ(MondayFirstWeekday(2009y / September / 5), 6);
  EXPECT_EQ(MondayFirstWeekday(2009y / September / 6), 7);
}

TEST(week_label_test, short_text_keeps_what_fits) {
  ShortText text("寒假");
  EXPECT_EQ(text.view(), "寒假");
  text.AppendNumber(-12);
  EXPECT_EQ(text.view(), "寒假-12");
  const std::string longText(ShortText::kCapacity + 5, 'x');
  EXPECT_EQ(ShortText(longText).view(), longText.substr(0, ShortText::kCapacity));
  ShortText full(longText);
  full.AppendNumber(7);
  EXPECT_EQ(full.view().size(), ShortText::kCapacity);
}

}  // namespace
}  // namespace orvel::clock
