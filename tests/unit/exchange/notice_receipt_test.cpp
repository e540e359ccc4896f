// A notice's read receipt: the line the office reads in a spreadsheet, and where it goes.
#include "exchange/notice_receipt.h"

#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"

namespace orvel::exchange {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

constexpr LocalDateTime At(int hour, int minute) {
  return {year{2026} / month{12} / day{9}, hour * 3600 + minute * 60 + 59};
}

TEST(notice_receipt_test, the_line_holds_the_first_twenty_characters_and_quotes_a_comma) {
  const struct {
    std::string className, text, line;
  } cases[] = {
      {"初二(3)班", "第三节课后全校到操场集合",
       "2026-12-09 07:31,初二(3)班,ROOM101,2026-12-09 07:30,第三节课后全校到操场集合\r\n"},
      {"初二(3)班", "期末考试考场表已发到各班邮箱请班主任今天下午放学前打印张贴",
       "2026-12-09 07:31,初二(3)班,ROOM101,2026-12-09 07:30,"
       "期末考试考场表已发到各班邮箱请班主任今天\r\n"},
      {"3,4班", "集合, 带上\"校牌\"",
       "2026-12-09 07:31,\"3,4班\",ROOM101,2026-12-09 07:30,\"集合, 带上\"\"校牌\"\"\"\r\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReceiptLine({At(7, 31), c.className, "ROOM101", At(7, 30), c.text}), c.line);
}

TEST(notice_receipt_test, a_share_gets_one_file_per_pc_begun_with_a_mark_and_never_over_a_mib) {
  const test::TempFolder share;
  FollowedSource source;
  source.kind = SourceKind::File;
  source.folder = Utf8FromPath(share.path()) + "/课表/";
  EXPECT_EQ(ReceiptFile(source, "ROOM101"),
            share.path() / PathFromUtf8("课表/notices.read/ROOM101.csv"));
  EXPECT_EQ(ReceiptFile(source, ""), std::nullopt);
  source.kind = SourceKind::Web;
  EXPECT_EQ(ReceiptFile(source, "ROOM101"), std::nullopt);

  const std::filesystem::path file = share.path() / "notices.read" / "ROOM101.csv";
  EXPECT_EQ(AppendReceipt(file, "a\r\n"), FileStatus::Ok);
  EXPECT_EQ(AppendReceipt(file, "b\r\n"), FileStatus::Ok);
  EXPECT_EQ(ReadWholeFile(file, 100).bytes,
            "\xEF\xBB\xBF"
            "a\r\nb\r\n");
  // A share the program may not write into, or that is not there: nothing is made.
  EXPECT_NE(AppendReceipt(share.path() / "gone" / "notices.read" / "ROOM101.csv", "a\r\n"),
            FileStatus::Ok);
  EXPECT_FALSE(std::filesystem::exists(share.path() / "gone"));

  std::ofstream(file, std::ios::binary | std::ios::app) << std::string(kMaxReceiptFileBytes, 'x');
  EXPECT_EQ(AppendReceipt(file, "c\r\n"), FileStatus::TooLarge);
  EXPECT_EQ(std::filesystem::file_size(file), kMaxReceiptFileBytes + 9);
}

}  // namespace
}  // namespace orvel::exchange
