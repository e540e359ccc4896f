#include "timetable/timetable_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "table_builder.h"
#include "test_files.h"
#include "timetable/timetable_reader.h"

namespace orvel {
namespace {

std::string Repeat(std::string_view line, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += line;
  return out;
}

TEST(timetable_writer_test, empty_two_column_table_writes_one_comma_per_row) {
  EXPECT_EQ(FormatTimetable(*Timetable::WithSize(3, 2)), "3,2\r\n,\r\n,\r\n,\r\n");
}

TEST(timetable_writer_test, default_table_writes_eleven_lines_of_six_commas) {
  EXPECT_EQ(FormatTimetable(Timetable()), "11,7\r\n" + Repeat(",,,,,,\r\n", 11));
}

TEST(timetable_writer_test, one_column_rows_are_empty_lines) {
  EXPECT_EQ(FormatTimetable(test::MakeTable({{""}, {"x"}})), "2,1\r\n\r\nx\r\n");
}

TEST(timetable_writer_test, cells_are_written_in_gbk_as_they_stand) {
  const auto table = test::MakeTable({{"数学", "a ", "q\""}, {"x\"y", "英语", ""}});
  EXPECT_EQ(FormatTimetable(table), "2,3\r\n" + std::string(test::kMathGbk) + ",a ,q\"\r\nx\"y," +
                                        std::string(test::kEnglishGbk) + ",\r\n");
}

TEST(timetable_writer_test, cells_either_edition_would_read_differently_stop_the_save) {
  struct Case {
    std::string text;
    FieldFault fault;
    std::string character;
  };
  const Case cases[] = {
      {"数学,实验", FieldFault::Comma, ","},         {"x\"y,z", FieldFault::Comma, ","},
      {"多行\r\n文本", FieldFault::LineBreak, "\r"}, {"a\nb", FieldFault::LineBreak, "\n"},
      {"\"abc", FieldFault::LeadingQuote, "\""},     {" 数学", FieldFault::LeadingBlank, " "},
      {"\t数学", FieldFault::LeadingBlank, "\t"},    {"数学😀", FieldFault::NotInCodePage, "😀"},
      {"音乐𠀀", FieldFault::NotInCodePage, "𠀀"},
  };
  test::TestFolder folder;
  const auto program = folder.WithScd();
  const std::string old = "1,1\r\nold\r\n";
  test::WriteBytes(program / "scd" / "Schedule.csv", old);
  for (const Case& c : cases) {
    const auto table = test::MakeTable({{"节次", "时间", "星期一"}, {"1", "8:00-8:45", c.text}});
    const UnwritableCell expected{1, 2, {c.fault, c.character}};
    EXPECT_EQ(FindUnwritableCell(table), expected) << c.text;
    EXPECT_EQ(FormatTimetable(table), std::nullopt) << c.text;
    for (const Edition edition : {Edition::Grid, Edition::Classic}) {
      const SaveResult result = ScdSave(program, "Schedule.csv", table, edition);
      EXPECT_EQ(result.status, SaveStatus::Failed) << c.text;
      EXPECT_EQ(result.refusedCell, expected) << c.text;
    }
    EXPECT_EQ(test::ReadBytes(program / "scd" / "Schedule.csv"), old) << c.text;
  }
}

TEST(timetable_writer_test, a_table_whose_gbk_bytes_would_be_taken_for_utf8_is_not_written) {
  // 学 is D1 A7 in GBK, which is also a valid two-byte UTF-8 character.
  const auto lone = test::MakeTable({{"1", "8:00-8:45", "学"}});
  EXPECT_EQ(FindUnwritableCell(lone), (UnwritableCell{0, 2, {FieldFault::TakenForUtf8, "学"}}));
  // Any ordinary neighbour makes the file GBK again.
  const auto table = test::MakeTable({{"节次", "时间", "星期一"}, {"1", "8:00-8:45", "学"}});
  EXPECT_EQ(ParseGridTimetable(FormatTimetable(table).value()), table);
}

TEST(timetable_writer_test, save_then_load_gives_the_same_table_in_both_editions) {
  test::TestFolder folder;
  const auto program = folder.WithScd();
  const auto table = test::MakeTable({{"", "时间", "星期一"},
                                      {"第一节", "8:00-8:45", "数学 实验"},
                                      {"2", "说“明”\"", "trailing "}});
  for (const Edition edition : {Edition::Grid, Edition::Classic}) {
    EXPECT_EQ(ScdSave(program, "课表.csv", table, edition).status, SaveStatus::Saved);
    EXPECT_EQ(LoadTimetable(program, "课表.csv", Edition::Grid), table);
    EXPECT_EQ(LoadTimetable(program, "课表.csv", Edition::Classic), table);
  }
}

TEST(timetable_writer_test, save_replaces_the_whole_old_content) {
  test::TestFolder folder;
  const auto program = folder.WithScd();
  test::WriteBytes(program / "scd" / "Schedule.csv", std::string(5000, 'x'));
  const auto table = test::MakeTable({{"a", "b"}});
  EXPECT_EQ(ScdSave(program, "Schedule.csv", table, Edition::Grid).status, SaveStatus::Saved);
  EXPECT_EQ(test::ReadBytes(program / "scd" / "Schedule.csv"), FormatTimetable(table));
}

TEST(timetable_writer_test, read_only_file_is_reported_and_kept) {
  test::TestFolder folder;
  const auto program = folder.WithScd();
  const auto file = program / "scd" / "Schedule.csv";
  test::WriteBytes(file, "1,1\r\nold\r\n");
  test::MakeReadOnly(file);
  const auto table = test::MakeTable({{"new"}});
  EXPECT_EQ(ScdSave(program, "Schedule.csv", table, Edition::Grid).status, SaveStatus::ReadOnly);
  EXPECT_EQ(test::ReadBytes(file), "1,1\r\nold\r\n");
  // Nothing was left open: once writable again the next save succeeds.
  test::MakeWritable(file);
  EXPECT_EQ(ScdSave(program, "Schedule.csv", table, Edition::Grid).status, SaveStatus::Saved);
  EXPECT_EQ(test::ReadBytes(file), FormatTimetable(table));
}

TEST(timetable_writer_test, missing_scd_folder_fails_and_creates_nothing) {
  test::TestFolder folder;
  EXPECT_EQ(ScdSave(folder.path(), "Schedule.csv", Timetable(), Edition::Grid).status,
            SaveStatus::Failed);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "scd"));
}

TEST(timetable_writer_test, unusable_names_fail_and_leave_files_alone) {
  test::TestFolder folder;
  const auto program = folder.WithScd();
  test::WriteBytes(program / "scd" / "Schedule.csv", "keep");
  std::filesystem::create_directory(program / "scd" / "folder.csv");
  EXPECT_EQ(ScdSave(program, "", Timetable(), Edition::Grid).status, SaveStatus::Failed);
  // Windows reports a folder as access denied, elsewhere it is another failure.
  EXPECT_NE(ScdSave(program, "folder.csv", Timetable(), Edition::Grid).status, SaveStatus::Saved);
  EXPECT_TRUE(std::filesystem::is_directory(program / "scd" / "folder.csv"));
  EXPECT_EQ(test::ReadBytes(program / "scd" / "Schedule.csv"), "keep");
}

TEST(timetable_writer_test, saving_leaves_no_temporary_files) {
  test::TestFolder folder;
  const auto program = folder.WithScd();
  EXPECT_EQ(ScdSave(program, "a.csv", Timetable(), Edition::Grid).status, SaveStatus::Saved);
  EXPECT_EQ(ScdSave(program, "a.csv", Timetable(), Edition::Grid).status, SaveStatus::Saved);
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(program / "scd"))
    ++files;
  EXPECT_EQ(files, 1u);
}

}  // namespace
}  // namespace orvel
