// Windows only: the system's own conversion to the ANSI code page (936 in the test run), which
// writes look-alikes for characters the code page lacks.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/text_codec.h"

namespace orvel {
namespace {

TEST(text_codec_win_test, exact_conversion_takes_no_best_fit_look_alike) {
  ASSERT_EQ(GetACP(), 936u);
  // What the lossy conversion shows for them: a plain 2 and a, not "?".
  EXPECT_EQ(Utf8ToAnsi("x²"), "x2");
  EXPECT_EQ(Utf8ToAnsi("â"), "a");
  for (const char* text : {"x²", "â", "😀", "𠀀"})
    EXPECT_EQ(Utf8ToAnsiExact(text), std::nullopt) << text;
  EXPECT_EQ(Utf8ToAnsiExact("数学，“”"), "\xCA\xFD\xD1\xA7\xA3\xAC\xA1\xB0\xA1\xB1");
}

}  // namespace
}  // namespace orvel
