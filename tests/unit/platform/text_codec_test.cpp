#include "platform/text_codec.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

// 数学 and 课程表 in GBK, as Windows code page 936 writes them.
constexpr char kMathGbk[] = "\xCA\xFD\xD1\xA7";
constexpr char kTimetableGbk[] = "\xBF\xCE\xB3\xCC\xB1\xED";

TEST(text_codec_test, chinese_round_trips_through_gbk) {
  EXPECT_EQ(Utf8ToAnsi("数学"), kMathGbk);
  EXPECT_EQ(AnsiToUtf8(kMathGbk), "数学");
  EXPECT_EQ(AnsiToUtf8(std::string("8:00-8:45,") + kTimetableGbk), "8:00-8:45,课程表");
  EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi("上海2009~2010学年度校历")), "上海2009~2010学年度校历");
}

TEST(text_codec_test, ascii_and_empty_pass_unchanged) {
  EXPECT_EQ(AnsiToUtf8(""), "");
  EXPECT_EQ(Utf8ToAnsi(""), "");
  EXPECT_EQ(AnsiToUtf8("11,7\r\n"), "11,7\r\n");
}

TEST(text_codec_test, bad_input_never_fails) {
  // A lone lead byte at the end and a byte GBK does not define.
  const std::string decoded = AnsiToUtf8("a\xCA");
  EXPECT_EQ(decoded.substr(0, 1), "a");
  EXPECT_GT(decoded.size(), 1u);
  EXPECT_FALSE(AnsiToUtf8("\xFF\xFF").empty());
  // A character GBK cannot hold, and broken UTF-8.
  EXPECT_EQ(Utf8ToAnsi("a😀b").front(), 'a');
  EXPECT_EQ(Utf8ToAnsi("a😀b").back(), 'b');
  EXPECT_EQ(Utf8ToAnsi("x\xC3").front(), 'x');
}

TEST(text_codec_test, exact_conversion_refuses_what_the_code_page_cannot_hold) {
  EXPECT_EQ(Utf8ToAnsiExact("数学"), kMathGbk);
  EXPECT_EQ(Utf8ToAnsiExact("8:00-8:45"), "8:00-8:45");
  EXPECT_EQ(Utf8ToAnsiExact("，“”"), "\xA3\xAC\xA1\xB0\xA1\xB1");
  // An emoji, a rare character outside GBK, broken UTF-8 and a lone surrogate.
  for (const char* text : {"a😀b", "𠀀", "x\xC3", "\xED\xA0\x80"})
    EXPECT_EQ(Utf8ToAnsiExact(text), std::nullopt) << text;
}

}  // namespace
}  // namespace orvel
