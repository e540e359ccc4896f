#include "calendar/calendar_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "calendar/calendar_label.h"
#include "calendar/calendar_text.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "temp_folder.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;

class calendar_export_test : public ::testing::Test {
 protected:
  // A program folder with a Chinese name, as a school's copy often has.
  calendar_export_test() : program_(temp_.path() / PathFromUtf8("课程表")) {
    fs::create_directory(program_);
  }

  fs::path File(const std::string& label) const { return CalendarFilePath(program_, label); }

  static std::string Read(const fs::path& path) {
    const FileBytes file = ReadWholeFile(path, 1 << 20);
    EXPECT_EQ(file.status, FileStatus::Ok) << Utf8FromPath(path);
    return file.bytes;
  }

  static void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
  }

  // Names of everything below the program folder, sorted.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(program_)) {
      const std::u8string name = fs::relative(e.path(), program_).generic_u8string();
      names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  test::TempFolder temp_;
  fs::path program_;
};

TEST_F(calendar_export_test, writes_gbk_with_crlf_and_creates_csv_folder) {
  ASSERT_FALSE(fs::exists(program_ / "csv"));
  EXPECT_EQ(ExportCalendar(program_, "上海", "2009"), CalendarExport::Written);

  EXPECT_EQ(Entries(), (std::vector<std::string>{"csv", "csv/上海2009~2010学年度校历.csv"}));
  const std::string bytes = Read(File("上海2009~2010"));
  // 上海2009~2010学年度校历,,,,,,, CR LF 第一学期
  const std::string head =
      "\xC9\xCF\xBA\xA3"
      "2009~2010"
      "\xD1\xA7\xC4\xEA\xB6\xC8\xD0\xA3\xC0\xFA"
      ",,,,,,,\r\n"
      "\xB5\xDA\xD2\xBB\xD1\xA7\xC6\xDA";
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  EXPECT_EQ(AnsiToUtf8(bytes), CalendarText("上海2009~2010", 2009).value());
}

TEST_F(calendar_export_test, other_area_names_the_file) {
  EXPECT_EQ(ExportCalendar(program_, "其他", "2012"), CalendarExport::Written);
  const std::string text = AnsiToUtf8(Read(File("其他2012~2013")));
  EXPECT_EQ(text.rfind("其他2012~2013学年度校历,,,,,,,\r\n第一学期,,,,,,,\r\n", 0), 0u);
  const std::string lastRow = "\r\n18,23,24,25,26,27,28,\r\n";
  ASSERT_GT(text.size(), lastRow.size());
  EXPECT_EQ(text.substr(text.size() - lastRow.size()), lastRow);
}

TEST_F(calendar_export_test, second_generation_overwrites) {
  fs::create_directory(program_ / "csv");
  Write(File("上海2009~2010"), std::string(100000, 'x'));
  EXPECT_EQ(ExportCalendar(program_, "上海", "2009"), CalendarExport::Written);
  const std::string first = Read(File("上海2009~2010"));
  EXPECT_EQ(AnsiToUtf8(first), CalendarText("上海2009~2010", 2009).value());

  EXPECT_EQ(ExportCalendar(program_, "上海", "2009"), CalendarExport::Written);
  EXPECT_EQ(Read(File("上海2009~2010")), first);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"csv", "csv/上海2009~2010学年度校历.csv"}));
}

TEST_F(calendar_export_test, read_only_file_is_reported_in_use_and_kept) {
  fs::create_directory(program_ / "csv");
  const fs::path file = File("上海2009~2010");
  Write(file, "old calendar\r\n");
  fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);

  EXPECT_EQ(ExportCalendar(program_, "上海", "2009"), CalendarExport::FileInUse);
  EXPECT_EQ(Read(file), "old calendar\r\n");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"csv", "csv/上海2009~2010学年度校历.csv"}));
}

TEST_F(calendar_export_test, folder_that_cannot_be_made_fails_without_a_file) {
  Write(program_ / "csv", "not a folder");
  EXPECT_EQ(ExportCalendar(program_, "上海", "2009"), CalendarExport::Failed);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"csv"}));
  EXPECT_TRUE(fs::is_regular_file(program_ / "csv"));
  EXPECT_EQ(Read(program_ / "csv"), "not a folder");
}

TEST_F(calendar_export_test, missing_program_folder_fails_and_creates_nothing) {
  const fs::path missing = program_ / "gone";
  EXPECT_EQ(ExportCalendar(missing, "上海", "2009"), CalendarExport::Failed);
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_TRUE(Entries().empty());
}

TEST_F(calendar_export_test, year_without_term_dates_writes_nothing) {
  for (const char* year : {"1984", "2101", "", "abc", "-2009"}) {
    EXPECT_EQ(ExportCalendar(program_, "上海", year), CalendarExport::Failed) << year;
  }
  EXPECT_TRUE(Entries().empty());
  // The edges of the table are fine.
  EXPECT_EQ(ExportCalendar(program_, "上海", "1985"), CalendarExport::Written);
  EXPECT_EQ(ExportCalendar(program_, "上海", "2100"), CalendarExport::Written);
  EXPECT_TRUE(fs::exists(File("上海1985~1986")));
  EXPECT_TRUE(fs::exists(File("上海2100~2101")));
}

}  // namespace
}  // namespace orvel
