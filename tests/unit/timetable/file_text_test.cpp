#include "timetable/file_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "table_builder.h"
#include "timetable/timetable_reader.h"

namespace orvel {
namespace {

// A table as a file would hold it, in UTF-8 (the encoding of this source file).
std::string FileOf(const Timetable& table) {
  std::string text = std::to_string(table.rows()) + "," + std::to_string(table.cols()) + "\r\n";
  for (int r = 0; r < table.rows(); ++r) {
    for (int c = 0; c < table.cols(); ++c) text += (c ? "," : "") + table.cell(r, c);
    text += "\r\n";
  }
  return text;
}

TEST(file_text_test, utf8_timetable_with_or_without_byte_order_mark_reads_in_both_editions) {
  const Timetable table = test::MakeTable({{"节次", "时间", "星期一", "星期二"},
                                           {"第一节", "8:00-8:45", "数学", "语文"},
                                           {"第二节", "8:55-9:40", "英语", "“读书”，写字"}});
  for (const std::string& bytes : {FileOf(table), "\xEF\xBB\xBF" + FileOf(table)}) {
    EXPECT_EQ(ParseGridTimetable(bytes), table);
    EXPECT_EQ(ParseClassicTimetable(bytes), table);
  }
  // A byte-order mark before plain ASCII is dropped too.
  EXPECT_EQ(ParseGridTimetable("\xEF\xBB\xBF"
                               "1,2\r\na,b\r\n"),
            test::MakeTable({{"a", "b"}}));
}

TEST(file_text_test, real_gbk_timetables_are_never_taken_for_utf8) {
  const std::vector<std::string> subjects = {
      "语文",     "数学", "英语",       "物理", "化学", "生物",   "历史",
      "地理",     "政治", "道德与法治", "体育", "音乐", "美术",   "信息技术",
      "通用技术", "劳动", "班会",       "自习", "科学", "心理",   "书法",
      "阅读",     "写字", "综合实践",   "早读", "午休", "晚自习", "大课间"};
  std::vector<Timetable> tables = {
      test::MakeTable({{"节次", "时间", "星期一", "星期二", "星期三", "星期四", "星期五"},
                       {"第一节", "8:00-8:45", "语文", "数学", "英语", "物理", "化学"},
                       {"第二节", "8:55-9:40", "数学", "语文", "体育", "英语", "音乐"},
                       {"午休", "", "", "", "", "", ""},
                       {"第三节", "13:30-14:15", "美术", "化学", "语文", "数学", "班会"}})};
  // Even the smallest table with one subject and nothing else in Chinese.
  for (const std::string& subject : subjects)
    tables.push_back(test::MakeTable({{"1", "8:00-8:45", subject}}));
  for (const Timetable& table : tables) {
    const std::string gbk = Utf8ToAnsi(FileOf(table));
    EXPECT_EQ(DecideFileText(gbk).encoding, FileEncoding::Ansi) << table.cell(0, 2);
    EXPECT_EQ(ParseGridTimetable(gbk), table);
    EXPECT_EQ(ParseClassicTimetable(gbk), table);
  }
}

TEST(file_text_test, only_well_formed_utf8_counts) {
  struct Case {
    std::string bytes;
    bool valid;
  };
  const Case cases[] = {
      {"", true},
      {"abc", true},
      {"数学😀", true},
      {"\xC3", false},              // cut off
      {"\xC0\xAF", false},          // overlong "/"
      {"\xE0\x80\xAF", false},      // overlong "/"
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // above U+10FFFF
      {"\xBF", false},              // a lone continuation byte
      {"\xCA\xFD\xD1\xA7", false},  // 数学 in GBK
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
  // ASCII reads the same either way; a mark before GBK text stays in the body, where the
  // first count then fails.
  EXPECT_EQ(DecideFileText("11,7\r\n").encoding, FileEncoding::Ansi);
  const std::string marked = "\xEF\xBB\xBF\xCA\xFD";
  EXPECT_EQ(DecideFileText(marked).encoding, FileEncoding::Ansi);
  EXPECT_EQ(DecideFileText(marked).body, marked);
}

}  // namespace
}  // namespace orvel
