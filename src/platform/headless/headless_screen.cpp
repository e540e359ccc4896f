#include "platform/headless/headless_screen.h"

#include <cmath>

namespace orvel::headless {

double HeadlessMetrics::TextWidth(const ui::Font& font, const std::string& text) const {
  const double em = static_cast<double>(font.size) * 20.0;
  double width = 0;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80)
      width += em / 2;
    else if ((byte & 0xC0) != 0x80)  // the lead byte of a longer character
      width += em;
  }
  return width;
}

double HeadlessMetrics::TextHeight(const ui::Font& font) const {
  return std::round(static_cast<double>(font.size) * 20.0 * 4.0 / 3.0);
}

}  // namespace orvel::headless
