#include "timetable/settings.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "test_files.h"
#include "timetable/number_text.h"

namespace orvel {
namespace {

const std::string kSongGbk = "\xCB\xCE\xCC\xE5";  // "宋体"

// The window at 1200, 600 showing Schedule.csv, line 3 all 0, 宋体 9 point without effect,
// highlighting on, no idle shutdown with 0.5 hours, popup reminders, area 0.
SettingsRecord Example() {
  SettingsRecord s;
  s.Left = 1200;
  s.Top = 600;
  s.CustomColours = {16777215, 0, 255, 65280, 16711680, 12632256, 8421504, 1};
  s.CmbFontName = "宋体";
  s.CmbFontSize = "9";
  s.CmbFun = "0";
  s.ChkTimerSchedule = true;
  s.Chknodo = false;
  s.Comduration = 0.5f;
  s.CmbRemind = RemindMode::Popup;
  s.CmbArea = CalendarArea::AtListIndex(0);
  return s;
}

const std::string kExampleColours = "16777215,0,255,65280,16711680,12632256,8421504,1\r\n";

std::string ExampleGridFile() {
  return "1200,600\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n" + kExampleColours + kSongGbk +
         ",9,0\r\n1,0,0.5,1,0\r\n";
}

std::string ExampleClassicFile() {
  return "1200,600\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n" + kExampleColours + "1,0,0.5,1,0\r\n";
}

SettingsRecord ExampleClassic() {
  SettingsRecord s = Example();
  s.CmbFontName = s.CmbFontSize = s.CmbFun = "";
  return s;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80       ? 1
                               : lead >> 5 == 6  ? 2
                               : lead >> 4 == 14 ? 3
                               : lead >> 3 == 30 ? 4
                                                 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

TEST(settings_test, file_names_per_edition) {
  EXPECT_EQ(SettingsFileName(Edition::Grid), "Orvel2.ini");
  EXPECT_EQ(SettingsFileName(Edition::Classic), "Schedule.ini");
}

TEST(settings_test, grid_edition_writes_six_lines) {
  EXPECT_EQ(FormatSettings(Example(), Edition::Grid), ExampleGridFile());
}

TEST(settings_test, classic_edition_writes_five_lines_without_fonts) {
  EXPECT_EQ(FormatSettings(Example(), Edition::Classic), ExampleClassicFile());
}

TEST(settings_test, each_edition_reads_its_own_file_back) {
  EXPECT_EQ(ParseSettings(ExampleGridFile(), Edition::Grid), Example());
  EXPECT_EQ(ParseSettings(ExampleClassicFile(), Edition::Classic), ExampleClassic());
}

TEST(settings_test, line_breaks_do_not_matter_only_field_order) {
  std::string oneLine;
  for (const char c : ExampleGridFile())
    if (c != '\n') oneLine += c == '\r' ? ',' : c;
  EXPECT_EQ(ParseSettings(oneLine, Edition::Grid), Example());
}

TEST(settings_test, grid_reader_takes_classic_line_six_as_fonts) {
  const SettingsRecord s = ParseSettings(ExampleClassicFile(), Edition::Grid);
  EXPECT_EQ(s.CmbFontName, "1");
  EXPECT_EQ(s.CmbFontSize, "0");
  EXPECT_EQ(s.CmbFun, "0.5");
  EXPECT_FALSE(s.ChkTimerSchedule);
  EXPECT_FALSE(s.Chknodo);
  EXPECT_EQ(s.Comduration, 0.0f);
  EXPECT_EQ(s.CmbRemind, RemindMode::None);
  EXPECT_EQ(s.CmbArea, CalendarArea());
  EXPECT_EQ(s.CustomColours, Example().CustomColours);
}

TEST(settings_test, line_three_values_are_read_in_order) {
  const SettingsRecord s = ParseSettings("0,0\r\nSchedule.csv\r\n1,0,0,0,2,1\r\n", Edition::Grid);
  EXPECT_TRUE(s.ChkLock);
  EXPECT_FALSE(s.ChkFold);
  EXPECT_FALSE(s.ChkFrame);
  EXPECT_FALSE(s.ChkAlpha);
  EXPECT_EQ(s.CmbTopFloor, WindowLayer::AlwaysAtBottom);
  EXPECT_EQ(s.CmbColSet, SchemeChoice::Second);
}

TEST(settings_test, numbers_outside_the_lists_are_written_back_as_read) {
  // Layer, scheme, reminder mode and area as a hand-edited file may hold them; check boxes show
  // only 0 or 1.
  const std::string in = "0,0\r\nSchedule.csv\r\n2,1,0,1,5,-7\r\n" + kExampleColours +
                         "1,0,0.5,9,0.25\r\n";
  const std::string out = "0,0\r\nSchedule.csv\r\n0,1,0,1,5,-7\r\n" + kExampleColours +
                          "1,0,0.5,9,0.25\r\n";
  const SettingsRecord s = ParseSettings(in, Edition::Classic);
  EXPECT_FALSE(s.CmbArea.IsShanghai()) << "only 0 is 上海";
  EXPECT_EQ(s.CmbArea.ListIndex(), 0) << "the list shows the number rounded";
  EXPECT_EQ(FormatSettings(s, Edition::Classic), out);
}

TEST(settings_test, missing_file_gives_every_default) {
  test::TestFolder folder;
  const SettingsRecord s = ReadSettings(folder.path(), Edition::Grid);
  EXPECT_EQ(s, SettingsRecord{});
  EXPECT_EQ(s.ScdFileName, "Schedule.csv");
  EXPECT_EQ(s.Left, 0.0);
  EXPECT_EQ(s.CustomColours, (std::array<std::int32_t, 8>{}));
  EXPECT_EQ(ReadSettings(folder.path() / "missing", Edition::Classic), SettingsRecord{});
}

TEST(settings_test, short_file_keeps_defaults_for_what_it_lacks) {
  SettingsRecord expected;
  expected.Left = 100;
  expected.Top = 200;
  EXPECT_EQ(ParseSettings("100,200\r\n", Edition::Grid), expected);
  expected.ScdFileName = "其他.csv";
  EXPECT_EQ(ParseSettings("100,200\r\n\xC6\xE4\xCB\xFB.csv\r\n", Edition::Grid), expected);
  // A group cut short is not read at all.
  EXPECT_EQ(ParseSettings("100,200\r\n\xC6\xE4\xCB\xFB.csv\r\n1,1,1,1,1", Edition::Grid), expected);
  EXPECT_EQ(ParseSettings("100", Edition::Grid), SettingsRecord{});
}

TEST(settings_test, a_field_that_fails_keeps_its_default_and_the_rest_still_read) {
  const std::string bytes =
      "a,b\r\nx.csv\r\nyes,1,2.5,3.5,-1,abc\r\n1,abc,3,1e20,5,6,7,8\r\nArial,12,1\r\n"
      "1,maybe,abc,70000,1\r\n";
  const SettingsRecord s = ParseSettings(bytes, Edition::Grid);
  EXPECT_EQ(s.Left, 0.0);
  EXPECT_FALSE(s.ChkLock);
  EXPECT_TRUE(s.ChkFold);
  EXPECT_FALSE(s.ChkFrame) << "2.5 is 2: a box shows no 2";
  EXPECT_FALSE(s.ChkAlpha);
  EXPECT_EQ(s.CmbTopFloor, static_cast<WindowLayer>(-1));
  EXPECT_EQ(s.CmbColSet, SchemeChoice::First);
  EXPECT_EQ(s.CustomColours, (std::array<std::int32_t, 8>{1, 0, 3, 0, 5, 6, 7, 8}));
  EXPECT_EQ(s.CmbFontName, "Arial");
  EXPECT_TRUE(s.ChkTimerSchedule);
  EXPECT_FALSE(s.Chknodo);
  EXPECT_EQ(s.Comduration, 0.0f);
  EXPECT_EQ(s.CmbRemind, RemindMode::None);
  EXPECT_EQ(s.CmbArea, CalendarArea::AtListIndex(1));
}

TEST(settings_test, idle_hours_read_as_single_precision) {
  for (const char* hours : {"0.1", "0.5", "1", "1.5", "2"}) {
    const std::string bytes =
        "0,0\r\na\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n0,0," + std::string(hours) + ",0,0\r\n";
    EXPECT_EQ(ParseSettings(bytes, Edition::Classic).Comduration, ToSingle(hours).value()) << hours;
  }
}

TEST(settings_test, texts_that_would_read_back_differently_stop_the_save) {
  struct Case {
    std::string SettingsRecord::*member;
    SettingsText field;
    std::string text;
    FieldFault fault;
    std::string character;
  };
  const Case cases[] = {
      {&SettingsRecord::ScdFileName, SettingsText::ScdFileName, "高一,二班.csv", FieldFault::Comma,
       ","},
      {&SettingsRecord::CmbFontSize, SettingsText::FontSize, "10,5", FieldFault::Comma, ","},
      {&SettingsRecord::CmbFontName, SettingsText::FontName, "\"宋体", FieldFault::LeadingQuote,
       "\""},
      {&SettingsRecord::CmbFun, SettingsText::TextEffect, " 1", FieldFault::LeadingBlank, " "},
      {&SettingsRecord::CmbFontName, SettingsText::FontName, "宋体😀", FieldFault::NotInCodePage,
       "😀"},
  };
  test::TestFolder folder;
  const auto file = folder.path() / "Orvel2.ini";
  test::WriteBytes(file, "old");
  for (const Case& c : cases) {
    SettingsRecord s = Example();
    s.*c.member = c.text;
    const SettingsSaveResult result = WriteSettings(folder.path(), Edition::Grid, s);
    EXPECT_FALSE(result.saved) << c.text;
    EXPECT_EQ(result.refused, (UnwritableSetting{c.field, {c.fault, c.character}})) << c.text;
    EXPECT_EQ(test::ReadBytes(file), "old") << c.text;
  }
  // The classic edition writes no font line, so its font texts stop nothing.
  SettingsRecord classic = ExampleClassic();
  classic.CmbFontName = "\"x";
  EXPECT_EQ(FormatSettings(classic, Edition::Classic), ExampleClassicFile());
}

TEST(settings_test, texts_are_written_as_they_stand) {
  SettingsRecord s = Example();
  s.ScdFileName = "my file (2) \"a\".csv";
  const std::optional<std::string> bytes = FormatSettings(s, Edition::Grid);
  ASSERT_TRUE(bytes);
  EXPECT_NE(bytes->find("\r\nmy file (2) \"a\".csv\r\n"), std::string::npos);
  EXPECT_EQ(ParseSettings(*bytes, Edition::Grid), s);
}

TEST(settings_test, utf8_file_with_or_without_byte_order_mark_reads_like_the_gbk_one) {
  const std::string utf8 = "1200,600\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n" + kExampleColours +
                           "宋体,9,0\r\n1,0,0.5,1,0\r\n";
  EXPECT_EQ(ParseSettings(utf8, Edition::Grid), Example());
  EXPECT_EQ(ParseSettings("\xEF\xBB\xBF" + utf8, Edition::Grid), Example());
}

TEST(settings_test, bad_input_never_crashes_and_keeps_defaults_it_cannot_read) {
  // A UTF-8 byte-order mark before GBK text spoils only the first field.
  const SettingsRecord bom = ParseSettings("\xEF\xBB\xBF" + ExampleGridFile(), Edition::Grid);
  EXPECT_EQ(bom.Left, 0.0);
  EXPECT_EQ(bom.Top, 600.0);
  EXPECT_EQ(bom.CmbRemind, RemindMode::Popup);
  EXPECT_EQ(ParseSettings("", Edition::Grid), SettingsRecord{});

  std::mt19937 random(3);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    const std::size_t length = random() % 120;
    for (std::size_t i = 0; i < length; ++i)
      bytes += (random() % 3 == 0) ? ",\r\n\""[random() % 4] : static_cast<char>(random() % 256);
    const SettingsRecord s = ParseSettings(bytes, round % 2 ? Edition::Grid : Edition::Classic);
    // Any bytes come out as well-formed UTF-8 text.
    for (const std::string* text : {&s.ScdFileName, &s.CmbFontName, &s.CmbFontSize, &s.CmbFun})
      EXPECT_TRUE(IsUtf8(*text));
  }
}

TEST(settings_test, whatever_is_read_from_unquoted_fields_is_written_back_the_same) {
  const std::string tokens[] = {",",
                                "\r\n",
                                "\n",
                                "\r",
                                " ",
                                "\t",
                                "a",
                                "1",
                                "2",
                                ".",
                                "-",
                                "e",
                                std::string(test::kMathGbk)};
  std::mt19937 random(5);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    const std::size_t length = random() % 80;
    for (std::size_t i = 0; i < length; ++i) bytes += tokens[random() % std::size(tokens)];
    for (const Edition edition : {Edition::Grid, Edition::Classic}) {
      const SettingsRecord s = ParseSettings(bytes, edition);
      const std::optional<std::string> written = FormatSettings(s, edition);
      ASSERT_TRUE(written) << bytes;
      ASSERT_EQ(ParseSettings(*written, edition), s) << bytes;
    }
  }
}

TEST(settings_test, write_then_read_round_trips_and_repeats_identically) {
  test::TestFolder folder;
  for (const Edition edition : {Edition::Grid, Edition::Classic}) {
    const SettingsRecord s = edition == Edition::Grid ? Example() : ExampleClassic();
    ASSERT_TRUE(WriteSettings(folder.path(), edition, s).saved);
    const auto file = folder.path() / SettingsFileName(edition);
    const std::string first = test::ReadBytes(file);
    EXPECT_EQ(ReadSettings(folder.path(), edition), s);
    ASSERT_TRUE(WriteSettings(folder.path(), edition, ReadSettings(folder.path(), edition)).saved);
    EXPECT_EQ(test::ReadBytes(file), first);
  }
}

TEST(settings_test, failed_write_reports_and_keeps_the_old_file) {
  test::TestFolder folder;
  const auto file = folder.path() / "Orvel2.ini";
  test::WriteBytes(file, "old");
  test::MakeReadOnly(file);
  EXPECT_FALSE(WriteSettings(folder.path(), Edition::Grid, Example()).saved);
  EXPECT_EQ(test::ReadBytes(file), "old");
  EXPECT_FALSE(WriteSettings(folder.path() / "missing", Edition::Grid, Example()).saved);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

}  // namespace
}  // namespace orvel
