#include "clock/school_day.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock_fixtures.h"

namespace orvel::clock {
namespace {

using namespace std::chrono;
using test::FakeCells;

const CalendarArea kShanghai = CalendarArea::AtListIndex(0);
const CalendarArea kOther = CalendarArea::AtListIndex(1);

std::string LabelOf(const SchoolDay& day) {
  return day.label ? std::string(day.label->view()) : std::string("<unwritten>");
}

SchoolDay Decide(std::string_view own, year_month_day date, CalendarArea area,
                 std::string_view school = {}) {
  const DayList schoolList = ParseDayList(school);
  return DayRules::FromLists(school.empty() ? nullptr : &schoolList, ParseDayList(own))
      .Decide(date, area);
}

struct DayCase {
  const char* what;
  const char* own;
  year_month_day date;
  CalendarArea area;
  bool lessons;
  int column;
  const char* label;
  WeekParity parity;
};

TEST(school_day_test, real_dates_with_and_without_a_day_list) {
  const WeekParity odd = WeekParity::Odd, even = WeekParity::Even, unknown = WeekParity::Unknown;
  const DayCase cases[] = {
      // The built-in national days.
      {"National Day", "", 2026y / October / 1, kOther, false, 5, "国庆节", unknown},
      {"a weekend day inside the holiday", "", 2026y / October / 3, kOther, false, 7, "国庆节",
       unknown},
      {"built-in make-up Saturday", "", 2026y / October / 10, kOther, true, 7, "补班", unknown},
      {"make-up Saturday with Tuesday's lessons", "2026-10-10,补班,星期二", 2026y / October / 10,
       kOther, true, 3, "补班", unknown},
      {"the half a make-up day names", "2026/10/10,补班,周五,双", 2026y / October / 10, kOther,
       true, 6, "补班", even},
      {"a line of the list wins over the built-in day", "2026-10-01,补班,1", 2026y / October / 1,
       kOther, true, 2, "补班", unknown},
      {"built-in days switched off", "国家节假日,关", 2026y / October / 1, kOther, true, 5, "时间",
       unknown},
      {"a holiday of the list, with its name", "2026-11-05,放假,运动会", 2026y / November / 5,
       kOther, false, 5, "运动会", unknown},
      {"a holiday without a name", "2026-11-05,放假", 2026y / November / 5, kOther, false, 5,
       "放假", unknown},
      // Weeks of the term dates ("上海") and of the list.
      {"term dates: week 1 is odd", "", 2009y / September / 1, kShanghai, true, 3, "1/23(I)", odd},
      {"term dates: week 2 is even", "", 2009y / September / 8, kShanghai, true, 3, "2/23(I)",
       even},
      {"term dates give no week in the vacation", "", 2009y / August / 25, kShanghai, true, 3,
       "暑假", unknown},
      {"before any 开学", "2026-09-01,开学", 2026y / August / 31, kOther, true, 2, "时间", unknown},
      {"the week of 开学", "2026-09-01,开学", 2026y / September / 6, kOther, true, 8, "第1周", odd},
      {"the Monday after 开学", "2026-09-01,开学", 2026y / September / 7, kOther, true, 2, "第2周",
       even},
      {"开学 sets the parity under 上海 too", "2009-09-08,开学", 2009y / September / 8, kShanghai,
       true, 3, "2/23(I)", odd},
      {"a 单周 line mends the rotation", "2026-09-01,开学\n2026-11-02,单周", 2026y / November / 9,
       kOther, true, 2, "第11周", even},
      {"the latest 开学 counts", "2026-02-23,开学\n2026-09-01,开学", 2026y / September / 1, kOther,
       true, 3, "第1周", odd},
  };
  for (const DayCase& c : cases) {
    const SchoolDay day = Decide(c.own, c.date, c.area);
    EXPECT_EQ(day.lessons, c.lessons) << c.what;
    EXPECT_EQ(day.column, c.column) << c.what;
    EXPECT_EQ(LabelOf(day), c.label) << c.what;
    EXPECT_EQ(day.parity, c.parity) << c.what;
  }
  EXPECT_TRUE(Decide("", 2026y / October / 10, kOther).makeUpDayWithoutWeekday);
  EXPECT_FALSE(
      Decide("2026-10-10,补班,星期二", 2026y / October / 10, kOther).makeUpDayWithoutWeekday);
}

TEST(school_day_test, the_pcs_own_list_wins_over_the_schools_for_its_dates) {
  const char* school = "2026-11-05,放假,运动会\n2026-11-06,调课,第一节,物理\n国家节假日,关";
  const char* own = "2026-11-05,调课,第一节,化学";
  const SchoolDay fifth = Decide(own, 2026y / November / 5, kOther, school);
  EXPECT_TRUE(fifth.lessons);
  EXPECT_EQ(fifth.swaps, (std::vector<DaySwap>{{"第一节", "化学"}}));
  EXPECT_EQ(Decide(own, 2026y / November / 6, kOther, school).swaps,
            (std::vector<DaySwap>{{"第一节", "物理"}}));
  // The school's 国家节假日 line holds while the PC has none of its own.
  EXPECT_TRUE(Decide(own, 2026y / October / 1, kOther, school).lessons);
  EXPECT_FALSE(Decide("国家节假日,开", 2026y / October / 1, kOther, school).lessons);

  // The school's term anchors count on a date the PC's list has a line for.
  const SchoolDay term =
      Decide("2026-09-01,调课,1,班会", 2026y / October / 14, kOther, "2026-09-01,开学");
  EXPECT_EQ(term.teachingWeek, 7);
  EXPECT_EQ(term.parity, WeekParity::Odd);
  EXPECT_EQ(
      Decide("2026-11-02,放假", 2026y / November / 9, kOther, "2026-09-01,开学\n2026-11-02,单周")
          .parity,
      WeekParity::Even);
}

TEST(school_day_test, the_nearest_countdown_on_or_after_the_date_with_its_days_left) {
  const char* own = "2027-06-07,倒计时,高考\n2027-01-20,倒计时,期末考试\n2026-12-01,倒计时,月考";
  struct Case {
    year_month_day date;
    const char* name;  // nullptr: none shown
    long long daysLeft;
  };
  const Case cases[] = {
      {2026y / December / 1, "月考", 0},  // the day itself
      {2026y / December / 2, "期末考试", 49},
      {2027y / January / 21, "高考", 137},
      {2027y / June / 8, nullptr, 0},  // all of them past
  };
  for (const Case& c : cases) {
    const SchoolDay day = Decide(own, c.date, kOther);
    if (!c.name) {
      EXPECT_FALSE(day.countdown) << DayDateText(c.date);
      continue;
    }
    ASSERT_TRUE(day.countdown) << DayDateText(c.date);
    EXPECT_EQ(day.countdown->name, c.name) << DayDateText(c.date);
    EXPECT_EQ(day.countdown->daysLeft, c.daysLeft) << DayDateText(c.date);
  }
  // A countdown says nothing of its date's lessons: the school's holiday of that date holds
  // beside the PC's countdown, and the school's countdown beside the PC's holiday.
  const SchoolDay sportsDay =
      Decide("2026-11-05,倒计时,运动会\n2026-11-06,放假", 2026y / November / 5, kOther,
             "2026-11-05,放假,运动会\n2026-11-06,倒计时,高考");
  EXPECT_FALSE(sportsDay.lessons);
  EXPECT_EQ(sportsDay.countdown, (DayCountdown{"运动会", 0}));
  EXPECT_EQ(
      Decide("2026-11-06,放假", 2026y / November / 6, kOther, "2026-11-06,倒计时,高考").countdown,
      (DayCountdown{"高考", 0}));
}

TEST(school_day_test, swapped_lessons_and_odd_even_halves_in_the_days_column) {
  FakeCells cells(4, 7);
  cells.SetText(1, 0, "第一节");
  cells.SetText(2, 0, "第二节");
  cells.SetText(3, 0, "2");  // a label that is also a number
  cells.SetText(1, 3, "数学/物理");
  cells.SetText(2, 3, "语文");
  cells.SetText(3, 3, "/英语");
  SchoolDay day;
  day.column = 3;
  day.swaps = {{"第二节", "体育"}, {"1", "美术/"}, {"2", "音乐"}, {"第九节", "化学"}};

  // Labels first, then numbers; the last swap of a row wins; unknown periods are left out.
  EXPECT_EQ(SwappedCells(cells, day),
            (std::vector<SwappedCell>{{2, 3, "体育"}, {1, 3, "美术/"}, {3, 3, "音乐"}}));
  EXPECT_EQ(DayLesson(cells, day, 2), "体育");
  EXPECT_EQ(DayLesson(cells, day, 1), "美术/");  // parity unknown: the whole text
  day.parity = WeekParity::Odd;
  EXPECT_EQ(DayLesson(cells, day, 1), "美术");
  day.parity = WeekParity::Even;
  EXPECT_EQ(DayLesson(cells, day, 1), "");
  day.swaps.clear();
  EXPECT_EQ(DayLesson(cells, day, 1), "物理");
  EXPECT_EQ(DayLesson(cells, day, 3), "英语");
  day.parity = WeekParity::Odd;
  EXPECT_EQ(DayLesson(cells, day, 3), "");
  EXPECT_EQ(LessonHalf("a/b/c", WeekParity::Odd), "a/b/c");  // not one slash: not two halves
  day.lessons = false;
  EXPECT_TRUE(SwappedCells(cells, day).empty());
}

TEST(school_day_test, one_decision_per_date_and_area) {
  SchoolDays days;
  days.SetRules(DayRules::FromLists(nullptr, ParseDayList("2026-11-05,放假")));
  const SchoolDay* first = &days.On(2026y / November / 5, kOther);
  EXPECT_FALSE(first->lessons);
  EXPECT_EQ(&days.On(2026y / November / 5, kOther), first);
  EXPECT_TRUE(days.On(2026y / November / 6, kOther).lessons);
  // Another area is another decision: the term dates' label instead of "时间".
  EXPECT_NE(LabelOf(days.On(2026y / November / 6, kShanghai)), "时间");
  days.SetRules(DayRules());
  EXPECT_TRUE(days.On(2026y / November / 5, kOther).lessons);
}

}  // namespace
}  // namespace orvel::clock
