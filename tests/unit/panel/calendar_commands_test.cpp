#include "panel/calendar_commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "calendar/calendar_text.h"
#include "panel/year_list.h"
#include "platform/file_io.h"
#include "platform/headless/headless_platform.h"
#include "platform/text_codec.h"
#include "temp_folder.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;
using namespace panel;

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class calendar_commands_test : public ::testing::Test {
 protected:
  calendar_commands_test()
      : program_(temp_.path() / PathFromUtf8("课程表")),
        platform_(program_),
        panel_(platform_, "FrmControl", ui::FormStyle::FixedDialog) {
    fs::create_directory(program_);
    area_.SetListIndex(0);
    FillYears(years_, 2009);
  }

  fs::path File(const std::string& label) const {
    return program_ / "csv" / PathFromUtf8(label + "学年度校历.csv");
  }
  void Make() { CmdXiaoliMake_Click(platform_, panel_, program_, area_, years_); }
  const auto& Messages() { return platform_.dialogs().Messages(); }
  std::string FolderText() const { return Utf8FromPath(program_); }

  test::TempFolder temp_;
  fs::path program_;
  headless::HeadlessPlatform platform_;
  ui::Form panel_;
  ui::ComboBox area_{&panel_, "CmbArea", false, {"上海", "其他"}};
  ui::ComboBox years_{&panel_, "CmbYears", false};
  ui::Button look_{&panel_, "CmdXiaoliLook", "查看"};
};

TEST_F(calendar_commands_test, made_calendar_is_reported_and_opened_on_yes) {
  platform_.dialogs().QueueMessageAnswer(ui::MessageAnswer::Yes);
  Make();
  const fs::path file = File("上海2009~2010");
  ASSERT_TRUE(fs::is_regular_file(file));
  EXPECT_EQ(ReadBytes(file), Utf8ToAnsi(*CalendarText("上海2009~2010", 2009)));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "上海2009~2010学年度校历已成功制作并导出到程序所在文件夹" +
                                    FolderText() + "下，是否现在打开查看？");
  EXPECT_EQ(Messages()[0].title, "校历导出成功");
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::Information);
  EXPECT_EQ(Messages()[0].buttons, ui::MessageButtons::YesNo);
  ASSERT_EQ(platform_.shell().Requests().size(), 1u);
  EXPECT_EQ(platform_.shell().Requests()[0].target, Utf8FromPath(file));
  EXPECT_EQ(platform_.shell().Requests()[0].show, ui::ShowState::Normal);
  EXPECT_EQ(platform_.shell().Requests()[0].owner, nullptr);
}

TEST_F(calendar_commands_test, no_opens_nothing_and_leaves_the_view_button_alone) {
  look_.SetEnabled(false);
  platform_.dialogs().QueueMessageAnswer(ui::MessageAnswer::No);
  Make();
  EXPECT_TRUE(fs::exists(File("上海2009~2010")));
  EXPECT_TRUE(platform_.shell().Requests().empty());
  EXPECT_FALSE(look_.Enabled());
}

TEST_F(calendar_commands_test, year_choice_enables_view_exactly_when_the_file_exists) {
  years_.onClick = [&] { CmbYears_Click(program_, area_, years_, look_); };
  years_.SetListIndex(years_.ListIndex());
  EXPECT_FALSE(look_.Enabled());
  Make();
  years_.SetListIndex(years_.ListIndex());
  EXPECT_TRUE(look_.Enabled());
  // The other area has no file for that year; neither has the next year.
  area_.SetListIndex(1);
  years_.SetListIndex(years_.ListIndex());
  EXPECT_FALSE(look_.Enabled());
  area_.SetListIndex(0);
  years_.SetListIndex(years_.ListIndex() + 1);
  EXPECT_EQ(years_.Text(), "2010");
  EXPECT_FALSE(look_.Enabled());
  years_.SetListIndex(years_.ListIndex() - 1);
  EXPECT_TRUE(look_.Enabled());
}

TEST_F(calendar_commands_test, view_opens_the_path_of_the_current_texts) {
  area_.SetListIndex(1);
  years_.SetListIndex(years_.ListIndex() + 3);
  CmdXiaoliLook_Click(platform_.shell(), program_, area_, years_);
  ASSERT_EQ(platform_.shell().Requests().size(), 1u);
  EXPECT_EQ(platform_.shell().Requests()[0].target, Utf8FromPath(File("其他2012~2013")));
  EXPECT_EQ(platform_.shell().Requests()[0].show, ui::ShowState::Normal);
  EXPECT_EQ(platform_.shell().Requests()[0].directory, "");
}

TEST_F(calendar_commands_test, a_file_in_use_gets_the_warning_and_keeps_its_content) {
  const fs::path file = File("上海2009~2010");
  fs::create_directory(program_ / "csv");
  { std::ofstream(file, std::ios::binary) << "old"; }
  // A read-only file is refused the same way as one held open by a spreadsheet.
  fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  Make();
  EXPECT_EQ(ReadBytes(file), "old");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "校历未生成，“上海2009~2010学年度校历.csv”文件可能正在被使用！");
  EXPECT_EQ(Messages()[0].title, "校历导出失败");
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::Warning);
  EXPECT_EQ(Messages()[0].buttons, ui::MessageButtons::Ok);
  EXPECT_TRUE(platform_.shell().Requests().empty());
}

TEST_F(calendar_commands_test, any_other_failure_gets_an_error_and_no_file) {
  // A plain file where the "csv" folder should be.
  { std::ofstream(program_ / "csv") << "x"; }
  Make();
  EXPECT_TRUE(fs::is_regular_file(program_ / "csv"));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "校历未生成，无法在程序所在文件夹" + FolderText() +
                                    "下写入“csv\\上海2009~2010学年度校历.csv”文件！");
  EXPECT_EQ(Messages()[0].title, "校历导出失败");
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::Error);
  EXPECT_TRUE(platform_.shell().Requests().empty());
}

TEST(year_list_test, current_year_and_five_either_side_within_1986_to_2100) {
  const auto items2009 = YearItems(2009);
  ASSERT_EQ(items2009.size(), 11u);
  EXPECT_EQ(items2009.front(), "2004");
  EXPECT_EQ(items2009.back(), "2014");
  const auto items1988 = YearItems(1988);
  ASSERT_EQ(items1988.size(), 8u);
  EXPECT_EQ(items1988.front(), "1986");
  EXPECT_EQ(items1988.back(), "1993");
  const auto items2098 = YearItems(2098);
  ASSERT_EQ(items2098.size(), 8u);
  EXPECT_EQ(items2098.front(), "2093");
  EXPECT_EQ(items2098.back(), "2100");
  for (std::size_t i = 1; i < items2098.size(); ++i)
    EXPECT_EQ(std::stoi(items2098[i]), std::stoi(items2098[i - 1]) + 1);
}

TEST(year_list_test, filling_selects_the_current_year_as_a_click_would) {
  headless::HeadlessPlatform platform("program");
  ui::Form form(platform, "FrmControl", ui::FormStyle::FixedDialog);
  ui::ComboBox years(&form, "CmbYears", false, {"stale"});
  int clicks = 0;
  years.onClick = [&] { ++clicks; };
  for (int year : {1988, 2098, 2025}) {
    FillYears(years, year);
    EXPECT_EQ(years.Text(), std::to_string(year));
    EXPECT_EQ(years.Items()[static_cast<std::size_t>(years.ListIndex())], std::to_string(year));
  }
  EXPECT_EQ(years.Items().front(), "2020");
  EXPECT_EQ(clicks, 3);
}

}  // namespace
}  // namespace orvel
