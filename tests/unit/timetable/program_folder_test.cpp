#include "timetable/program_folder.h"

#include <gtest/gtest.h>

#include "platform/file_io.h"

namespace orvel {
namespace {

TEST(program_folder_test, drive_root_keeps_its_single_backslash) {
  EXPECT_EQ(ProgramFolderPrefix("C:\\"), "C:\\");
  EXPECT_EQ(ProgramFolderPrefix("C:\\") + "scd\\Schedule.csv", "C:\\scd\\Schedule.csv");
}

TEST(program_folder_test, other_folders_get_a_backslash) {
  EXPECT_EQ(ProgramFolderPrefix("C:\\Orvel"), "C:\\Orvel\\");
  EXPECT_EQ(ProgramFolderPrefix("D:\\课表"), "D:\\课表\\");
  EXPECT_EQ(ProgramFolderPrefix("\\\\server\\share"), "\\\\server\\share\\");
}

TEST(program_folder_test, length_is_counted_in_characters_not_bytes) {
  EXPECT_EQ(ProgramFolderPrefix("课表夹"), "课表夹");
  EXPECT_EQ(ProgramFolderPrefix("D:"), "D:\\");
}

TEST(program_folder_test, timetable_path_lies_in_scd_below_the_folder) {
  const std::filesystem::path folder = std::filesystem::path("base") / "prog";
  EXPECT_EQ(TimetableFilePath(folder, "Schedule.csv"), folder / "scd" / "Schedule.csv");
  EXPECT_EQ(Utf8FromPath(TimetableFilePath(folder, "我的课表.csv")->filename()), "我的课表.csv");
}

TEST(program_folder_test, timetable_path_at_a_root_has_no_doubled_separator) {
#ifdef _WIN32
  EXPECT_EQ(TimetableFilePath("C:\\", "Schedule.csv")->wstring(), L"C:\\scd\\Schedule.csv");
#else
  EXPECT_EQ(TimetableFilePath("/", "Schedule.csv")->string(), "/scd/Schedule.csv");
#endif
}

TEST(program_folder_test, names_that_would_leave_scd_are_refused_on_every_system) {
  for (const char* name : {"", "..\\..\\x.csv", "../x.csv", "..", "a..b.csv", "sub\\x.csv",
                           "sub/x.csv", "C:\\other.csv", "C:other.csv", "\\other.csv",
                           "/etc/other.csv", "x.csv:stream", "a?.csv", "a\tb.csv"}) {
    EXPECT_FALSE(IsTimetableFileName(name)) << name;
    EXPECT_FALSE(TimetableFilePath("prog", name).has_value()) << name;
  }
  for (const char* name : {"Schedule.csv", "我的课表.csv.csv", "高一(2)班 第1周.csv", ".csv"})
    EXPECT_TRUE(IsTimetableFileName(name)) << name;
}

}  // namespace
}  // namespace orvel
