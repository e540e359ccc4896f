#pragma once
// The rounded window region both editions' schedule windows keep the size of the window.
#include "platform/ui/form.h"

namespace orvel::program {

// Corner ellipses of the window region, pixels.
inline constexpr int kCornerEllipsePx = 24;
// How far texts beside the window's left and right edges keep clear of the corners, pixels: a
// quarter of the ellipse clears the curve at the height where a cell's text begins.
inline constexpr int kCornerClearancePx = kCornerEllipsePx / 4;

// Twips to whole pixels, rounded (halves to even); 0 for a factor that is not positive.
int TwipsToPixels(double twips, double twipsPerPixel);

// Gives the window its rounded-rectangle region, the size of the window in the pixels of its
// monitor; again whenever that monitor's DPI is another (Form::onDpiChanged).
void DoTransparency(ui::Form& TheForm);

}  // namespace orvel::program
