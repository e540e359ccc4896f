#include "timetable/working_values.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(working_values_test, defaults_give_a_plain_first_start) {
  const WorkingValues v = WorkingValuesFromSettings(SettingsRecord{});
  EXPECT_EQ(v, WorkingValues{});
  EXPECT_EQ(v.left, 0.0);
  EXPECT_EQ(v.top, 0.0);
  EXPECT_EQ(v.layer, 0);
  EXPECT_EQ(v.scheme, 0);
  EXPECT_EQ(v.lock, 0);
  EXPECT_EQ(v.highlight, 0.0);
  EXPECT_EQ(v.remindMode, 0);
  EXPECT_EQ(v.idleShutdown, 0);
  EXPECT_EQ(v.area, 0.0);
  EXPECT_EQ(v.ScdFileName, "Schedule.csv");
}

TEST(working_values_test, number_texts_count_by_their_leading_value) {
  SettingsRecord s;
  s.Left = std::string(" 1200");
  s.Top = std::string("-300.5");
  s.CmbFontSize = std::string("10.5pt");
  s.CmbFun.clear();
  s.ChkTimerSchedule = std::string("1");
  s.CmbArea = std::string("其他");
  const WorkingValues v = WorkingValuesFromSettings(s);
  EXPECT_EQ(v.left, 1200.0);
  EXPECT_EQ(v.top, -300.5);
  EXPECT_EQ(v.fontSize, 10.5);
  EXPECT_EQ(v.textEffect, 0.0);
  EXPECT_EQ(v.highlight, 1.0);
  EXPECT_EQ(v.area, 0.0);
}

TEST(working_values_test, stored_numbers_and_names_are_copied) {
  SettingsRecord s;
  s.ScdFileName = "高一.csv";
  s.ChkLock = 1;
  s.ChkFold = 1;
  s.ChkFrame = 1;
  s.ChkAlpha = 1;
  s.CmbTopFloor = 2;
  s.CmbColSet = 5;  // kept as read; the colour table copes
  s.CmbFontName = "宋体";
  s.Chknodo = 1;
  s.Comduration = 1.5f;
  s.CmbRemind = 2;
  const WorkingValues v = WorkingValuesFromSettings(s);
  EXPECT_EQ(v.ScdFileName, "高一.csv");
  EXPECT_EQ(v.lock, 1);
  EXPECT_EQ(v.fold, 1);
  EXPECT_EQ(v.frame, 1);
  EXPECT_EQ(v.transparency, 1);
  EXPECT_EQ(v.layer, 2);
  EXPECT_EQ(v.scheme, 5);
  EXPECT_EQ(v.fontName, "宋体");
  EXPECT_EQ(v.idleShutdown, 1);
  EXPECT_EQ(v.idleHours, 1.5f);
  EXPECT_EQ(v.remindMode, 2);
}

}  // namespace
}  // namespace orvel
