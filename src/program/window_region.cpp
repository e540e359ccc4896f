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
  // In the pixels of the window's own monitor, as its size is drawn.
  const double twipsPerPixel = TheForm.platform().screen().TwipsPerPixelOf(TheForm);
  const int width = TwipsToPixels(TheForm.Width(), twipsPerPixel);
  const int height = TwipsToPixels(TheForm.Height(), twipsPerPixel);
  TheForm.platform().windows().SetRoundRegion(TheForm, width, height, kCornerEllipsePx);
}

}  // namespace orvel::program
