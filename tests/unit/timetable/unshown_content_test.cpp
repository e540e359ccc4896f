// What a timetable file holds beyond the table its read gives, in each edition, and the files
// saved by Notepad as "Unicode".
#include <gtest/gtest.h>

#include <string>

#include "table_builder.h"
#include "timetable/settings.h"
#include "timetable/timetable_reader.h"

namespace orvel {
namespace {

struct UnshownCase {
  const char* what;
  std::string bytes;
  UnshownContent grid;
  UnshownContent classic;
  bool classicReads = true;
};

TEST(unshown_content_test, each_edition_counts_what_its_read_leaves_out) {
  const std::string rows3 = "a,b,c\r\nd,e,f\r\ng,h,i\r\n";
  const UnshownCase cases[] = {
      {"canonical", "3,3\r\n" + rows3, {}, {}},
      {"blank lines and empty rows at the end hold nothing",
       "3,3\r\n" + rows3 + "\r\n,,\r\n , \r\n",
       {},
       {}},
      {"the count line says fewer rows",
       "2,3\r\n" + rows3 + "j,k,l\r\n",
       {2, 0, 0, false},
       {2, 0, 0, false}},
      // The stream moves every later cell; the line reader ignores an empty piece.
      {"one row with an empty field more",
       "3,3\r\na,b,c,\r\nd,e,f\r\ng,h,i\r\n",
       {0, 1, 0, true},
       {}},
      {"one row with a field of text more",
       "3,3\r\na,b,c\r\nd,e,f,x\r\ng,h,i\r\n",
       {0, 1, 0, true},
       {0, 1, 0, false}},
      // A spreadsheet pads every line to the widest, the count line too.
      {"every line padded", "3,3,\r\na,b,c,\r\nd,e,f,\r\ng,h,i,\r\n", {0, 4, 0, true}, {}},
      {"fewer columns announced", "3,2\r\n" + rows3, {0, 3, 0, true}, {0, 3, 0, false}},
      // Cells spread over lines as the stream allows; what follows the last one is left out.
      {"spread with a field left", "2,2\r\na\r\nb,c\r\nd,x\r\n", {0, 1, 0, false}, {}, false},
      {"a byte the code page has no character for",
       "1,2\r\na\x81,b\r\n",
       {0, 0, 1, false},
       {0, 0, 1, false}},
  };
  for (const UnshownCase& c : cases) {
    const TimetableRead grid = ParseTimetableFile(c.bytes, Edition::Grid);
    const TimetableRead classic = ParseTimetableFile(c.bytes, Edition::Classic);
    EXPECT_TRUE(grid.table.has_value()) << c.what;
    EXPECT_EQ(grid.unshown, c.grid) << c.what;
    EXPECT_EQ(classic.table.has_value(), c.classicReads) << c.what;
    EXPECT_EQ(classic.unshown, c.classic) << c.what;
  }
  // The shifted read is kept as it is: the stream's cells, one place on after the extra field.
  EXPECT_EQ(ParseGridTimetable("3,3\r\na,b,c,\r\nd,e,f\r\ng,h,i\r\n"),
            test::MakeTable({{"a", "b", "c"}, {"", "d", "e"}, {"f", "g", "h"}}));
}

// UTF-16 units with a byte-order mark, little or big endian.
std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

TEST(unshown_content_test, notepads_unicode_files_read_as_their_utf8_form) {
  const Timetable table =
      test::MakeTable({{"节次", "时间", "星期一"}, {"1", "8:00-8:45", "数学😀"}});
  for (const bool bigEndian : {false, true}) {
    const std::string file = Utf16(u"2,3\r\n节次,时间,星期一\r\n1,8:00-8:45,数学😀\r\n", bigEndian);
    EXPECT_EQ(ParseGridTimetable(file), table) << bigEndian;
    EXPECT_EQ(ParseClassicTimetable(file), table) << bigEndian;
    const SettingsRecord settings =
        ParseSettings(Utf16(u"1500,1200\r\n课表.csv\r\n1,0,0,0,2,1\r\n", bigEndian), Edition::Grid);
    EXPECT_EQ(settings.ScdFileName, "课表.csv");
    EXPECT_EQ(settings.Left, 1500.0);
    EXPECT_TRUE(settings.ChkLock);
    EXPECT_EQ(settings.CmbColSet, SchemeChoice::Second);
  }
  // A lone surrogate shows as "�", and the cell counts as not shown whole.
  const TimetableRead broken = ParseTimetableFile(
      Utf16(u"1,2\r\na" + std::u16string(1, char16_t{0xD800}) + u",b\r\n", false), Edition::Grid);
  ASSERT_TRUE(broken.table.has_value());
  EXPECT_EQ(broken.table->cell(0, 0), "a\xEF\xBF\xBD");
  EXPECT_EQ(broken.unshown.undecodableCells, 1);
}

}  // namespace
}  // namespace orvel
