#include "timetable/field_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "test_files.h"

namespace orvel {
namespace {

std::vector<std::string> AllFields(std::string_view bytes) {
  FieldReader reader(bytes);
  std::vector<std::string> fields;
  while (auto field = reader.Next()) fields.push_back(*field);
  return fields;
}

using Fields = std::vector<std::string>;

TEST(field_reader_test, comma_and_every_line_end_end_a_field_alike) {
  EXPECT_EQ(AllFields("a,b\r\nc\nd\re"), (Fields{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(AllFields("a\r\n\r\nb"), (Fields{"a", "", "b"}));
  EXPECT_EQ(AllFields("a\n\rb"), (Fields{"a", "", "b"}));
}

TEST(field_reader_test, end_of_input_after_line_end_adds_no_field_after_comma_it_does) {
  EXPECT_EQ(AllFields(""), Fields{});
  EXPECT_EQ(AllFields("a\r\n"), Fields{"a"});
  EXPECT_EQ(AllFields("a"), Fields{"a"});
  EXPECT_EQ(AllFields("a,"), (Fields{"a", ""}));
  EXPECT_EQ(AllFields(","), (Fields{"", ""}));
  EXPECT_EQ(AllFields("\r\n"), Fields{""});
  EXPECT_EQ(AllFields("3,1\r\n\r\n\r\n\r\n"), (Fields{"3", "1", "", "", ""}));
}

TEST(field_reader_test, leading_blanks_are_skipped_trailing_blanks_kept) {
  EXPECT_EQ(AllFields("  a  ,\tb\t,   \r\n"), (Fields{"a  ", "b\t", ""}));
}

TEST(field_reader_test, quoted_field_holds_commas_and_line_breaks) {
  EXPECT_EQ(AllFields("\"x,y\r\nz\",w"), (Fields{"x,y\r\nz", "w"}));
  EXPECT_EQ(AllFields("  \"a,b\"\r\nc"), (Fields{"a,b", "c"}));
  EXPECT_EQ(AllFields("\"\",x"), (Fields{"", "x"}));
  EXPECT_EQ(AllFields("\" keep \""), Fields{" keep "});
}

TEST(field_reader_test, text_after_closing_quote_is_dropped_up_to_the_separator) {
  EXPECT_EQ(AllFields("\"a\" junk,b"), (Fields{"a", "b"}));
  EXPECT_EQ(AllFields("\"a\"\"b\"\r\nc"), (Fields{"a", "c"}));
  EXPECT_EQ(AllFields("\"a\"  "), Fields{"a"});
}

TEST(field_reader_test, unclosed_quote_runs_to_end_of_input) {
  EXPECT_EQ(AllFields("x,\"abc,d\r\ne"), (Fields{"x", "abc,d\r\ne"}));
}

TEST(field_reader_test, quote_inside_an_unquoted_field_is_ordinary) {
  EXPECT_EQ(AllFields("a\"b,c\""), (Fields{"a\"b", "c\""}));
}

TEST(field_reader_test, fields_are_converted_from_gbk) {
  const std::string bytes = std::string(test::kMathGbk) + "," + std::string(test::kEnglishGbk);
  EXPECT_EQ(AllFields(bytes), (Fields{"数学", "英语"}));
  FieldReader raw(bytes);
  EXPECT_EQ(raw.NextRaw(), test::kMathGbk);
}

TEST(field_reader_test, gbk_trail_bytes_in_ascii_range_do_not_split) {
  // "丂" is 81 40 and "亊" 81 7E: second bytes inside the ASCII range.
  EXPECT_EQ(AllFields("\x81\x40\x81\x7E,x"), (Fields{"丂亊", "x"}));
}

TEST(field_reader_test, random_bytes_give_fields_that_lie_inside_the_input) {
  std::mt19937 random(20240901);
  const std::string alphabet = ",\r\n\" \tab\x81\xCA\xFD";
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(random() % 64, '\0');
    for (char& b : bytes)
      b = (random() % 4 == 0) ? static_cast<char>(random() % 256)
                              : alphabet[random() % alphabet.size()];
    FieldReader reader(bytes);
    std::size_t count = 0;
    while (const auto field = reader.NextRaw()) {
      ASSERT_GE(field->data(), bytes.data());
      ASSERT_LE(field->data() + field->size(), bytes.data() + bytes.size());
      ASSERT_LE(++count, bytes.size() + 1);
    }
    EXPECT_FALSE(reader.NextRaw().has_value());
  }
}

}  // namespace
}  // namespace orvel
