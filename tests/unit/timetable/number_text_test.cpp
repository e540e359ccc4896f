#include "timetable/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

namespace orvel {
namespace {

TEST(number_text_test, int16_accepts_decimal_text_with_blanks_and_sign) {
  EXPECT_EQ(ToInt16("11"), std::optional<std::int16_t>(11));
  EXPECT_EQ(ToInt16(" 7 "), std::optional<std::int16_t>(7));
  EXPECT_EQ(ToInt16("\t+3"), std::optional<std::int16_t>(3));
  EXPECT_EQ(ToInt16("-1"), std::optional<std::int16_t>(-1));
  EXPECT_EQ(ToInt16("007"), std::optional<std::int16_t>(7));
  EXPECT_EQ(ToInt16("1e2"), std::optional<std::int16_t>(100));
}

TEST(number_text_test, int16_rounds_halves_to_even) {
  EXPECT_EQ(ToInt16("2.5"), std::optional<std::int16_t>(2));
  EXPECT_EQ(ToInt16("3.5"), std::optional<std::int16_t>(4));
  EXPECT_EQ(ToInt16("0.5"), std::optional<std::int16_t>(0));
  EXPECT_EQ(ToInt16("-2.5"), std::optional<std::int16_t>(-2));
  EXPECT_EQ(ToInt16("-3.5"), std::optional<std::int16_t>(-4));
  EXPECT_EQ(ToInt16("2.51"), std::optional<std::int16_t>(3));
  EXPECT_EQ(ToInt16("2.49"), std::optional<std::int16_t>(2));
  EXPECT_EQ(ToInt16(".6"), std::optional<std::int16_t>(1));
  EXPECT_EQ(ToInt16("5."), std::optional<std::int16_t>(5));
}

TEST(number_text_test, int16_refuses_values_outside_its_range_after_rounding) {
  EXPECT_EQ(ToInt16("32767"), std::optional<std::int16_t>(32767));
  EXPECT_EQ(ToInt16("-32768"), std::optional<std::int16_t>(-32768));
  EXPECT_EQ(ToInt16("32766.5"), std::optional<std::int16_t>(32766));
  EXPECT_EQ(ToInt16("32767.5"), std::nullopt);
  EXPECT_EQ(ToInt16("32768"), std::nullopt);
  EXPECT_EQ(ToInt16("-32769"), std::nullopt);
  EXPECT_EQ(ToInt16("40000"), std::nullopt);
  EXPECT_EQ(ToInt16("1e400"), std::nullopt);
}

TEST(number_text_test, int16_refuses_texts_that_are_not_wholly_a_number) {
  for (const char* text : {"", " ", "abc", "1a", "1 2", "--1", "+-1", ".", "-", "e5", "1e", "0x10",
                           "inf", "nan", "1,5",
                           "\xEF\xBB\xBF"
                           "11",
                           "\xCA\xFD"}) {
    EXPECT_EQ(ToInt16(text), std::nullopt) << text;
  }
}

TEST(number_text_test, int32_covers_colours_and_its_own_range) {
  EXPECT_EQ(ToInt32("16777215"), std::optional<std::int32_t>(16777215));
  EXPECT_EQ(ToInt32("-1"), std::optional<std::int32_t>(-1));
  EXPECT_EQ(ToInt32("2147483647"), std::optional<std::int32_t>(2147483647));
  EXPECT_EQ(ToInt32("-2147483648"), std::optional<std::int32_t>(-2147483647 - 1));
  EXPECT_EQ(ToInt32("2147483648"), std::nullopt);
  EXPECT_EQ(ToInt32("abc"), std::nullopt);
  EXPECT_EQ(ToInt32(""), std::nullopt);
}

TEST(number_text_test, single_reads_the_nearest_float) {
  EXPECT_EQ(ToSingle("0.5"), std::optional<float>(0.5f));
  EXPECT_EQ(ToSingle(" 1.5 "), std::optional<float>(1.5f));
  EXPECT_EQ(ToSingle("0.1"), std::optional<float>(0.1f));
  EXPECT_EQ(ToSingle("2"), std::optional<float>(2.0f));
  EXPECT_EQ(ToSingle("-1e3"), std::optional<float>(-1000.0f));
  EXPECT_EQ(ToSingle("1e39"), std::nullopt);
  EXPECT_EQ(ToSingle("abc"), std::nullopt);
  EXPECT_EQ(ToSingle("0.5h"), std::nullopt);
  EXPECT_EQ(ToSingle(""), std::nullopt);
}

TEST(number_text_test, leading_value_takes_the_number_a_text_starts_with) {
  EXPECT_EQ(LeadingValue("1200"), 1200.0);
  EXPECT_EQ(LeadingValue("  12abc"), 12.0);
  EXPECT_EQ(LeadingValue("-3.5x"), -3.5);
  EXPECT_EQ(LeadingValue("+9"), 9.0);
  EXPECT_EQ(LeadingValue(".5"), 0.5);
  EXPECT_EQ(LeadingValue("1e3"), 1000.0);
  EXPECT_EQ(LeadingValue("1e"), 1.0);
  EXPECT_EQ(LeadingValue("1e+"), 1.0);
  EXPECT_EQ(LeadingValue("10.5pt"), 10.5);
}

TEST(number_text_test, leading_value_is_zero_without_a_number) {
  for (const char* text : {"", "   ", "abc", "+", "-", ".", "x12", "1e999",
                           "\xEF\xBB\xBF"
                           "1200"})
    EXPECT_EQ(LeadingValue(text), 0.0) << text;
}

TEST(number_text_test, format_single_gives_short_plain_decimals) {
  EXPECT_EQ(FormatSingle(1200.0f), "1200");
  EXPECT_EQ(FormatSingle(600.0f), "600");
  EXPECT_EQ(FormatSingle(-15.0f), "-15");
  EXPECT_EQ(FormatSingle(0.5f), "0.5");
  EXPECT_EQ(FormatSingle(1.0f), "1");
  EXPECT_EQ(FormatSingle(1.5f), "1.5");
  EXPECT_EQ(FormatSingle(0.1f), "0.1");
  EXPECT_EQ(FormatSingle(0.0f), "0");
  EXPECT_EQ(FormatSingle(100000.0f), "100000");
}

TEST(number_text_test, format_single_reads_back_exactly) {
  for (const float value : {0.1f, 0.2f, 1.0f / 3.0f, 123456.78f, 1e20f, 1e-7f, -2.75f,
                            std::numeric_limits<float>::max(), std::numeric_limits<float>::min()}) {
    const std::string text = FormatSingle(value);
    EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
    EXPECT_EQ(ToSingle(text), std::optional<float>(value)) << text;
  }
}

}  // namespace
}  // namespace orvel
