#pragma once
// The screen and text measurement, fixed and simple so that tests can compute every width.
//
// Text metrics: an em is the font size in points × 20 twips; every ASCII character is half an
// em wide and every other character (counted as UTF-8 code points) one em. Bold changes nothing.
// The text height is size × 20 × 4/3 twips, rounded to whole twips (9 pt: 240 twips).
#include <string>

#include "platform/ui/services.h"

namespace orvel::headless {

class HeadlessMetrics : public ui::TextMetrics {
 public:
  double TextWidth(const ui::Font& font, const std::string& text) const override;
  double TextHeight(const ui::Font& font) const override;
};

// Default: 1024 × 768 pixels at 15 twips per pixel.
class HeadlessScreen : public ui::Screen {
 public:
  double WidthTwips() const override { return widthPx_ * twipsPerPixel_; }
  double HeightTwips() const override { return heightPx_ * twipsPerPixel_; }
  double TwipsPerPixelX() const override { return twipsPerPixel_; }
  double TwipsPerPixelY() const override { return twipsPerPixel_; }

  void Set(int widthPx, int heightPx, double twipsPerPixel) {
    widthPx_ = widthPx;
    heightPx_ = heightPx;
    twipsPerPixel_ = twipsPerPixel;
  }

 private:
  int widthPx_ = 1024;
  int heightPx_ = 768;
  double twipsPerPixel_ = 15;
};

}  // namespace orvel::headless
