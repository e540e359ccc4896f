// School notices: the school's lines read as notices in UTF-8 or GBK, a wrong line is skipped
// with its reason while the others are used, a file that is no notice list is refused whole.
#include "exchange/notice_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_codec.h"

namespace orvel::exchange {
namespace {

using namespace std::chrono;
using LineKind = SkippedNoticeLine::Kind;
using FileKind = NoticeFileProblem::Kind;

const std::string kUrgent = "2026-12-09 07:30,2026-12-09 12:00,紧急,第三节课后全校到操场集合";
const std::string kClasses =
    "2026-12-10 13:00,2026-12-10 17:00,普通,期末考试考场表已发到各班邮箱,初二(3)班;初二(4)班";

TEST(notice_file_test, the_schools_lines_read_as_notices_whatever_the_encoding) {
  const std::string quoted =
      "2026/12/9 7:30, 2026/12/9 12:00 ,普通,\"放学后, 值日生留下\",初二(3)班； PC-07 ,,";
  const NoticeFileRead read = ReadNoticeFile("开始,结束,级别,内容,对象\r\n" + kUrgent + "\r\n" +
                                             kClasses + "\r\n" + quoted);
  ASSERT_TRUE(read.notices.has_value());
  EXPECT_TRUE(read.skipped.empty());
  const std::vector<Notice> expected = {{{2026y / December / 9, 27000},
                                         {2026y / December / 9, 43200},
                                         NoticeLevel::Urgent,
                                         "第三节课后全校到操场集合",
                                         {},
                                         (*read.notices)[0].identity},
                                        {{2026y / December / 10, 46800},
                                         {2026y / December / 10, 61200},
                                         NoticeLevel::Ordinary,
                                         "期末考试考场表已发到各班邮箱",
                                         {"初二(3)班", "初二(4)班"},
                                         (*read.notices)[1].identity},
                                        {{2026y / December / 9, 27000},
                                         {2026y / December / 9, 43200},
                                         NoticeLevel::Ordinary,
                                         "放学后, 值日生留下",
                                         {"初二(3)班", "PC-07"},
                                         (*read.notices)[2].identity}};
  EXPECT_EQ(*read.notices, expected);
  EXPECT_NE(expected[0].identity, expected[2].identity);

  // The same line in GBK is the same notice; a changed line is another one.
  const NoticeFileRead gbk = ReadNoticeFile(Utf8ToAnsiExact(kClasses).value_or(""));
  const NoticeFileRead changed = ReadNoticeFile(kClasses + ";初二(5)班");
  ASSERT_TRUE(gbk.notices && changed.notices);
  EXPECT_EQ(gbk.notices->front(), expected[1]);
  EXPECT_NE(changed.notices->front().identity, expected[1].identity);
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
      {"2026-12-09 07:30,2026-12-09 07:30,紧急,集合", LineKind::EndNotAfterStart},
      {"2026-12-09 07:30,2026-12-09 12:00,重要,集合", LineKind::UnknownLevel},
      {"2026-12-09 07:30,2026-12-09 12:00,紧急,  ,初二(3)班", LineKind::EmptyText},
  };
  std::string file = kUrgent + "\n# 备注\n\n";
  for (const auto& c : cases) file += c.line + "\n";
  const NoticeFileRead read = ReadNoticeFile(file + kClasses);
  ASSERT_TRUE(read.notices.has_value());
  EXPECT_EQ(read.notices->size(), 2u);
  ASSERT_EQ(read.skipped.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(read.skipped[i], (SkippedNoticeLine{static_cast<int>(i) + 4, cases[i].kind}));
}

TEST(notice_file_test, a_file_that_is_no_notice_list_is_refused_whole) {
  const std::string blankLines(999, '\n');
  std::string longest = "2026-12-09 07:30,2026-12-09 12:00,紧急,";  // 37 characters
  for (int i = 0; i < 1963; ++i) longest += "集";
  const struct {
    std::string bytes;
    NoticeFileProblem problem;
  } cases[] = {
      {kUrgent + "\n" + std::string(256 * 1024, ' '), {FileKind::TooLarge, 0}},
      {blankLines + "\n" + kUrgent, {FileKind::TooManyLines, 0}},
      {kUrgent + "\n" + longest + "集", {FileKind::LineTooLong, 2}},
      {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), {FileKind::NotText, 0}},
      // At the limits.
      {blankLines + kUrgent, {}},
      {longest, {}},
  };
  for (const auto& c : cases) {
    const NoticeFileRead read = ReadNoticeFile(c.bytes);
    EXPECT_EQ(read.problem, c.problem) << c.bytes.substr(0, 20);
    EXPECT_EQ(read.notices.has_value(), c.problem.kind == FileKind::None);
  }
}

}  // namespace
}  // namespace orvel::exchange
