#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/about_links.h"
#include "panel/about_text.h"
#include "platform/headless/headless_platform.h"
#include "platform/ui/controls.h"

namespace orvel {
namespace {

using namespace panel;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\r')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  return lines;
}

TEST(about_text_test, lines_are_joined_by_carriage_return_alone) {
  const std::string text = AboutText(ProgramVersion{2, 0, 7}, "2025/9/1 10:30:00");
  EXPECT_EQ(text.find('\n'), std::string::npos);
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "Schedule");
  EXPECT_EQ(lines[1], "Tessaly2.0.7");
  EXPECT_EQ(lines[2], "Build2025/9/1 ");
  EXPECT_EQ(lines[3], "");
  for (std::size_t i = 4; i < 9; ++i) EXPECT_FALSE(lines[i].empty()) << i;
  // No address the project does not have.
  EXPECT_EQ(text.find("http"), std::string::npos);
  EXPECT_EQ(text.find('@'), std::string::npos);
}

TEST(about_text_test, build_line_keeps_the_text_up_to_its_first_blank) {
  EXPECT_EQ(BuildLine("2009-12-31 23:59"), "Build2009-12-31 ");
  EXPECT_EQ(BuildLine("2009/1/5 0:00:01 PM"), "Build2009/1/5 ");
  // A midnight stamp has no time part, so nothing is kept.
  EXPECT_EQ(BuildLine("2009/1/5"), "Build");
  EXPECT_EQ(BuildLine(""), "Build");
  EXPECT_EQ(Lines(AboutText(ProgramVersion{1, 3, 3}, "2009/1/5"))[2], "Build");
}

TEST(about_text_test, edition_versions) {
  const ProgramVersion classic = EditionVersion(Edition::Classic);
  EXPECT_EQ(Lines(AboutText(classic, "x y"))[1], "Tessaly1.3.3");
  const ProgramVersion grid = EditionVersion(Edition::Grid);
  EXPECT_EQ(grid.major, 2);
  EXPECT_EQ(grid.minor, 0);
  EXPECT_GE(grid.revision, 0);
}

class about_links_test : public ::testing::Test {
 protected:
  about_links_test()
      : platform_("program"), panel_(platform_, "FrmControl", ui::FormStyle::FixedDialog) {}

  std::vector<headless::ShellRequest> Click(std::string_view folder, std::int16_t index) {
    const std::size_t before = platform_.shell().Requests().size();
    LabAbout_Click(platform_.shell(), panel_, folder, index);
    const auto& all = platform_.shell().Requests();
    return {all.begin() + static_cast<std::ptrdiff_t>(before), all.end()};
  }

  headless::HeadlessPlatform platform_;
  ui::Form panel_;
};

TEST_F(about_links_test, labels_open_help_folder_and_guide_and_no_mail) {
  const std::string folder = "C:\\课程表";
  // The about text leads to the help while the project has no web page; the mail link is out.
  auto r = Click(folder, 0);
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].target, "C:\\课程表\\hlp\\scdhlp.chm");
  EXPECT_EQ(r[0].show, ui::ShowState::Normal);
  EXPECT_EQ(r[0].owner, &panel_);
  EXPECT_EQ(r[0].directory, "");
  EXPECT_TRUE(Click(folder, 1).empty());

  const std::vector<std::string> expected{"C:\\课程表\\", "C:\\课程表\\hlp\\readme.txt",
                                          "C:\\课程表\\hlp\\scdhlp.chm"};
  for (std::int16_t i = 2; i <= 4; ++i) {
    r = Click(folder, i);
    ASSERT_EQ(r.size(), 1u) << i;
    EXPECT_EQ(r[0].target, expected[static_cast<std::size_t>(i - 2)]);
    EXPECT_EQ(r[0].show, ui::ShowState::Normal);
    EXPECT_EQ(r[0].owner, nullptr);
    EXPECT_EQ(r[0].directory, "");
  }
  EXPECT_TRUE(Click(folder, 5).empty());
  EXPECT_TRUE(Click(folder, -1).empty());
}

TEST_F(about_links_test, drive_root_gives_no_doubled_backslash) {
  EXPECT_EQ(Click("D:\\", 2).at(0).target, "D:\\");
  EXPECT_EQ(Click("D:\\", 3).at(0).target, "D:\\hlp\\readme.txt");
  EXPECT_EQ(Click("D:\\", 4).at(0).target, "D:\\hlp\\scdhlp.chm");
}

TEST_F(about_links_test, pictures_open_the_help_and_shift_left_swaps_them) {
  ui::Picture logo(&panel_, "Imgabout", 0), portrait(&panel_, "Imgabout", 1);
  portrait.SetVisible(false);
  for (std::int16_t i = 0; i <= 1; ++i) Imgabout_Click(platform_.shell(), panel_, "D:\\", i);
  const auto& r = platform_.shell().Requests();
  ASSERT_EQ(r.size(), 2u);
  for (const auto& request : r) {
    EXPECT_EQ(request.target, "D:\\hlp\\scdhlp.chm");
    EXPECT_EQ(request.show, ui::ShowState::Normal);
    EXPECT_EQ(request.owner, &panel_);
  }

  // Anything but Shift with the left button does nothing.
  const struct {
    ui::MouseButton button;
    int shift;
  } ignored[] = {{ui::MouseButton::Left, 0},
                 {ui::MouseButton::Left, ui::kShift | ui::kCtrl},
                 {ui::MouseButton::Left, ui::kShift | ui::kAlt},
                 {ui::MouseButton::Left, ui::kCtrl},
                 {ui::MouseButton::Right, ui::kShift},
                 {ui::MouseButton::Middle, ui::kShift}};
  for (const auto& press : ignored) {
    Imgabout_MouseDown(logo, portrait, 0, press.button, press.shift, 10, 10);
    EXPECT_TRUE(logo.Visible());
    EXPECT_FALSE(portrait.Visible());
  }
  Imgabout_MouseDown(logo, portrait, 0, ui::MouseButton::Left, ui::kShift, 10, 10);
  EXPECT_FALSE(logo.Visible());
  EXPECT_TRUE(portrait.Visible());
  Imgabout_MouseDown(logo, portrait, 1, ui::MouseButton::Left, ui::kShift, 0, 0);
  EXPECT_TRUE(logo.Visible());
  EXPECT_FALSE(portrait.Visible());
}

}  // namespace
}  // namespace orvel
