#include "timetable/classroom_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_files.h"

namespace orvel {
namespace {

TEST(classroom_settings_test, what_is_written_reads_back_the_same) {
  const test::TestFolder folder;
  ClassroomSettings placed;
  placed.strip = StripMode::Always;
  placed.stripPlace = StripPlace{-28800, 15};  // on a monitor left of the primary one
  placed.speech = true;
  ClassroomSettings off;
  off.strip = StripMode::Off;
  for (const ClassroomSettings& settings : {ClassroomSettings{}, placed, off}) {
    ASSERT_EQ(WriteClassroomSettings(folder.path(), settings), FileStatus::Ok);
    EXPECT_EQ(ReadClassroomSettings(folder.path()), settings);
  }
  EXPECT_EQ(test::ReadBytes(folder.path() / "classroom.ini"), "strip=off\r\nspeech=off\r\n");
}

TEST(classroom_settings_test, a_file_written_by_hand_keeps_the_default_for_what_it_cannot_say) {
  using namespace std::string_literals;
  struct Case {
    const char* what;
    std::string bytes;
    StripMode strip;
    std::optional<StripPlace> place;
    bool speech;
  };
  const StripMode fullScreen = StripMode::FullScreen;
  const Case cases[] = {
      {"no file content", "", fullScreen, std::nullopt, false},
      {"Notepad's UTF-8 with LF, keys in any case",
       "\xEF\xBB\xBF# 课堂条\nStrip = Always\nSPEECH=on\nstripleft=100\nStripTop=-200\n",
       StripMode::Always, StripPlace{100, -200}, true},
      {"unknown values and keys", "strip=sometimes\nspeech=yes\ncolour=red\n", fullScreen,
       std::nullopt, false},
      {"one coordinate is no place", "stripLeft=100\n", fullScreen, std::nullopt, false},
      {"not whole twips", "stripLeft=1.5\nstripTop=2\n", fullScreen, std::nullopt, false},
      {"beyond any desktop", "stripLeft=100000001\nstripTop=0\n", fullScreen, std::nullopt, false},
      {"a number too large for any type", "stripLeft=99999999999999999999\nstripTop=0\n",
       fullScreen, std::nullopt, false},
      {"bytes of no text, and a line without =", "\xFF\xFE\x00strip\x01=off\nspeech\n"s, fullScreen,
       std::nullopt, false},
      {"the last of a key twice", "speech=on\nspeech=off\n", fullScreen, std::nullopt, false},
  };
  for (const Case& c : cases) {
    const ClassroomSettings read = ParseClassroomSettings(c.bytes);
    EXPECT_EQ(read.strip, c.strip) << c.what;
    EXPECT_EQ(read.stripPlace, c.place) << c.what;
    EXPECT_EQ(read.speech, c.speech) << c.what;
  }
}

TEST(classroom_settings_test, bad_time_values_keep_their_defaults_and_the_rest_applies) {
  const std::vector<TimeServerAddress> defaults = DefaultTimeServers();
  std::string thousand;
  for (int i = 0; i < 1000; ++i) thousand += "ntp" + std::to_string(i) + ".example.edu.cn,";
  struct Case {
    const char* what;
    std::string lines;
    int bellOffset;
    std::vector<TimeServerAddress> servers;
    bool standardTime;
  };
  const Case cases[] = {
      {"bellOffset=abc", "bellOffset=abc\n", 0, defaults, true},
      {"bellOffset=99999", "bellOffset=99999\n", 0, defaults, true},
      {"the bell's bound", "bellOffset=-1800\ntime=off\n", -1800, defaults, false},
      {"an empty list", "timeServers=\ntime=sometimes\n", 0, defaults, true},
      {"a thousand names", "timeServers=" + thousand + "\n", 0, defaults, true},
      {"ports, blanks and case", "timeServers= NTP.school.cn:1234 , 10.0.0.5 \n", 0,
       {{"ntp.school.cn", 1234}, {"10.0.0.5", 123}}, true},
      {"unreadable names dropped",
       "timeServers=bad name,x:0,y:65536,z:+1,-a,\xE6\x97\xB6.cn,ok.cn:65535\n", 0,
       {{"ok.cn", 65535}}, true},
  };
  for (const Case& c : cases) {
    const ClassroomSettings read = ParseClassroomSettings("speech=on\n" + c.lines);
    EXPECT_TRUE(read.speech) << c.what;
    EXPECT_EQ(read.bellOffsetSeconds, c.bellOffset) << c.what;
    EXPECT_EQ(read.timeServers, c.servers) << c.what;
    EXPECT_EQ(read.standardTime, c.standardTime) << c.what;
  }
}

TEST(classroom_settings_test, the_time_keys_are_written_only_when_changed) {
  const test::TestFolder folder;
  ClassroomSettings changed;
  changed.standardTime = false;
  changed.timeServers = {{"ntp.school.cn", 1234}, {"10.0.0.5", 123}};
  changed.bellOffsetSeconds = -90;
  ASSERT_EQ(WriteClassroomSettings(folder.path(), changed), FileStatus::Ok);
  EXPECT_EQ(ReadClassroomSettings(folder.path()), changed);
  EXPECT_EQ(test::ReadBytes(folder.path() / "classroom.ini"),
            "strip=fullscreen\r\nspeech=off\r\ntime=off\r\n"
            "timeServers=ntp.school.cn:1234,10.0.0.5\r\nbellOffset=-90\r\n");
}

TEST(classroom_settings_test, a_file_too_large_or_missing_gives_the_defaults) {
  const test::TestFolder folder;
  EXPECT_EQ(ReadClassroomSettings(folder.path()), ClassroomSettings{});
  std::string large = "speech=on\r\n";
  large.resize(kMaxClassroomFileBytes + 1, '#');
  test::WriteBytes(folder.path() / "classroom.ini", large);
  EXPECT_EQ(ReadClassroomSettings(folder.path()), ClassroomSettings{});
  large.resize(kMaxClassroomFileBytes);
  test::WriteBytes(folder.path() / "classroom.ini", large);
  EXPECT_TRUE(ReadClassroomSettings(folder.path()).speech);
}

}  // namespace
}  // namespace orvel
