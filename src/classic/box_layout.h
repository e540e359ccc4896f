#pragma once
// The geometry of the classic edition's text-box matrix, in twips. Every box has the size of the
// template box TxtSubject(0), w × h; column 1 gives 0.3 w and column 2 takes 1.3 w more, so
// that the label column is narrow and the time column wide, and the columns fill
// (cols + 1) × w without gaps.
#include <cstdint>

#include "platform/ui/widget.h"
#include "timetable/timetable_reader.h"

namespace orvel::classic {

// The template's design size.
inline constexpr double kTemplateWidth = 615;
inline constexpr double kTemplateHeight = 285;

// The matrix's cell size: the template's size rounded to 16-bit integers (halves to even).
struct CellSize {
  std::int16_t w = 0;
  std::int16_t h = 0;
};
CellSize MatrixCellSize(double templateWidth, double templateHeight);

// Every box is a window, and a process may own at most 10,000 window objects. The matrix leaves
// room for the program's other windows: the schedule window with its frame and template box, the
// control panel with its controls and tooltips, the reminder popup, the shutdown countdown and the
// system's own dialogs (message and colour boxes). The reader's bound on the boxes, which keeps
// the window's start within 2 s, lies well inside it.
inline constexpr int kMaxWindowObjects = 10000;
inline constexpr int kWindowObjectsBesideBoxes = 400;
static_assert(kMaxClassicCells <= kMaxWindowObjects - kWindowObjectsBesideBoxes);

// Box number of cell row i, column j, both counted from 1: the boxes run row by row from 1.
constexpr int BoxNumber(int i, int j, int cols) { return cols * (i - 1) + j; }

// Where box (i, j) goes, given the template's Left and Top and the size the box starts with.
ui::Bounds BoxBounds(int i, int j, CellSize size, double templateLeft, double templateTop,
                     double boxWidth, double boxHeight);

// The window's width showing every column, and folded to columns 1 and 2.
constexpr double MatrixWidth(int cols, CellSize size) { return static_cast<double>(size.w) * (cols + 1); }
constexpr double FoldedWidth(CellSize size) { return 3.0 * size.w; }
constexpr double MatrixHeight(int rows, CellSize size) { return static_cast<double>(size.h) * rows; }

}  // namespace orvel::classic
