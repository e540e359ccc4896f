#include "platform/headless/user_actions.h"

#include "platform/ui/containment.h"
#include "platform/ui/form.h"

namespace orvel::headless {

std::optional<GridPoint> CellCentre(const ui::Grid& grid, int row, int col) {
  if (row < 0 || row >= grid.Rows() || col < 0 || col >= grid.Cols()) return std::nullopt;
  if (grid.ColWidth(col) <= 0) return std::nullopt;
  double left = 0;
  for (int c = 0; c < col; ++c) left += grid.ColWidth(c);
  double top = 0;
  for (int r = 0; r < row; ++r) top += grid.RowHeight(r);
  return GridPoint{left + grid.ColWidth(col) / 2.0, top + grid.RowHeight(row) / 2.0};
}

bool PressCell(HeadlessPlatform& platform, ui::Grid& grid, int row, int col, ui::MouseButton button,
               int shift) {
  const std::optional<GridPoint> at = CellCentre(grid, row, col);
  if (!at) return false;
  if (grid.Enabled()) platform.UserFocus(grid);
  grid.UserMouseDown(button, shift, at->x, at->y);
  return true;
}

bool ClickCell(HeadlessPlatform& platform, ui::Grid& grid, int row, int col) {
  if (!PressCell(platform, grid, row, col, ui::MouseButton::Left, 0)) return false;
  const std::optional<GridPoint> at = CellCentre(grid, row, col);
  if (at) grid.UserMouseUp(ui::MouseButton::Left, 0, at->x, at->y);
  return true;
}

namespace {

// A text box of the grid's form that takes input and covers the grid point: what a press there
// lands on instead of the grid.
ui::TextBox* TextBoxOver(const ui::Grid& grid, GridPoint at) {
  ui::Form* form = grid.form();
  if (!form) return nullptr;
  const double x = grid.Left() + at.x, y = grid.Top() + at.y;
  for (ui::Widget* widget : form->Controls()) {
    auto* box = dynamic_cast<ui::TextBox*>(widget);
    if (box && box->peer() && ui::ShownVisible(*box) && ui::ShownEnabled(*box) &&
        x >= box->Left() && x < box->Left() + box->Width() && y >= box->Top() &&
        y < box->Top() + box->Height())
      return box;
  }
  return nullptr;
}

}  // namespace

bool DoubleClickCell(HeadlessPlatform& platform, ui::Grid& grid, int row, int col) {
  if (!ClickCell(platform, grid, row, col)) return false;
  // The second click goes to whatever lies over the cell now: the in-place editor that the first
  // click laid there takes a plain click, as a window of its own would.
  if (ui::TextBox* box = TextBoxOver(grid, *CellCentre(grid, row, col))) {
    PressTextBox(platform, *box, ui::MouseButton::Left, 0);
    box->UserClick();
    return true;
  }
  grid.UserDblClick();
  return true;
}

bool DragFromCell(HeadlessPlatform& platform, ui::Grid& grid, int row, int col, int shift) {
  return PressCell(platform, grid, row, col, ui::MouseButton::Left, shift);
}

bool PressTextBox(HeadlessPlatform& platform, ui::TextBox& box, ui::MouseButton button, int shift) {
  if (!box.peer() || !ui::ShownVisible(box) || !box.form()) return false;
  // The middle of the box, in the coordinates of whoever receives the press.
  const double x = box.Width() / 2, y = box.Height() / 2;
  if (ui::ShownEnabled(box)) {
    platform.UserFocus(box);
    box.UserMouseDown(button, shift, x, y);
  } else {
    box.form()->UserMouseDown(button, shift, box.Left() + x, box.Top() + y);
  }
  return true;
}

bool DoubleClickTextBox(HeadlessPlatform& platform, ui::TextBox& box) {
  if (!PressTextBox(platform, box, ui::MouseButton::Left, 0)) return false;
  if (ui::ShownEnabled(box)) {
    box.UserClick();
    box.UserDblClick();
  } else {
    box.form()->UserClick();
    box.form()->UserDblClick();
  }
  return true;
}

bool RightClickCell(HeadlessPlatform& platform, ui::Grid& grid, int row, int col) {
  if (!PressCell(platform, grid, row, col, ui::MouseButton::Right, 0)) return false;
  const std::optional<GridPoint> at = CellCentre(grid, row, col);
  if (at) grid.UserMouseUp(ui::MouseButton::Right, 0, at->x, at->y);
  if (grid.form()) grid.form()->UserContextMenu();
  return true;
}

bool RightClickTextBox(HeadlessPlatform& platform, ui::TextBox& box) {
  if (!PressTextBox(platform, box, ui::MouseButton::Right, 0)) return false;
  if (!ui::ShownEnabled(box)) box.form()->UserContextMenu();
  return true;
}

bool DropFiles(ui::Form& form, const std::vector<std::string>& paths) {
  if (!form.Loaded() || !form.acceptsDroppedFiles) return false;
  form.UserDropFiles(paths);
  return true;
}

bool TypeInto(HeadlessPlatform& platform, ui::TextBox& box, std::string text) {
  if (!platform.UserFocus(box)) return false;
  box.UserSetText(std::move(text));
  return true;
}

}  // namespace orvel::headless
