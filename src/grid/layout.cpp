#include "grid/layout.h"

#include <algorithm>
#include <cmath>

namespace orvel::grid {

int FittedColumnWidth(double fontSize, double maxTextWidth) {
  const double width = fontSize * (maxTextWidth + 100.0) / 9.0;
  if (std::isnan(width)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(width, 0.0, double{kMaxColWidth})));
}

void FoldColumns(ui::Grid& grid, int todayColumn) {
  for (int c = 2; c < grid.Cols(); ++c)
    if (!KeptWhenFolded(c, todayColumn)) grid.SetColWidth(c, 0);
}

void WidenEdgeColumns(ui::Grid& grid) {
  const int first = grid.FirstShownCol();
  const int last = grid.LastShownCol();
  if (first < 0) return;
  grid.SetColWidth(first, std::min(kMaxColWidth, grid.ColWidth(first) + grid.EdgeInset()));
  grid.SetColWidth(last, std::min(kMaxColWidth, grid.ColWidth(last) + grid.EdgeInset()));
}

void AdjustColWidth(const ui::Form& FrmCur, ui::Grid& GridCur, int ColAli, bool NotAdjustColZero) {
  for (int c = 0; c < GridCur.Cols(); ++c) {
    if (NotAdjustColZero || GridCur.ColWidth(c) != 0) {
      double widest = 0;
      for (int r = 0; r < GridCur.Rows(); ++r)
        widest = std::max(widest, FrmCur.TextWidth(GridCur.TextMatrix(r, c)));
      GridCur.SetColWidth(c, FittedColumnWidth(GridCur.FontSize(), widest));
    }
    GridCur.SetColAlignment(c, ColAli);
  }
}

}  // namespace orvel::grid
