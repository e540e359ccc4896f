#include "clock/time_of_day.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvel::clock {
namespace {

TEST(time_of_day_test, reads_hours_minutes_and_seconds) {
  EXPECT_EQ(ParseTimeOfDay("8:00"), 8 * 3600);
  EXPECT_EQ(ParseTimeOfDay("08:05"), 8 * 3600 + 5 * 60);
  EXPECT_EQ(ParseTimeOfDay("14:35"), 14 * 3600 + 35 * 60);
  EXPECT_EQ(ParseTimeOfDay("8:05:30"), 8 * 3600 + 5 * 60 + 30);
  EXPECT_EQ(ParseTimeOfDay("0:00"), 0);
  EXPECT_EQ(ParseTimeOfDay("23:59:59"), kSecondsPerDay - 1);
  EXPECT_EQ(ParseTimeOfDay("12:00"), 12 * 3600);
}

TEST(time_of_day_test, one_digit_fields_and_blanks_around_are_taken) {
  EXPECT_EQ(ParseTimeOfDay("8:5"), 8 * 3600 + 5 * 60);
  EXPECT_EQ(ParseTimeOfDay("8:05:5"), 8 * 3600 + 5 * 60 + 5);
  EXPECT_EQ(ParseTimeOfDay(" 8:00"), 8 * 3600);
  EXPECT_EQ(ParseTimeOfDay("8:45 "), 8 * 3600 + 45 * 60);
  EXPECT_EQ(ParseTimeOfDay("\t 9:40 \t"), 9 * 3600 + 40 * 60);
}

TEST(time_of_day_test, every_valid_minute_reads_back) {
  for (int h = 0; h < 24; ++h)
    for (int m = 0; m < 60; ++m) {
      const std::string two = std::to_string(h) + ":" + (m < 10 ? "0" : "") + std::to_string(m);
      ASSERT_EQ(ParseTimeOfDay(two), h * 3600 + m * 60) << two;
      const std::string withSeconds = two + ":" + std::to_string(m);
      ASSERT_EQ(ParseTimeOfDay(withSeconds), h * 3600 + m * 60 + m) << withSeconds;
    }
}

TEST(time_of_day_test, out_of_range_fields_are_not_times) {
  EXPECT_EQ(ParseTimeOfDay("24:00"), std::nullopt);
  EXPECT_EQ(ParseTimeOfDay("25:00"), std::nullopt);
  EXPECT_EQ(ParseTimeOfDay("8:60"), std::nullopt);
  EXPECT_EQ(ParseTimeOfDay("8:00:60"), std::nullopt);
  EXPECT_EQ(ParseTimeOfDay("008:00"), std::nullopt);
  EXPECT_EQ(ParseTimeOfDay("8:000"), std::nullopt);
  EXPECT_EQ(ParseTimeOfDay("99999999999:00"), std::nullopt);
}

TEST(time_of_day_test, other_texts_are_not_times) {
  for (const char* text :
       {"",       " ",          "8",      "08",    ":30",     "8:",        "8::00",
        "8:00:",  "8:00:00:00", "8 : 00", "8 :00", "8: 00",   "8.00",      "8h00",
        "-1:00",  "+8:00",      "8:-5",   "abc",   "abc-def", "8:00-8:45", "8:00 AM",
        "8:00PM", "上午8:00",   "8:00\n", "\n8:00"}) {
    EXPECT_EQ(ParseTimeOfDay(text), std::nullopt) << '[' << text << ']';
  }
}

TEST(time_of_day_test, full_width_forms_are_not_times) {
  EXPECT_EQ(ParseTimeOfDay("８：００"), std::nullopt);  // full-width digits and colon
  EXPECT_EQ(ParseTimeOfDay("8：00"), std::nullopt);     // full-width colon
  EXPECT_EQ(ParseTimeOfDay("８:００"), std::nullopt);   // full-width digits
  EXPECT_EQ(ParseTimeOfDay("\xE3\x80\x80"
                           "8:00"),
            std::nullopt);  // ideographic space
}

TEST(time_of_day_test, text_need_not_end_with_a_terminator) {
  // A view into a longer text: only the viewed part counts.
  const std::string span = "8:55-9:40";
  EXPECT_EQ(ParseTimeOfDay(std::string_view(span).substr(0, 4)), 8 * 3600 + 55 * 60);
  EXPECT_EQ(ParseTimeOfDay(std::string_view(span).substr(5)), 9 * 3600 + 40 * 60);
}

}  // namespace
}  // namespace orvel::clock
