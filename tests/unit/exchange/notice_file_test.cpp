// School notices: the lines a school writes read as notices, in UTF-8 or GBK, a wrong line is
// skipped with its reason while the others are used, and a file that cannot be a notice list is
// refused whole.
#include "exchange/notice_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_codec.h"

namespace orvel::exchange {
namespace {

using namespace std::chrono;
using LineKind = SkippedNoticeLine::Kind;

const std::string kUrgentLine =
    "2026-12-09 07:30,2026-12-09 12:00,紧急,第三节课后全校到操场集合";
const std::string kClassesLine =
    "2026-12-10 13:00,2026-12-10 17:00,普通,期末考试考场表已发到各班邮箱,初二(3)班;初二(4)班";

TEST(notice_file_test, the_schools_lines_read_as_notices) {
  const NoticeFileRead read =
      ReadNoticeFile("开始,结束,级别,内容,对象\r\n" + kUrgentLine + "\r\n" + kClassesLine + "\r\n");
  ASSERT_TRUE(read.notices.has_value());
  EXPECT_TRUE(read.skipped.empty());
  ASSERT_EQ(read.notices->size(), 2u);
  const Notice& urgent = (*read.notices)[0];
  EXPECT_EQ(urgent.start, (LocalDateTime{2026y / December / 9, 7 * 3600 + 30 * 60}));
  EXPECT_EQ(urgent.end, (LocalDateTime{2026y / December / 9, 12 * 3600}));
  EXPECT_EQ(urgent.level, NoticeLevel::Urgent);
  EXPECT_EQ(urgent.text, "第三节课后全校到操场集合");
  EXPECT_TRUE(urgent.audience.empty());
  const Notice& classes = (*read.notices)[1];
  EXPECT_EQ(classes.level, NoticeLevel::Ordinary);
  EXPECT_EQ(classes.audience, (std::vector<std::string>{"初二(3)班", "初二(4)班"}));
  EXPECT_NE(urgent.identity, classes.identity);
}

TEST(notice_file_test, quotes_spreadsheet_dates_and_gbk_read_the_same_notice) {
  // A comma in quotes, the dates a spreadsheet writes, "；" and the padding of its rows.
  const NoticeFileRead read = ReadNoticeFile(
      "2026/12/9 7:30, 2026/12/9 12:00 ,普通,\"下午放学后, 各班留下值日生\",初二(3)班； PC-07 ,,\n");
  ASSERT_TRUE(read.notices.has_value());
  ASSERT_EQ(read.notices->size(), 1u);
  EXPECT_EQ(read.notices->front().text, "下午放学后, 各班留下值日生");
  EXPECT_EQ(read.notices->front().audience, (std::vector<std::string>{"初二(3)班", "PC-07"}));
  EXPECT_EQ(read.notices->front().end, (LocalDateTime{2026y / December / 9, 12 * 3600}));

  // The same line saved as GBK (or as UTF-8 with a mark) is the same notice.
  const std::optional<std::string> gbk = Utf8ToAnsiExact(kClassesLine);
  ASSERT_TRUE(gbk.has_value());
  const NoticeFileRead utf8 = ReadNoticeFile(kClassesLine);
  const NoticeFileRead ansi = ReadNoticeFile(*gbk + "\r\n");
  const NoticeFileRead marked = ReadNoticeFile("\xEF\xBB\xBF" + kClassesLine);
  ASSERT_TRUE(utf8.notices && ansi.notices && marked.notices);
  EXPECT_EQ(*ansi.notices, *utf8.notices);
  EXPECT_EQ(*marked.notices, *utf8.notices);
  // A changed line is another notice.
  const NoticeFileRead changed = ReadNoticeFile(kClassesLine + ";初二(5)班");
  ASSERT_TRUE(changed.notices.has_value());
  EXPECT_NE(changed.notices->front().identity, utf8.notices->front().identity);
}

TEST(notice_file_test, a_wrong_line_is_skipped_and_the_others_are_used) {
  const struct {
    std::string line;
    LineKind kind;
  } cases[] = {
      {"2026-12-09 07:30,2026-12-09 12:00,紧急", LineKind::TooFewFields},
      {"2026-12-09 07:30,2026-12-09 12:00,紧急,集合,初二(3)班,初二(4)班", LineKind::TooManyFields},
      {"2026-02-30 07:30,2026-12-09 12:00,紧急,集合", LineKind::BadStart},
      {"2026-12-09,2026-12-09 12:00,紧急,集合", LineKind::BadStart},
      {"2026-12-09 07:30,2026-12-09 24:00,紧急,集合", LineKind::BadEnd},
      {"2026-12-09 07:30,2026-12-09 12:00:00,紧急,集合", LineKind::BadEnd},
      {"2026-12-09 07:30,2026-12-09 07:30,紧急,集合", LineKind::EndNotAfterStart},
      {"2026-12-09 07:30,2026-12-09 12:00,重要,集合", LineKind::UnknownLevel},
      {"2026-12-09 07:30,2026-12-09 12:00,紧急,  ,初二(3)班", LineKind::EmptyText},
  };
  std::string file = kUrgentLine + "\n# 备注\n\n";
  for (const auto& c : cases) file += c.line + "\n";
  file += kClassesLine + "\n";
  const NoticeFileRead read = ReadNoticeFile(file);
  ASSERT_TRUE(read.notices.has_value());
  ASSERT_EQ(read.skipped.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(read.skipped[i], (SkippedNoticeLine{static_cast<int>(i) + 4, cases[i].kind}))
        << cases[i].line;
  ASSERT_EQ(read.notices->size(), 2u);
  EXPECT_EQ(read.notices->back().text, "期末考试考场表已发到各班邮箱");
}

TEST(notice_file_test, a_file_that_cannot_be_a_notice_list_is_refused_whole) {
  const std::string blankLines(999, '\n');
  const struct {
    std::string bytes;
    NoticeFileProblem problem;
  } cases[] = {
      {kUrgentLine + "\n" + std::string(256 * 1024, ' '), {NoticeFileProblem::Kind::TooLarge, 0}},
      {blankLines + "\n" + kUrgentLine, {NoticeFileProblem::Kind::TooManyLines, 0}},
      {kUrgentLine + "\n" + kClassesLine + std::string(2000, 'x'),
       {NoticeFileProblem::Kind::LineTooLong, 2}},
      {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), {NoticeFileProblem::Kind::NotText, 0}},
  };
  for (const auto& c : cases) {
    const NoticeFileRead read = ReadNoticeFile(c.bytes);
    EXPECT_FALSE(read.notices.has_value()) << c.bytes.substr(0, 20);
    EXPECT_EQ(read.problem, c.problem) << c.bytes.substr(0, 20);
  }
  // At the limits the file is read: a line of 2,000 characters, Chinese ones, and 1,000 lines.
  std::string longest = "2026-12-09 07:30,2026-12-09 12:00,紧急,";
  for (int i = 0; i < 1963; ++i) longest += "集";
  EXPECT_TRUE(ReadNoticeFile(longest).notices.has_value());
  EXPECT_EQ(ReadNoticeFile(longest + "集").problem.kind, NoticeFileProblem::Kind::LineTooLong);
  const NoticeFileRead atLimit = ReadNoticeFile(blankLines + kUrgentLine);
  ASSERT_TRUE(atLimit.notices.has_value());
  EXPECT_EQ(atLimit.notices->size(), 1u);
}

}  // namespace
}  // namespace orvel::exchange
