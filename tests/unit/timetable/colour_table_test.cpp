#include "timetable/colour_table.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(colour_table_test, built_in_schemes_hold_their_colours_in_number_order) {
  const ColourTable table;
  const ColourScheme scheme1 = {0xFFC0FF, 0xFFFFFF, 0x00FFFF, 0x00FF00,
                                0xC0FFC0, 0xFFFF00, 0xC0FFFF, 0x000000};
  const ColourScheme scheme2 = {0xC0C000, 0xFFFFFF, 0xFF80FF, 0xC0FFC0,
                                0x00FF00, 0xC0E0FF, 0xE0E0E0, 0x000000};
  for (int number = 1; number <= kColoursPerScheme; ++number) {
    EXPECT_EQ(table.Get(SchemeChoice::First, number), scheme1[static_cast<std::size_t>(number - 1)]) << number;
    EXPECT_EQ(table.Get(SchemeChoice::Second, number), scheme2[static_cast<std::size_t>(number - 1)]) << number;
  }
  EXPECT_EQ(table.Get(SchemeChoice::First, kColourTodayColumn), 0x00FFFFu);  // yellow in 0x00BBGGRR
  EXPECT_EQ(table.Get(SchemeChoice::Second, kColourHeader), 0xC0C000u);
}

TEST(colour_table_test, custom_scheme_starts_black_and_only_it_changes) {
  ColourTable table;
  for (int number = 1; number <= kColoursPerScheme; ++number)
    EXPECT_EQ(table.Get(SchemeChoice::Custom, number), 0u);
  const ColourTable before;
  EXPECT_TRUE(table.SetCustom(kColourBreak, 0x123456));
  EXPECT_EQ(table.Get(SchemeChoice::Custom, kColourBreak), 0x123456u);
  EXPECT_EQ(table.Get(SchemeChoice::Custom, kColourText), 0u);
  for (int number = 1; number <= kColoursPerScheme; ++number) {
    EXPECT_EQ(table.Get(SchemeChoice::First, number), before.Get(SchemeChoice::First, number));
    EXPECT_EQ(table.Get(SchemeChoice::Second, number), before.Get(SchemeChoice::Second, number));
  }
}

TEST(colour_table_test, out_of_range_scheme_paints_with_scheme_zero) {
  ColourTable table;
  table.SetCustom(kColourHeader, 0x010203);
  for (const int scheme : {-1, 3, 32767, -32768})
    for (int number = 1; number <= kColoursPerScheme; ++number)
      EXPECT_EQ(table.Get(static_cast<SchemeChoice>(scheme), number),
                table.Get(SchemeChoice::First, number))
          << scheme;
}

TEST(colour_table_test, out_of_range_number_is_black_and_not_stored) {
  ColourTable table;
  EXPECT_EQ(table.Get(SchemeChoice::First, 0), 0u);
  EXPECT_EQ(table.Get(SchemeChoice::First, 9), 0u);
  EXPECT_FALSE(table.SetCustom(0, 0xFFFFFF));
  EXPECT_FALSE(table.SetCustom(9, 0xFFFFFF));
  EXPECT_EQ(table.CustomForSettings(), (std::array<std::int32_t, kColoursPerScheme>{}));
}

TEST(colour_table_test, custom_scheme_passes_through_settings_bit_for_bit) {
  const std::array<std::int32_t, kColoursPerScheme> stored = {16777215, 0, 255,   -1,
                                                              65280,    2, 12345, -2147483647 - 1};
  ColourTable table;
  table.SetCustomFromSettings(stored);
  EXPECT_EQ(table.Get(SchemeChoice::Custom, 1), 0xFFFFFFu);
  EXPECT_EQ(table.Get(SchemeChoice::Custom, 4), 0xFFFFFFFFu);
  EXPECT_EQ(table.CustomForSettings(), stored);
}

}  // namespace
}  // namespace orvel
