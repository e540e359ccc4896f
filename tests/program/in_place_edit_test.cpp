// Editing a cell in place: the editor laid over a clicked cell, committed when it loses focus.
#include <gtest/gtest.h>

#include "program_fixture.h"

namespace orvel::test {
namespace {

class InPlaceEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    program = std::make_unique<TestProgram>(folder.path());
    program->Start();
  }
  ui::Grid& grid() { return program->window.MSFlexGrid1; }
  ui::TextBox& editor() { return program->window.TxtFlex; }
  headless::HeadlessPlatform& platform() { return program->platform; }

  ProgramFolder folder;
  std::unique_ptr<TestProgram> program;
};

TEST_F(InPlaceEditTest, a_click_lays_the_editor_over_the_cell_without_focus) {
  ASSERT_TRUE(headless::ClickCell(platform(), grid(), 2, 4));
  EXPECT_TRUE(editor().Visible());
  EXPECT_EQ(editor().Text(), "体育");
  double left = 0;
  for (int c = 0; c < 4; ++c) left += grid().ColWidth(c);
  EXPECT_EQ(editor().Left(), left);
  EXPECT_EQ(editor().Top(), 2.0 * grid().RowHeight(0));
  EXPECT_EQ(editor().Width(), grid().ColWidth(4));
  EXPECT_EQ(editor().Height(), grid().RowHeight(2));
  EXPECT_EQ(program->window.EditRow(), 2);
  EXPECT_EQ(program->window.EditCol(), 4);
  EXPECT_EQ(platform().FocusedWidget(), &grid());
}

TEST_F(InPlaceEditTest, typing_then_clicking_another_cell_commits_the_first) {
  const auto before = folder.Snapshot();
  ASSERT_TRUE(headless::ClickCell(platform(), grid(), 1, 2));
  ASSERT_TRUE(headless::TypeInto(platform(), editor(), "体育"));
  EXPECT_EQ(grid().TextMatrix(1, 2), "语文") << "nothing is committed while typing";

  ASSERT_TRUE(headless::ClickCell(platform(), grid(), 4, 3));
  EXPECT_EQ(grid().TextMatrix(1, 2), "体育");
  EXPECT_TRUE(editor().Visible());
  EXPECT_EQ(editor().Text(), "化学");
  EXPECT_EQ(program->window.EditRow(), 4);
  EXPECT_EQ(program->window.EditCol(), 3);

  Rows expected = WeekTable();
  expected[1][2] = "体育";
  EXPECT_EQ(program->Cells(), expected);
  EXPECT_EQ(folder.Snapshot(), before) << "editing never writes the timetable file";
}

TEST_F(InPlaceEditTest, clicks_without_typing_change_nothing) {
  ASSERT_TRUE(headless::ClickCell(platform(), grid(), 1, 2));
  ASSERT_TRUE(headless::ClickCell(platform(), grid(), 2, 3));
  ASSERT_TRUE(headless::ClickCell(platform(), grid(), 0, 0));
  EXPECT_EQ(program->Cells(), WeekTable());
  // Focusing the editor and leaving it unchanged writes the same text back.
  ASSERT_TRUE(platform().UserFocus(editor()));
  ASSERT_TRUE(headless::ClickCell(platform(), grid(), 3, 0));
  EXPECT_EQ(program->Cells(), WeekTable());
}

TEST_F(InPlaceEditTest, any_text_is_taken_commas_included) {
  ASSERT_TRUE(headless::ClickCell(platform(), grid(), 3, 2));
  ASSERT_TRUE(headless::TypeInto(platform(), editor(), "自习,阅读"));
  ASSERT_TRUE(platform().UserFocus(program->window.MSFlexGrid1));
  EXPECT_EQ(grid().TextMatrix(3, 2), "自习,阅读");
  EXPECT_FALSE(editor().Visible());
}

TEST_F(InPlaceEditTest, a_table_shrunk_while_the_editor_is_open_discards_the_text) {
  WriteTimetable(folder.path(), "small.csv", {{"a", "b", "c"}, {"d", "e", "f"}});
  ASSERT_TRUE(headless::ClickCell(platform(), grid(), 4, 5));
  ASSERT_TRUE(headless::TypeInto(platform(), editor(), "已删除"));
  program->state.values.ScdFileName = "small.csv";
  ASSERT_TRUE(program->window.ScdLoad());
  ASSERT_TRUE(headless::ClickCell(platform(), grid(), 1, 1));
  EXPECT_EQ(program->Cells(), (Rows{{"a", "b", "c"}, {"d", "e", "f"}}));
  EXPECT_EQ(program->state.ScdRows, 2);
  EXPECT_EQ(program->state.ScdCols, 3);
  EXPECT_EQ(editor().Text(), "e");
}

TEST_F(InPlaceEditTest, a_folded_away_cell_cannot_be_edited) {
  grid().SetColWidth(3, 0);
  EXPECT_FALSE(headless::ClickCell(platform(), grid(), 1, 3));
  EXPECT_FALSE(editor().Visible());
}

}  // namespace
}  // namespace orvel::test
