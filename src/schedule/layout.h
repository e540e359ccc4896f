#pragma once
// Column widths, folding and the rounded window region of the schedule window. The decisions
// are pure functions; the rest applies them to a grid or a form.
#include <chrono>

#include "platform/ui/form.h"
#include "platform/ui/grid.h"

namespace orvel::schedule {

// Column widths are 16-bit twip values in the grid the program was made for.
inline constexpr int kMaxColWidth = 32767;
// Corner ellipses of the window region, pixels.
inline constexpr int kCornerEllipsePx = 24;
// Column alignments given by AdjustColWidth.
inline constexpr int kAlignLeftCentre = 1;  // folded
inline constexpr int kAlignCentreTop = 3;   // unfolded

// The width of a column whose widest text measures maxTextWidth twips in the 9-point font of the
// window: fontSize × (maxTextWidth + 100) / 9, rounded to whole twips (halves to even) and kept
// within 0 .. kMaxColWidth; 0 for a size or width that is not a number.
int FittedColumnWidth(double fontSize, double maxTextWidth);

// The column of a weekday in the timetable: Monday 2 ... Sunday 8.
int WeekdayColumn(std::chrono::year_month_day date);

// Folding keeps the label column, the time column and today's column.
constexpr bool KeptWhenFolded(int col, int todayColumn) { return col < 2 || col == todayColumn; }

// Gives width 0 to every column that folding hides.
void FoldColumns(ui::Grid& grid, int todayColumn);

// Fits every column to its texts measured with FrmCur's font (all columns, or only those that
// are not hidden when NotAdjustColZero is false) and gives every column the alignment ColAli.
void AdjustColWidth(const ui::Form& FrmCur, ui::Grid& GridCur, int ColAli, bool NotAdjustColZero);

// Twips to whole pixels, rounded (halves to even); 0 for a factor that is not positive.
int TwipsToPixels(double twips, double twipsPerPixel);

// Gives the window its rounded-rectangle region, the size of the window.
void DoTransparency(ui::Form& TheForm);

}  // namespace orvel::schedule
