#include "platform/headless/headless_screen.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/form.h"
#include "platform/ui/monitors.h"

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
  return rects_;
}

std::vector<ui::Bounds> HeadlessScreen::WorkAreas() const {
  return workAreas_.empty() ? rects_ : workAreas_;
}

double HeadlessScreen::TwipsPerPixelOf(const ui::Form& form) const {
  return monitors_[MonitorIndexOf(form)].twipsPerPixel;
}

ui::Bounds HeadlessScreen::MonitorOf(const ui::Form& form) const {
  return rects_[MonitorIndexOf(form)];
}

ui::Bounds HeadlessScreen::Desktop() const {
  double left = 0, top = 0, right = 0, bottom = 0;
  for (const ui::Bounds& m : rects_) {
    left = std::min(left, m.left);
    top = std::min(top, m.top);
    right = std::max(right, m.left + m.width);
    bottom = std::max(bottom, m.top + m.height);
  }
  return {left, top, right - left, bottom - top};
}

std::size_t HeadlessScreen::MonitorIndexOf(const ui::Form& form) const {
  // On the kept rectangles: the full-screen question asks this once a second, allocating nothing.
  return static_cast<std::size_t>(&ui::MonitorOf(form.bounds(), rects_) - rects_.data());
}

void HeadlessScreen::KeepRects() {
  workAreas_.clear();
  rects_.clear();
  for (const HeadlessMonitor& m : monitors_)
    rects_.push_back(ui::Bounds{m.leftPx * twipsPerPixel_, m.topPx * twipsPerPixel_,
                                m.widthPx * twipsPerPixel_, m.heightPx * twipsPerPixel_});
}

double HeadlessMetrics::TextHeight(const ui::Font& font) const {
  return std::round(static_cast<double>(font.size) * 20.0 * 4.0 / 3.0);
}

}  // namespace orvel::headless
