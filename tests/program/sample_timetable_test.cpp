// The sample timetable shipped in scd\Schedule.csv: GBK with CR LF, and a real school week.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "program_fixture.h"

namespace orvel::test {
namespace {

TEST(sample_timetable_test, shipped_file_opens_as_a_school_week) {
#ifndef ORVEL_SAMPLE_TIMETABLE
  GTEST_SKIP() << "the sample is built only where iconv is found";
#else
  std::ifstream in(std::filesystem::path(ORVEL_SAMPLE_TIMETABLE), std::ios::binary);
  ASSERT_TRUE(in) << ORVEL_SAMPLE_TIMETABLE;
  const std::string bytes(std::istreambuf_iterator<char>(in), {});
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  for (std::size_t i = 1; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      EXPECT_EQ(bytes[i - 1], '\r') << "line end at " << i;
    }
  }
  EXPECT_NE(bytes[0], '\n');
  EXPECT_NE(bytes.find(Utf8ToAnsi("语文")), std::string::npos);
  EXPECT_EQ(bytes.find("\xE8\xAF\xAD"), std::string::npos) << "no UTF-8 left";

  ProgramFolder folder;
  std::filesystem::copy_file(ORVEL_SAMPLE_TIMETABLE, folder.path() / "scd" / "Schedule.csv");
  TestProgram program(folder.path());
  program.Start();
  EXPECT_TRUE(program.platform.dialogs().Messages().empty());
  const Rows cells = program.Cells();
  ASSERT_EQ(cells.size(), 11u);
  EXPECT_EQ(cells[0], (std::vector<std::string>{"节次", "时间", "星期一", "星期二", "星期三",
                                                "星期四", "星期五"}));
  const std::regex span(R"(\d{1,2}:\d\d-\d{1,2}:\d\d)");
  int lunchRows = 0;
  for (std::size_t r = 1; r < cells.size(); ++r) {
    if (cells[r][0] == "午休") {
      ++lunchRows;
      EXPECT_EQ(cells[r][1], "");
      continue;
    }
    EXPECT_TRUE(std::regex_match(cells[r][1], span)) << cells[r][1];
    for (std::size_t c = 2; c < cells[r].size(); ++c) EXPECT_FALSE(cells[r][c].empty());
  }
  EXPECT_EQ(lunchRows, 1);
#endif
}

}  // namespace
}  // namespace orvel::test
