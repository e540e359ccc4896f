// The schedule window after start-up: column widths, the window fitted to the grid, its region,
// Alt-dragging and the double clicks that open the control panel.
#include <gtest/gtest.h>

#include <cmath>

#include "program/live_values.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

class ScheduleWindowTest : public ::testing::Test {
 protected:
  void StartWith(const Rows& table, SettingsFile settings = {}) {
    WriteTimetable(folder.path(), "Schedule.csv", table);
    settings.Write(folder.path());
    program = std::make_unique<TestProgram>(folder.path());
    program->Start();
  }
  ui::Grid& grid() { return program->window.MSFlexGrid1; }

  ProgramFolder folder;
  std::unique_ptr<TestProgram> program;
};

TEST_F(ScheduleWindowTest, columns_fit_their_widest_text) {
  StartWith(WeekTable());
  // Column 1 holds "13:30-14:15", 11 ASCII characters at 90 twips: 990 + 100.
  EXPECT_EQ(grid().ColWidth(1), 1090);
  // Column 6: "星期五" is the widest, 3 × 180 + 100, and the last column has the corners' room.
  EXPECT_EQ(grid().ColWidth(6) - grid().EdgeInset(), 640);
  for (int c = 0; c < grid().Cols(); ++c) {
    double widest = 0;
    for (int r = 0; r < grid().Rows(); ++r)
      widest = std::max(widest, MetricWidth(grid().TextMatrix(r, c), 9));
    const bool outer = c == 0 || c == grid().Cols() - 1;
    EXPECT_EQ(grid().ColWidth(c) - (outer ? grid().EdgeInset() : 0), static_cast<int>(widest) + 100)
        << c;
  }
}

TEST_F(ScheduleWindowTest, an_empty_column_keeps_its_margin) {
  Rows table = WeekTable();
  for (auto& row : table) row[6].clear();
  StartWith(table);
  EXPECT_EQ(grid().ColWidth(6) - grid().EdgeInset(), 100);

  SettingsFile larger;
  larger.fontSize = "15";  // the largest size the panel offers
  ProgramFolder other;
  WriteTimetable(other.path(), "Schedule.csv", table);
  larger.Write(other.path());
  TestProgram program15(other.path());
  program15.Start();
  const ui::Grid& grid15 = program15.window.MSFlexGrid1;
  EXPECT_EQ(grid15.ColWidth(6) - grid15.EdgeInset(), 167);  // 15 × 100 / 9, to whole twips
}

// The rounded region cuts the window's corners: the outer columns shown get room for it, in
// whichever columns are outer now, and a refit never adds it twice.
TEST_F(ScheduleWindowTest, the_outer_columns_shown_keep_their_texts_clear_of_the_corners) {
  StartWith(WeekTable());
  // The shell hands a Tuesday: folding keeps columns 0, 1 and 3.
  clock::SchoolDay tuesday;
  tuesday.column = 3;
  program->window.ShowSchoolDay(tuesday);
  const int inset = grid().EdgeInset();
  EXPECT_GE(inset, 15 * 4);  // at 15 twips a pixel, a few pixels
  std::vector<int> unfolded;
  for (int c = 0; c < grid().Cols(); ++c) unfolded.push_back(grid().ColWidth(c));

  orvel::program::SetFold(program->state, program->window, true);
  EXPECT_EQ(grid().ColWidth(0), unfolded[0]);
  EXPECT_EQ(grid().ColWidth(3), unfolded[3] + inset);  // the last one shown now
  for (int c = 4; c < grid().Cols(); ++c) EXPECT_EQ(grid().ColWidth(c), 0) << c;

  orvel::program::SetFold(program->state, program->window, false);
  orvel::program::SetFold(program->state, program->window, false);
  for (int c = 0; c < grid().Cols(); ++c)
    EXPECT_EQ(grid().ColWidth(c), unfolded[static_cast<std::size_t>(c)]) << c;
}

TEST_F(ScheduleWindowTest, window_takes_the_grid_size_and_a_pixel_region) {
  StartWith(WeekTable());
  int widthSum = 0, heightSum = 0;
  for (int c = 0; c < grid().Cols(); ++c) widthSum += grid().ColWidth(c);
  for (int r = 0; r < grid().Rows(); ++r) heightSum += grid().RowHeight(r);
  EXPECT_EQ(grid().Width(), widthSum);
  EXPECT_EQ(grid().Height(), heightSum);
  EXPECT_EQ(grid().Left(), 0);
  EXPECT_EQ(grid().Top(), 0);
  EXPECT_EQ(program->window.Width(), widthSum);
  EXPECT_EQ(program->window.Height(), heightSum);
  ASSERT_TRUE(program->Window().region);
  EXPECT_EQ(program->Window().region->widthPx, static_cast<int>(std::lround(widthSum / 15.0)));
  EXPECT_EQ(program->Window().region->heightPx, static_cast<int>(std::lround(heightSum / 15.0)));
  EXPECT_EQ(program->Window().region->ellipsePx, 24);
}

TEST_F(ScheduleWindowTest, fitting_runs_again_when_the_current_cell_changes) {
  StartWith(WeekTable());
  const int regionsBefore = program->Window().regionCalls;
  // The columns change without the window noticing, as the fold option does ...
  grid().SetColWidth(2, 0);
  EXPECT_NE(program->window.Width(), grid().TotalWidth());
  // ... until the current cell moves.
  ASSERT_TRUE(headless::ClickCell(program->platform, grid(), 1, 3));
  EXPECT_EQ(program->window.Width(), grid().TotalWidth());
  EXPECT_EQ(program->Window().regionCalls, regionsBefore + 1);
  // A click on the current cell is no change.
  ASSERT_TRUE(headless::ClickCell(program->platform, grid(), 1, 3));
  EXPECT_EQ(program->Window().regionCalls, regionsBefore + 1);
}

TEST_F(ScheduleWindowTest, region_uses_the_screens_own_pixel_size) {
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  TestProgram program120(folder.path());
  program120.platform.SetScreen(1280, 1024, 12);
  program120.Start();
  const double width = program120.window.Width();
  ASSERT_TRUE(program120.Window().region);
  EXPECT_EQ(program120.Window().region->widthPx, static_cast<int>(std::nearbyint(width / 12)));
}

TEST_F(ScheduleWindowTest, region_follows_the_dpi_of_the_monitor_the_window_is_on) {
  // A laptop at 150 % (10 twips a pixel, the system's DPI) and a projector at 100 % to its
  // right; the timetable was kept on the projector.
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  SettingsFile settings;
  settings.left = "22200";  // 300 pixels into the projector
  settings.top = "1500";
  settings.Write(folder.path());
  TestProgram mixed(folder.path());
  mixed.platform.SetScreen(1920, 1080, 10);
  mixed.platform.SetMonitors({{0, 0, 1920, 1080, 10}, {1920, 0, 1024, 768, 15}});
  mixed.Start();
  EXPECT_EQ(mixed.window.Left(), 22200);
  const auto pixels = [&](double twips, double perPixel) {
    return static_cast<int>(std::nearbyint(twips / perPixel));
  };
  ASSERT_TRUE(mixed.Window().region);
  EXPECT_EQ(*mixed.Window().region,
            (headless::RegionRecord{pixels(mixed.window.Width(), 15),
                                    pixels(mixed.window.Height(), 15), 24}));

  // The projector's scale set to 75 % without signing out: the system tells the window.
  mixed.platform.SetMonitors({{0, 0, 1920, 1080, 10}, {1920, 0, 1024, 768, 20}});
  mixed.window.NativeDpiChanged();
  EXPECT_EQ(*mixed.Window().region,
            (headless::RegionRecord{pixels(mixed.window.Width(), 20),
                                    pixels(mixed.window.Height(), 20), 24}));
}

TEST_F(ScheduleWindowTest, only_alt_with_the_left_button_drags_the_window) {
  StartWith(WeekTable());
  program->platform.windows().SetDragDestination(headless::ScreenPoint{4500, 3000});
  ASSERT_TRUE(headless::DragFromCell(program->platform, grid(), 1, 2, 0));
  ASSERT_TRUE(headless::DragFromCell(program->platform, grid(), 1, 2, ui::kAlt | ui::kShift));
  ASSERT_TRUE(headless::DragFromCell(program->platform, grid(), 1, 2, ui::kAlt | ui::kCtrl));
  ASSERT_TRUE(
      headless::PressCell(program->platform, grid(), 1, 2, ui::MouseButton::Right, ui::kAlt));
  EXPECT_EQ(program->Window().drags, 0);
  EXPECT_EQ(program->window.Left(), 0);

  ASSERT_TRUE(headless::DragFromCell(program->platform, grid(), 1, 2, ui::kAlt));
  EXPECT_EQ(program->Window().drags, 1);
  EXPECT_EQ(program->window.Left(), 4500);
  EXPECT_EQ(program->window.Top(), 3000);
  // The window itself, where the grid does not cover it.
  program->window.UserMouseDown(ui::MouseButton::Left, ui::kAlt, 10, 10);
  EXPECT_EQ(program->Window().drags, 2);
  EXPECT_EQ(program->state.values.left, 0) << "moving writes nothing and changes no setting";
}

TEST_F(ScheduleWindowTest, every_double_click_opens_the_control_panel) {
  StartWith(WeekTable());
  ASSERT_TRUE(headless::DoubleClickCell(program->platform, grid(), 2, 2));
  EXPECT_EQ(program->panelOpenings, 1);
  program->window.TxtFlex.UserDblClick();
  EXPECT_EQ(program->panelOpenings, 2);
  program->window.UserDblClick();
  EXPECT_EQ(program->panelOpenings, 3);
  // With nobody to open it, a double click does nothing.
  program->window.ShowControlPanel = nullptr;
  program->window.UserDblClick();
  EXPECT_EQ(program->panelOpenings, 3);
}

TEST_F(ScheduleWindowTest, a_press_on_the_editor_finishes_the_double_click_its_click_began) {
  StartWith(WeekTable());
  ui::TextBox& editor = program->window.TxtFlex;
  // The user's rule on this backend: 500 ms, and 2 pixels (30 twips) either way.
  struct Case {
    int delayMs;
    double offsetTwips;
    bool opens;
  };
  const Case cases[] = {{0, 0, true}, {500, 30, true}, {501, 0, false}, {0, 45, false}};
  int openings = 0, col = 2;
  for (const Case& c : cases) {
    ASSERT_TRUE(headless::ClickCell(program->platform, grid(), 1, col++));
    ASSERT_TRUE(editor.Visible());
    program->platform.AdvanceMs(c.delayMs);
    ASSERT_TRUE(program->platform.UserFocus(editor));
    editor.UserMouseDown(ui::MouseButton::Left, 0, editor.Width() / 2 + c.offsetTwips,
                         editor.Height() / 2);
    openings += c.opens ? 1 : 0;
    EXPECT_EQ(program->panelOpenings, openings) << c.delayMs << " ms, " << c.offsetTwips;
    // Only the first press on the editor counts.
    editor.UserMouseDown(ui::MouseButton::Left, 0, editor.Width() / 2, editor.Height() / 2);
    EXPECT_EQ(program->panelOpenings, openings);
  }
}

}  // namespace
}  // namespace orvel::test
