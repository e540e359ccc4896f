#include <gtest/gtest.h>

#include <random>
#include <string>

#include "table_builder.h"
#include "test_files.h"
#include "timetable/timetable_reader.h"

namespace orvel {
namespace {

const std::string kCanonical =
    "3,4\r\n"
    ",时间,星期一,星期二\r\n"
    "1,8:00-8:45,数学,语文\r\n"
    "2,8:55-9:40,英语,\r\n";

// The file above in the ANSI code page.
std::string CanonicalGbk() {
  return "3,4\r\n"
         ",\xCA\xB1\xBC\xE4,\xD0\xC7\xC6\xDA\xD2\xBB,\xD0\xC7\xC6\xDA\xB6\xFE\r\n"
         "1,8:00-8:45," +
         std::string(test::kMathGbk) +
         ",\xD3\xEF\xCE\xC4\r\n"
         "2,8:55-9:40," +
         std::string(test::kEnglishGbk) + ",\r\n";
}

Timetable Expected() {
  return test::MakeTable({{"", "时间", "星期一", "星期二"},
                          {"1", "8:00-8:45", "数学", "语文"},
                          {"2", "8:55-9:40", "英语", ""}});
}

TEST(grid_reader_test, reads_canonical_gbk_file_as_utf8) {
  EXPECT_EQ(ParseGridTimetable(CanonicalGbk()), Expected());
}

TEST(grid_reader_test, fields_may_be_spread_over_any_lines) {
  const auto plain =
      test::MakeTable({{"a", "b", "c", "d"}, {"e", "f", "g", "h"}, {"i", "j", "k", "l"}});
  for (const char* bytes :
       {"3,4\r\na,b,c,d\r\ne,f,g,h\r\ni,j,k,l\r\n", "3,4,a,b,c,d,e,f,g,h,i,j,k,l",
        "3\r\n4\r\na\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\n",
        "3,4\r\na,b\r\nc,d,e\r\nf,g,h,i,j\r\nk\r\nl", "3,4\na,b,c,d\ne,f,g,h\ni,j,k,l\n",
        "3,4\ra,b,c,d\re,f,g,h\ri,j,k,l\r"}) {
    EXPECT_EQ(ParseGridTimetable(bytes), plain) << bytes;
  }
}

TEST(grid_reader_test, fields_after_the_table_are_ignored) {
  EXPECT_EQ(ParseGridTimetable("1,2\r\na,b\r\nc,d\r\nmore lines\r\n"),
            test::MakeTable({{"a", "b"}}));
}

TEST(grid_reader_test, counts_convert_like_whole_numbers) {
  EXPECT_EQ(ParseGridTimetable(" 1 , 2\r\na,b"), test::MakeTable({{"a", "b"}}));
  EXPECT_EQ(ParseGridTimetable("2.5,1.5\r\na,b\r\nc,d"), test::MakeTable({{"a", "b"}, {"c", "d"}}));
}

TEST(grid_reader_test, blanks_before_a_cell_are_skipped_after_it_kept) {
  EXPECT_EQ(ParseGridTimetable("1,3\r\n  a ,\tb, c  \r\n"), test::MakeTable({{"a ", "b", "c  "}}));
}

TEST(grid_reader_test, quoted_cells_keep_commas_and_line_breaks) {
  EXPECT_EQ(ParseGridTimetable("2,2\r\n\"a,b\",c\r\n\"d\r\ne\",f\r\n"),
            test::MakeTable({{"a,b", "c"}, {"d\r\ne", "f"}}));
}

TEST(grid_reader_test, announcing_more_cells_than_present_fails_whole) {
  EXPECT_EQ(ParseGridTimetable("3,2\r\na,b\r\nc,d\r\n"), std::nullopt);
  EXPECT_EQ(ParseGridTimetable("2,2\r\n"), std::nullopt);
  EXPECT_EQ(ParseGridTimetable("2,2"), std::nullopt);
}

TEST(grid_reader_test, bad_counts_fail) {
  for (const char* counts : {"0,7", "11,0", "-1,7", "11,-1", "40000,7", "11,40000", "abc,7",
                             "11,abc", ",7", "11,", "257,7", "11,65", "1e9,7", "\xCA\xFD,7"}) {
    std::string bytes = std::string(counts) + "\r\n";
    for (int i = 0; i < 11 * 7; ++i) bytes += "x,";
    EXPECT_EQ(ParseGridTimetable(bytes), std::nullopt) << counts;
  }
}

TEST(grid_reader_test, largest_allowed_table_reads) {
  std::string bytes = std::to_string(kMaxRows) + "," + std::to_string(kMaxCols) + "\r\n";
  for (int i = 0; i < kMaxRows * kMaxCols; ++i) bytes += "x\r\n";
  const auto table = ParseGridTimetable(bytes);
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(table->cell(kMaxRows - 1, kMaxCols - 1), "x");
}

TEST(grid_reader_test, empty_and_count_only_inputs_fail) {
  for (const char* bytes : {"", "\r\n", ",", "11", "11\r\n", "\r\n\r\n\r\n"})
    EXPECT_EQ(ParseGridTimetable(bytes), std::nullopt) << bytes;
}

TEST(grid_reader_test, truncated_file_fails_until_the_last_cell_begins) {
  const std::string bytes = CanonicalGbk();
  // The last cell is empty: it begins right after the last comma.
  const std::size_t lastCell = bytes.rfind(',') + 1;
  for (std::size_t n = 0; n < lastCell; ++n)
    EXPECT_EQ(ParseGridTimetable(bytes.substr(0, n)), std::nullopt) << n;
  for (std::size_t n = lastCell; n <= bytes.size(); ++n)
    EXPECT_EQ(ParseGridTimetable(bytes.substr(0, n)), Expected()) << n;
}

TEST(grid_reader_test, random_bytes_never_crash_and_stay_in_bounds) {
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = round % 2 ? "2,3\r\n" : "";
    const std::size_t length = random() % 80;
    for (std::size_t i = 0; i < length; ++i) bytes += static_cast<char>(random() % 256);
    if (const auto table = ParseGridTimetable(bytes)) {
      EXPECT_GE(table->rows(), 1);
      EXPECT_LE(table->rows(), kMaxRows);
      EXPECT_GE(table->cols(), 1);
      EXPECT_LE(table->cols(), kMaxCols);
    }
  }
}

TEST(grid_reader_test, file_is_read_from_scd_below_the_program_folder) {
  test::TestFolder folder;
  const auto program = folder.WithScd();
  test::WriteBytes(program / "scd" / "Schedule.csv", CanonicalGbk());
  EXPECT_EQ(LoadTimetable(program, "Schedule.csv", Edition::Grid), Expected());
  EXPECT_EQ(ReadTimetable(program / "scd" / "Schedule.csv", Edition::Grid), Expected());
}

TEST(grid_reader_test, missing_empty_or_oversized_file_fails) {
  test::TestFolder folder;
  const auto program = folder.WithScd();
  EXPECT_EQ(LoadTimetable(program, "Schedule.csv", Edition::Grid), std::nullopt);
  EXPECT_EQ(LoadTimetable(folder.path() / "elsewhere", "Schedule.csv", Edition::Grid),
            std::nullopt);
  EXPECT_EQ(LoadTimetable(program, "", Edition::Grid), std::nullopt);
  test::WriteBytes(program / "scd" / "empty.csv", "");
  EXPECT_EQ(LoadTimetable(program, "empty.csv", Edition::Grid), std::nullopt);
  std::string huge = "1,1\r\nx\r\n";
  huge.resize(kMaxTimetableFileBytes + 1, ' ');
  test::WriteBytes(program / "scd" / "huge.csv", huge);
  EXPECT_EQ(LoadTimetable(program, "huge.csv", Edition::Grid), std::nullopt);
  huge.resize(kMaxTimetableFileBytes);
  test::WriteBytes(program / "scd" / "huge.csv", huge);
  EXPECT_EQ(LoadTimetable(program, "huge.csv", Edition::Grid), test::MakeTable({{"x"}}));
}

TEST(grid_reader_test, a_folder_in_place_of_the_file_fails) {
  test::TestFolder folder;
  const auto program = folder.WithScd();
  std::filesystem::create_directory(program / "scd" / "Schedule.csv");
  EXPECT_EQ(LoadTimetable(program, "Schedule.csv", Edition::Grid), std::nullopt);
}

}  // namespace
}  // namespace orvel
