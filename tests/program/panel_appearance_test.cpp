// The interface page: every option acts on the schedule window the moment it changes.
#include <gtest/gtest.h>

#include <algorithm>

#include "panel_fixture.h"

namespace orvel::test {
namespace {

using panel::FrmControl;
using std::chrono::year, std::chrono::month, std::chrono::day;

class PanelAppearanceTest : public PanelTest {
 protected:
  std::vector<int> Widths() {
    std::vector<int> w;
    for (int c = 0; c < app->grid().Cols(); ++c) w.push_back(app->grid().ColWidth(c));
    return w;
  }
  const headless::WindowRecord& Window() { return *app->platform.windows().Window(app->window()); }
};

TEST_F(PanelAppearanceTest, lock_and_frame_follow_their_boxes) {
  StartWith();
  FrmControl& p = app->Open();
  p.ChkLock.UserClick();
  EXPECT_FALSE(app->grid().Enabled());
  // A locked grid takes no click, but the double click still reaches the panel.
  headless::ClickCell(app->platform, app->grid(), 1, 2);
  EXPECT_FALSE(app->window().TxtFlex.Visible());
  app->window().UserDblClick();
  EXPECT_EQ(app->Panel(), &p);
  p.ChkLock.UserClick();
  EXPECT_TRUE(app->grid().Enabled());

  p.ChkFrame.UserClick();
  EXPECT_EQ(app->grid().FrameStyle(), 1);
  p.ChkFrame.UserClick();
  EXPECT_EQ(app->grid().FrameStyle(), 0);
}

TEST_F(PanelAppearanceTest, fold_keeps_today_and_unfold_gives_every_width_back) {
  StartWith(FullWeekTable());
  FrmControl& p = app->Open();
  const std::vector<int> unfolded = Widths();
  p.ChkFold.UserClick();  // Wednesday: column 4
  for (int c = 0; c < 9; ++c) {
    EXPECT_EQ(app->grid().ColWidth(c) > 0, c < 2 || c == 4) << c;
    if (c < 2 || c == 4) {
      EXPECT_EQ(app->grid().ColAlignment(c), 1) << c;
    }
  }
  p.ChkFold.UserClick();
  EXPECT_EQ(Widths(), unfolded);
  for (int c = 0; c < 9; ++c) EXPECT_EQ(app->grid().ColAlignment(c), 3) << c;

  // On a Saturday a Monday-to-Friday table keeps only the label and time columns.
  ProgramFolder other;
  WriteTimetable(other.path(), "Schedule.csv", WeekTable());
  PanelProgram saturday(other.path());
  saturday.platform.SetNow(year{2025} / month{9} / day{13}, 9 * 3600);
  saturday.Start();
  saturday.Open().ChkFold.UserClick();
  for (int c = 0; c < 7; ++c) EXPECT_EQ(saturday.grid().ColWidth(c) > 0, c < 2) << c;
}

TEST_F(PanelAppearanceTest, transparency_keys_the_background_of_the_scheme_at_the_click) {
  SettingsFile s;
  s.customColours = "1,1193046,3,4,5,6,7,8";  // background 0x123456
  StartWith(WeekTable(), s);
  FrmControl& p = app->Open();
  p.ChkAlpha.UserClick();
  EXPECT_TRUE(Window().layered);
  EXPECT_TRUE(Window().colourKey);
  EXPECT_EQ(Window().colour, 0xFFFFFFu);  // 方案1's background is white
  // Another scheme does not move the key until the box is ticked again.
  p.CmbColSet.UserChoose(2);
  EXPECT_EQ(Window().colour, 0xFFFFFFu);
  p.ChkAlpha.UserClick();
  EXPECT_FALSE(Window().colourKey);
  EXPECT_EQ(Window().alpha, 255);
  p.ChkAlpha.UserClick();
  EXPECT_TRUE(Window().colourKey);
  EXPECT_EQ(Window().colour, 0x123456u);
}

TEST_F(PanelAppearanceTest, window_layers_never_install_the_bottom_hook_twice) {
  StartWith();
  FrmControl& p = app->Open();
  auto& windows = app->platform.windows();
  const auto bottomHooks = [&] {
    const auto chain = windows.HookChain(app->window());
    return std::count(chain.begin(), chain.end(), headless::HookKind::Bottom);
  };
  p.CmbTopFloor.UserChoose(2);
  p.CmbTopFloor.UserChoose(2);
  EXPECT_EQ(bottomHooks(), 1);
  p.CmbTopFloor.UserChoose(1);
  EXPECT_EQ(bottomHooks(), 0);
  EXPECT_TRUE(windows.IsTopmost(app->window()));
  p.CmbTopFloor.UserChoose(0);
  EXPECT_FALSE(windows.IsTopmost(app->window()));
  EXPECT_EQ(bottomHooks(), 0);
  // The tray's hook stays whatever the layer does.
  const auto chain = windows.HookChain(app->window());
  EXPECT_EQ(std::count(chain.begin(), chain.end(), headless::HookKind::Tray), 1);
}

TEST_F(PanelAppearanceTest, scheme_changes_at_once_and_the_grid_waits_for_the_clock) {
  StartWith();
  FrmControl& p = app->Open();
  const ui::Colour header = app->grid().CellBackColour(0, 0);
  p.CmbColSet.UserChoose(1);
  EXPECT_EQ(app->state().values.scheme, SchemeChoice::Second);
  app->platform.Advance(3);  // the clock is off
  EXPECT_EQ(app->grid().CellBackColour(0, 0), header);
}

TEST_F(PanelAppearanceTest, colour_labels_open_the_dialog_only_for_the_custom_scheme) {
  SettingsFile s;
  s.customColours = "1,2,3,4,5,6,7,8";
  StartWith(WeekTable(), s);
  FrmControl& p = app->Open();
  p.LabColor[3].UserClick();  // 方案1
  p.CmbColSet.UserChoose(1);
  p.LabColor[3].UserClick();  // 方案2
  EXPECT_TRUE(app->dialogs().ColourDialogs().empty());

  p.CmbColSet.UserChoose(2);
  p.LabColor[3].UserClick();  // cancelled
  ASSERT_EQ(app->dialogs().ColourDialogs().size(), 1u);
  EXPECT_EQ(app->dialogs().ColourDialogs()[0].initial, 0u);
  EXPECT_EQ(p.LabColor[3].BackColour(), 4u);
  EXPECT_EQ(app->state().colours.Get(SchemeChoice::Custom, 4), 4u);

  app->dialogs().QueueColour(0x00FF00);
  p.LabColor[3].UserClick();
  EXPECT_EQ(p.LabColor[3].BackColour(), 0x00FF00u);
  EXPECT_EQ(app->state().colours.Get(SchemeChoice::Custom, 4), 0x00FF00u);
  EXPECT_EQ(app->state().colours.Get(SchemeChoice::Custom, 3), 3u);
}

TEST_F(PanelAppearanceTest, fonts_change_on_a_list_choice_and_not_on_typing) {
  StartWith();
  FrmControl& p = app->Open();
  const std::vector<int> widths = Widths();
  p.CmbFontSize->UserChoose(6);
  EXPECT_FLOAT_EQ(app->grid().FontSize(), 15.0f);
  EXPECT_EQ(Widths(), widths);  // fitted again only at the next fold, load or new table
  p.CmbFun->UserChoose(4);
  EXPECT_EQ(app->grid().TextEffect(), 4);
  const auto& names = p.CmbFontName->Items();
  const auto hei = std::find(names.begin(), names.end(), "黑体");
  ASSERT_NE(hei, names.end());
  p.CmbFontName->UserChoose(static_cast<int>(hei - names.begin()));
  EXPECT_EQ(app->grid().FontName(), "黑体");

  p.CmbFontSize->UserSetText("40");
  p.CmbFun->UserSetText("1");
  p.CmbFontName->UserSetText("楷体");
  EXPECT_FLOAT_EQ(app->grid().FontSize(), 15.0f);
  EXPECT_EQ(app->grid().TextEffect(), 4);
  EXPECT_EQ(app->grid().FontName(), "黑体");
}

}  // namespace
}  // namespace orvel::test
