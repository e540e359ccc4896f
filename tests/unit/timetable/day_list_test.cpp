#include "timetable/day_list.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_codec.h"
#include "test_files.h"

namespace orvel {
namespace {

using namespace std::chrono;

TEST(day_list_test, lines_as_school_staff_and_spreadsheets_write_them) {
  struct Case {
    const char* line;
    const char* canonical;  // nullptr: a line that cannot be read
  };
  const Case cases[] = {
      {"2026-10-01,放假,国庆节", "2026-10-01,放假,国庆节"},
      {"2026/10/1,放假", "2026-10-01,放假"},
      {" 2026/10/01 , 放假 ,,,", "2026-10-01,放假"},  // blanks and a spreadsheet's padding
      {"2026-10-10,补班,2", "2026-10-10,补班,星期二"},
      {"2026-10-10,补班,二,单", "2026-10-10,补班,星期二,单"},
      {"2026-10-10,补班,周日,双周", "2026-10-10,补班,星期日,双"},
      {"2026-10-10,补班,星期天", "2026-10-10,补班,星期日"},
      {"2026-11-05,调课,第三节,物理", "2026-11-05,调课,第三节,物理"},
      {"2026-11-05,调课,3", "2026-11-05,调课,3,"},  // no text: the period is free
      {"2026-09-01,开学", "2026-09-01,开学"},
      {"2026-11-02,单周", "2026-11-02,单周"},
      {"2026-11-02,双周", "2026-11-02,双周"},
      {"国家节假日,关", "国家节假日,关"},
      {"2027/6/7, 倒计时 , 高考 ", "2027-06-07,倒计时,高考"},
      {"2026-02-30,放假", nullptr},          // no such date
      {"26-10-01,放假", nullptr},            // a two-digit year
      {"2026-10-01,休息", nullptr},          // no such kind
      {"2026-10-10,补班,星期八", nullptr},
      {"2026-10-10,补班", nullptr},
      {"2026-11-05,调课,,物理", nullptr},     // no period
      {"2026-10-01,放假,国庆节,七天", nullptr},  // a value too many
      {"2026-09-01,开学,第一周", nullptr},
      {"国家节假日", nullptr},
      {"2027-06-07,倒计时", nullptr},            // a countdown needs its name
      {"2027-06-07,倒计时,高考,语文", nullptr},
  };
  for (const Case& c : cases) {
    const std::optional<DayRule> rule = ParseDayRule(c.line);
    if (!c.canonical) {
      EXPECT_FALSE(rule) << c.line;
      continue;
    }
    ASSERT_TRUE(rule) << c.line;
    EXPECT_EQ(DayRuleLine(*rule), c.canonical) << c.line;
    EXPECT_EQ(ParseDayRule(DayRuleLine(*rule)), rule) << c.line;
  }
}

TEST(day_list_test, notes_and_unreadable_lines_are_kept_and_written_back_unchanged) {
  const test::TestFolder folder;
  const auto file = folder.path() / "days.csv";
  // GBK with CR LF as the program writes it: a note, a blank line, a bad line, a rule.
  const std::string gbk = *Utf8ToAnsiExact(
      "# 本学期\r\n\r\n2026-10-0x,放假\r\n2026-10-01,放假,国庆节\r\n");
  test::WriteBytes(file, gbk);
  DayListRead read = ReadDayList(file);
  ASSERT_EQ(read.status, FileStatus::Ok);
  ASSERT_EQ(read.list.lines.size(), 4u);
  EXPECT_EQ(read.list.UnreadableLines(), (std::vector<int>{3}));
  EXPECT_EQ(read.list.lines[3].rule->name, "国庆节");

  // An edit: one rule added; everything else goes back byte for byte.
  DayLine added;
  added.rule = *ParseDayRule("2026-10-10,补班,星期二");
  added.text = DayRuleLine(*added.rule);
  read.list.lines.push_back(added);
  ASSERT_EQ(WriteDayList(file, read.list).status, FileStatus::Ok);
  EXPECT_EQ(test::ReadBytes(file), gbk + *Utf8ToAnsiExact("2026-10-10,补班,星期二\r\n"));

  // The same list saved as UTF-8 by Notepad reads the same.
  test::WriteBytes(file, "\xEF\xBB\xBF# 本学期\n\n2026-10-0x,放假\n2026-10-01,放假,国庆节\n");
  EXPECT_EQ(ReadDayList(file).list.lines, ParseDayList(gbk).lines);
  EXPECT_EQ(ReadDayList(folder.path() / "none.csv").status, FileStatus::NotFound);
}

TEST(day_list_test, a_text_the_file_cannot_carry_is_refused_before_anything_is_written) {
  const test::TestFolder folder;
  const auto file = folder.path() / "days.csv";
  test::WriteBytes(file, "2026-09-01,\xBF\xAA\xD1\xA7\r\n");  // 开学 in GBK
  EXPECT_EQ(RefuseDayRuleText("物理,化学")->fault, FieldFault::Comma);
  EXPECT_EQ(RefuseDayRuleText("²")->fault, FieldFault::NotInCodePage);
  EXPECT_FALSE(RefuseDayRuleText("物理"));

  DayList list = ReadDayList(file).list;
  list.lines.push_back({"2026-11-05,调课,1,x²", std::nullopt, true});
  const DayListWrite written = WriteDayList(file, list);
  ASSERT_TRUE(written.refused);
  EXPECT_EQ(written.refused->line, 2);
  EXPECT_EQ(written.refused->refusal.character, "²");
  EXPECT_EQ(test::ReadBytes(file), "2026-09-01,\xBF\xAA\xD1\xA7\r\n");
}

}  // namespace
}  // namespace orvel
