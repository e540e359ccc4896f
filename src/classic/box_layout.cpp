#include "classic/box_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvel::classic {
namespace {

std::int16_t ToInt16(double twips) {
  if (std::isnan(twips)) return 0;
  constexpr double kLow = std::numeric_limits<std::int16_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(std::nearbyint(std::clamp(twips, kLow, kHigh)));
}

}  // namespace

CellSize MatrixCellSize(double templateWidth, double templateHeight) {
  return {ToInt16(templateWidth), ToInt16(templateHeight)};
}

ui::Bounds BoxBounds(int i, int j, CellSize size, double templateLeft, double templateTop,
                     double boxWidth, double boxHeight) {
  const double w = size.w;
  ui::Bounds b{templateLeft + (j - 1) * w, templateTop + (i - 1) * static_cast<double>(size.h), boxWidth,
               boxHeight};
  if (j == 1) {
    b.left = 0;
    b.width -= w * 0.3;
  }
  if (j == 2) {
    b.left -= w * 1.3;
    b.width += w * 1.3;
  }
  return b;
}

}  // namespace orvel::classic
