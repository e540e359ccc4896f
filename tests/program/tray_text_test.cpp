// Texts of the tray record are cut to their fixed ANSI fields.
#include <gtest/gtest.h>

#include <string>

#include "desktop/tray_text.h"
#include "platform/text_codec.h"

namespace orvel::desktop {
namespace {

std::string Repeat(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

TEST(tray_text_test, chinese_title_is_cut_to_whole_characters) {
  const std::string title = Repeat("课", 40);  // 80 bytes in GBK
  const std::string field = AnsiField(title, kBalloonTitleBytes);
  EXPECT_EQ(field.size(), 62u);  // 31 characters; the zero takes byte 63
  EXPECT_EQ(AnsiToUtf8(field), Repeat("课", 31));
}

TEST(tray_text_test, short_texts_are_kept_whole) {
  const std::string field = AnsiField("下节课有课：", kBalloonTitleBytes);
  EXPECT_EQ(field.size(), 12u);
  EXPECT_EQ(AnsiToUtf8(field), "下节课有课：");
  EXPECT_EQ(AnsiField("Tessaly2", kTipBytes), "Tessaly2");
  EXPECT_EQ(AnsiField("", kTipBytes), "");
}

TEST(tray_text_test, a_character_never_straddles_the_end_of_the_field) {
  // One ASCII byte first: 1 + 31 × 2 = 63 bytes fit exactly.
  EXPECT_EQ(AnsiToUtf8(AnsiField("a" + Repeat("数", 40), kBalloonTitleBytes)),
            "a" + Repeat("数", 31));
  // Two ASCII bytes: the 31st character would need bytes 63 and 64, so it goes.
  EXPECT_EQ(AnsiToUtf8(AnsiField("ab" + Repeat("数", 40), kBalloonTitleBytes)),
            "ab" + Repeat("数", 30));
}

TEST(tray_text_test, each_field_has_its_own_size) {
  EXPECT_EQ(AnsiField(Repeat("x", 300), kTipBytes).size(), 127u);
  EXPECT_EQ(AnsiField(Repeat("x", 300), kBalloonTextBytes).size(), 255u);
  EXPECT_EQ(AnsiField(Repeat("语", 200), kBalloonTextBytes).size(), 254u);
  EXPECT_EQ(AnsiField(Repeat("语", 200), kTipBytes).size(), 126u);
}

TEST(tray_text_test, raw_cut_counts_gbk_lead_bytes) {
  // "a", a two-byte character, "b": cutting at 2 bytes keeps "a" only.
  const std::string bytes = std::string("a") + "\xD3\xEF" + "b";
  EXPECT_EQ(CutAnsi(bytes, 2), "a");
  EXPECT_EQ(CutAnsi(bytes, 3), std::string("a") + "\xD3\xEF");
  EXPECT_EQ(CutAnsi(bytes, 10), bytes);
  EXPECT_EQ(CutAnsi(bytes, 0), "");
  // A lead byte with nothing after it counts as one byte and never reads past the end.
  EXPECT_EQ(CutAnsi("ab\xD3", 3), "ab\xD3");
  // 0x80 is a single byte in code page 936.
  EXPECT_EQ(CutAnsi("\x80\x80", 1), "\x80");
}

}  // namespace
}  // namespace orvel::desktop
