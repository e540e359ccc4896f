#include "program/window_region.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/ui/platform.h"

namespace orvel::program {

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

}  // namespace orvel::program
