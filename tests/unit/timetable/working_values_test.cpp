#include "timetable/working_values.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(working_values_test, defaults_give_a_plain_first_start) {
  const WorkingValues v = WorkingValuesFromSettings(SettingsRecord{});
  EXPECT_EQ(v, WorkingValues{});
  EXPECT_EQ(v.left, 0.0);
  EXPECT_EQ(v.top, 0.0);
  EXPECT_EQ(v.layer, WindowLayer::Normal);
  EXPECT_EQ(v.scheme, SchemeChoice::First);
  EXPECT_FALSE(v.lock);
  EXPECT_FALSE(v.highlight);
  EXPECT_EQ(v.remindMode, RemindMode::None);
  EXPECT_FALSE(v.idleShutdown);
  EXPECT_EQ(v.ScdFileName, "Schedule.csv");
}

TEST(working_values_test, font_texts_count_by_their_leading_value) {
  SettingsRecord s;
  s.CmbFontSize = std::string("10.5pt");
  s.CmbFun.clear();
  const WorkingValues v = WorkingValuesFromSettings(s);
  EXPECT_EQ(v.fontSize, 10.5);
  EXPECT_EQ(v.textEffect, 0.0);
}

TEST(working_values_test, stored_numbers_and_names_are_copied) {
  SettingsRecord s;
  s.Left = 1200;
  s.Top = -300.5;
  s.ScdFileName = "高一.csv";
  s.ChkLock = true;
  s.ChkFold = true;
  s.ChkFrame = true;
  s.ChkAlpha = true;
  s.CmbTopFloor = WindowLayer::AlwaysAtBottom;
  s.CmbColSet = static_cast<SchemeChoice>(5);  // kept as read; the colour table copes
  s.CmbFontName = "宋体";
  s.ChkTimerSchedule = true;
  s.Chknodo = true;
  s.Comduration = 1.5f;
  s.CmbRemind = RemindMode::Balloon;
  const WorkingValues v = WorkingValuesFromSettings(s);
  EXPECT_EQ(v.left, 1200.0);
  EXPECT_EQ(v.top, -300.5);
  EXPECT_EQ(v.ScdFileName, "高一.csv");
  EXPECT_TRUE(v.lock);
  EXPECT_TRUE(v.fold);
  EXPECT_TRUE(v.frame);
  EXPECT_TRUE(v.transparency);
  EXPECT_EQ(v.layer, WindowLayer::AlwaysAtBottom);
  EXPECT_EQ(v.scheme, static_cast<SchemeChoice>(5));
  EXPECT_EQ(v.fontName, "宋体");
  EXPECT_TRUE(v.highlight);
  EXPECT_TRUE(v.idleShutdown);
  EXPECT_EQ(v.idleHours, 1.5f);
  EXPECT_EQ(v.remindMode, RemindMode::Balloon);
}

}  // namespace
}  // namespace orvel
