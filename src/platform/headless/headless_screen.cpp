#include "platform/headless/headless_screen.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/form.h"

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

std::vector<ui::Bounds> HeadlessScreen::Monitors() const {
  std::vector<ui::Bounds> rects;
  for (const HeadlessMonitor& m : monitors_)
    rects.push_back(ui::Bounds{m.leftPx * twipsPerPixel_, m.topPx * twipsPerPixel_,
                               m.widthPx * twipsPerPixel_, m.heightPx * twipsPerPixel_});
  return rects;
}

double HeadlessScreen::TwipsPerPixelOf(const ui::Form& form) const {
  return monitors_[MonitorIndexOf(form)].twipsPerPixel;
}

ui::Bounds HeadlessScreen::MonitorOf(const ui::Form& form) const {
  return Monitors()[MonitorIndexOf(form)];
}

std::size_t HeadlessScreen::MonitorIndexOf(const ui::Form& form) const {
  const ui::Bounds& w = form.bounds();
  const std::vector<ui::Bounds> rects = Monitors();
  std::size_t best = 0;
  double bestArea = -1, bestDistance = 0;
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const ui::Bounds& m = rects[i];
    const double dx = std::max(m.left - (w.left + w.width), w.left - (m.left + m.width));
    const double dy = std::max(m.top - (w.top + w.height), w.top - (m.top + m.height));
    // Overlap as a positive area, distance as a negative one.
    const double area = dx < 0 && dy < 0 ? dx * dy : 0;
    const double distance = std::max(dx, 0.0) + std::max(dy, 0.0);
    if (area > bestArea || (area == 0 && bestArea == 0 && distance < bestDistance)) {
      best = i;
      bestArea = area;
      bestDistance = distance;
    }
  }
  return best;
}

double HeadlessMetrics::TextHeight(const ui::Font& font) const {
  return std::round(static_cast<double>(font.size) * 20.0 * 4.0 / 3.0);
}

}  // namespace orvel::headless
