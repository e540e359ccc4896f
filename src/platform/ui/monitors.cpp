#include "platform/ui/monitors.h"

#include <algorithm>

namespace orvel::ui {

std::vector<Bounds> MonitorsOrScreen(const Screen& screen) {
  std::vector<Bounds> monitors = screen.Monitors();
  if (monitors.empty()) monitors.push_back({0, 0, screen.WidthTwips(), screen.HeightTwips()});
  return monitors;
}

bool OnAMonitor(const Bounds& window, const std::vector<Bounds>& monitors) {
  const double right = window.left + window.width, bottom = window.top + window.height;
  return std::any_of(monitors.begin(), monitors.end(), [&](const Bounds& m) {
    return window.left <= m.left + m.width && window.top <= m.top + m.height && right >= m.left &&
           bottom >= m.top;
  });
}

const Bounds& MonitorOf(const Bounds& window, const std::vector<Bounds>& monitors) {
  std::size_t best = 0;
  double bestArea = -1, bestDistance = 0;
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const Bounds& m = monitors[i];
    // Negative gaps are overlaps.
    const double dx =
        std::max(m.left - (window.left + window.width), window.left - (m.left + m.width));
    const double dy =
        std::max(m.top - (window.top + window.height), window.top - (m.top + m.height));
    const double area = dx < 0 && dy < 0 ? dx * dy : 0;
    const double distance = std::max(dx, 0.0) + std::max(dy, 0.0);
    if (area > bestArea || (area == 0 && bestArea == 0 && distance < bestDistance)) {
      best = i;
      bestArea = area;
      bestDistance = distance;
    }
  }
  return monitors[best];
}

}  // namespace orvel::ui
