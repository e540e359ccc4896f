#include "schedule/layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/ui/platform.h"

namespace orvel::schedule {

int FittedColumnWidth(double fontSize, double maxTextWidth) {
  const double width = fontSize * (maxTextWidth + 100.0) / 9.0;
  if (std::isnan(width)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(width, 0.0, double{kMaxColWidth})));
}

int WeekdayColumn(std::chrono::year_month_day date) {
  return static_cast<int>(std::chrono::weekday{std::chrono::sys_days{date}}.iso_encoding()) + 1;
}

void FoldColumns(ui::Grid& grid, int todayColumn) {
  for (int c = 2; c < grid.Cols(); ++c)
    if (!KeptWhenFolded(c, todayColumn)) grid.SetColWidth(c, 0);
}

void AdjustColWidth(const ui::Form& FrmCur, ui::Grid& GridCur, int ColAli,
                    bool NotAdjustColZero) {
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

int TwipsToPixels(double twips, double twipsPerPixel) {
  if (!(twipsPerPixel > 0)) return 0;
  const double pixels = twips / twipsPerPixel;
  if (std::isnan(pixels)) return 0;
  constexpr double kLimit = std::numeric_limits<int>::max();
  return static_cast<int>(std::nearbyint(std::clamp(pixels, -kLimit, kLimit)));
}

void DoTransparency(ui::Form& TheForm) {
  const ui::Screen& screen = TheForm.platform().screen();
  const int width = TwipsToPixels(TheForm.Width(), screen.TwipsPerPixelX());
  const int height = TwipsToPixels(TheForm.Height(), screen.TwipsPerPixelY());
  TheForm.platform().windows().SetRoundRegion(TheForm, width, height, kCornerEllipsePx);
}

}  // namespace orvel::schedule
