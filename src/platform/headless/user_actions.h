#pragma once
// What a user does with the mouse and keyboard, as sequences of the events a real window would
// deliver, for tests that drive a program on the headless backend.
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/ui/controls.h"
#include "platform/ui/grid.h"

namespace orvel::headless {

struct GridPoint {
  double x = 0, y = 0;  // twips relative to the grid
};

// The middle of a cell; nothing when the cell is outside the grid or has no width (folded).
std::optional<GridPoint> CellCentre(const ui::Grid& grid, int row, int col);

// Presses a mouse button over a cell: an enabled grid takes the focus first (the control that
// had it loses it), then the grid gets the press. False when the cell cannot be hit.
bool PressCell(HeadlessPlatform& platform, ui::Grid& grid, int row, int col, ui::MouseButton button,
               int shift);

// Press and release of the left button over a cell without modifier keys.
bool ClickCell(HeadlessPlatform& platform, ui::Grid& grid, int row, int col);

// A click followed by the double click over the same cell. When the first click lays a text box
// over the cell, the second lands on that box as a plain click, as on a real screen.
bool DoubleClickCell(HeadlessPlatform& platform, ui::Grid& grid, int row, int col);

// Left button pressed with the given shift state over a cell and the mouse moved away: the
// release belongs to whatever moves the window, so the grid sees only the press.
bool DragFromCell(HeadlessPlatform& platform, ui::Grid& grid, int row, int col, int shift);

// Presses a mouse button over a text box. A box that takes input (itself and every frame around
// it enabled and visible) takes the focus and gets the press; over an inert box the press goes
// through to the form beneath, as the real window lets it. False when the box is not shown.
bool PressTextBox(HeadlessPlatform& platform, ui::TextBox& box, ui::MouseButton button, int shift);

// A left click and then the double click over a text box, delivered as PressTextBox does.
bool DoubleClickTextBox(HeadlessPlatform& platform, ui::TextBox& box);

// A right click over a cell. The grid keeps no menu of its own, so the click ends in the form's
// context menu, whether the grid took the press or, disabled, let it through to the form.
bool RightClickCell(HeadlessPlatform& platform, ui::Grid& grid, int row, int col);

// A right click over a text box: one that takes input shows its own edit menu and the form hears
// nothing; over an inert box the press and the context menu go to the form beneath.
bool RightClickTextBox(HeadlessPlatform& platform, ui::TextBox& box);

// Files dragged from the file manager and dropped on a form; only a loaded form that accepts
// dropped files receives them. False when it does not.
bool DropFiles(ui::Form& form, const std::vector<std::string>& paths);

// Clicks into a text box and types, replacing its text. False when it cannot take the focus.
bool TypeInto(HeadlessPlatform& platform, ui::TextBox& box, std::string text);

}  // namespace orvel::headless
