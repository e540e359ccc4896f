#pragma once
// Column widths and folding of the grid edition's window. The decisions are pure functions; the
// rest applies them to a grid.
#include "platform/ui/form.h"
#include "platform/ui/grid.h"

namespace orvel::grid {

// Column widths are 16-bit twip values in the grid the program was made for.
inline constexpr int kMaxColWidth = 32767;
// Column alignments given by AdjustColWidth.
inline constexpr int kAlignLeftCentre = 1;  // folded
inline constexpr int kAlignCentreTop = 3;   // unfolded

// The width of a column whose widest text measures maxTextWidth twips in the 9-point font of the
// window: fontSize × (maxTextWidth + 100) / 9, rounded to whole twips (halves to even) and kept
// within 0 .. kMaxColWidth; 0 for a size or width that is not a number.
int FittedColumnWidth(double fontSize, double maxTextWidth);

// Folding keeps the label column, the time column and today's column.
constexpr bool KeptWhenFolded(int col, int todayColumn) {
  return col < 2 || col == todayColumn;
}

// Gives width 0 to every column that folding hides.
void FoldColumns(ui::Grid& grid, int todayColumn);

// Widens the first and the last column with a width by the grid's edge inset, the room their
// texts keep from the grid's outer edges.
void WidenEdgeColumns(ui::Grid& grid);

// Fits every column to its texts measured with FrmCur's font (all columns, or only those that
// are not hidden when NotAdjustColZero is false) and gives every column the alignment ColAli.
void AdjustColWidth(const ui::Form& FrmCur, ui::Grid& GridCur, int ColAli, bool NotAdjustColZero);

}  // namespace orvel::grid
