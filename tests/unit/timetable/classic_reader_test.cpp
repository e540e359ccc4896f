#include <gtest/gtest.h>

#include <random>
#include <string>

#include "table_builder.h"
#include "test_files.h"
#include "timetable/timetable_reader.h"
#include "timetable/timetable_writer.h"

namespace orvel {
namespace {

TEST(classic_reader_test, reads_canonical_lines) {
  const std::string bytes = "2,3\r\n,a," + std::string(test::kMathGbk) + "\r\nb,c,d\r\n";
  EXPECT_EQ(ParseClassicTimetable(bytes), test::MakeTable({{"", "a", "数学"}, {"b", "c", "d"}}));
}

TEST(classic_reader_test, quotes_and_blanks_are_part_of_the_text) {
  EXPECT_EQ(ParseClassicTimetable("1,3\r\n\"a\", b ,\"c\r\n"),
            test::MakeTable({{"\"a\"", " b ", "\"c"}}));
}

TEST(classic_reader_test, extra_pieces_and_lines_are_ignored) {
  EXPECT_EQ(ParseClassicTimetable("1,2,9\r\na,b,c,d\r\nnext line\r\n"),
            test::MakeTable({{"a", "b"}}));
}

TEST(classic_reader_test, accepts_only_one_line_per_row) {
  EXPECT_EQ(ParseClassicTimetable("2,2\r\na,b,c,d\r\n"), std::nullopt);
  EXPECT_EQ(ParseClassicTimetable("2,2,a,b,c,d"), std::nullopt);
  EXPECT_EQ(ParseClassicTimetable("2,2\r\na\r\nb,c\r\nd\r\n"), std::nullopt);
}

TEST(classic_reader_test, too_few_pieces_or_lines_fail) {
  EXPECT_EQ(ParseClassicTimetable("2,3\r\na,b,c\r\nd,e\r\n"), std::nullopt);
  EXPECT_EQ(ParseClassicTimetable("3,2\r\na,b\r\nc,d\r\n"), std::nullopt);
  EXPECT_EQ(ParseClassicTimetable("2,2\r\n"), std::nullopt);
  EXPECT_EQ(ParseClassicTimetable("2\r\na,b\r\nc,d\r\n"), std::nullopt);
  EXPECT_EQ(ParseClassicTimetable(""), std::nullopt);
}

TEST(classic_reader_test, bad_counts_fail) {
  for (const char* counts :
       {"0,2", "2,0", "-1,2", "40000,2", "2,40000", "abc,2", "2,abc", ",2", "257,2"}) {
    const std::string bytes = std::string(counts) + "\r\na,b\r\nc,d\r\n";
    EXPECT_EQ(ParseClassicTimetable(bytes), std::nullopt) << counts;
  }
}

TEST(classic_reader_test, every_line_end_is_accepted) {
  const auto expected = test::MakeTable({{"a", "b"}, {"c", "d"}});
  for (const char* bytes :
       {"2,2\r\na,b\r\nc,d\r\n", "2,2\na,b\nc,d\n", "2,2\ra,b\rc,d\r", "2,2\r\na,b\r\nc,d"})
    EXPECT_EQ(ParseClassicTimetable(bytes), expected) << bytes;
}

TEST(classic_reader_test, empty_lines_are_rows_of_one_empty_cell) {
  EXPECT_EQ(ParseClassicTimetable("2,1\r\n\r\n\r\n"), test::MakeTable({{""}, {""}}));
}

TEST(classic_reader_test, reads_what_either_edition_reads_from_plain_files) {
  const Timetable table = test::MakeTable(
      {{"", "时间", "星期一"}, {"第一节", "8:00-8:45", "数学"}, {"午休", "", "a b \"c"}});
  const std::string bytes = FormatTimetable(table).value();
  EXPECT_EQ(ParseClassicTimetable(bytes), table);
  EXPECT_EQ(ParseGridTimetable(bytes), ParseClassicTimetable(bytes));
}

TEST(classic_reader_test, random_bytes_never_crash) {
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = round % 2 ? "2,2\r\n" : "";
    const std::size_t length = random() % 80;
    for (std::size_t i = 0; i < length; ++i)
      bytes += (random() % 3 == 0) ? ",\r\n"[random() % 3] : static_cast<char>(random() % 256);
    if (const auto table = ParseClassicTimetable(bytes)) {
      EXPECT_LE(table->rows(), kMaxRows);
      EXPECT_LE(table->cols(), kMaxCols);
    }
  }
}

TEST(classic_reader_test, file_is_read_the_classic_way) {
  test::TestFolder folder;
  const auto program = folder.WithScd();
  test::WriteBytes(program / "scd" / "spread.csv", "1,2\r\na\r\nb\r\n");
  EXPECT_EQ(LoadTimetable(program, "spread.csv", Edition::Classic), std::nullopt);
  EXPECT_EQ(LoadTimetable(program, "spread.csv", Edition::Grid), test::MakeTable({{"a", "b"}}));
  EXPECT_EQ(LoadTimetable(program, "missing.csv", Edition::Classic), std::nullopt);
}

}  // namespace
}  // namespace orvel
