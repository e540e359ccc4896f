#include "platform/ui/monitors.h"

#include <algorithm>

namespace orvel::ui {

std::vector<Bounds> MonitorsOrScreen(const Screen& screen) {
  std::vector<Bounds> monitors = screen.Monitors();
  if (monitors.empty()) monitors.push_back({0, 0, screen.WidthTwips(), screen.HeightTwips()});
  return monitors;
}

bool Overlap(const Bounds& a, const Bounds& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

bool Contains(const Bounds& outer, const Bounds& inner) {
  return outer.left <= inner.left && outer.top <= inner.top &&
         outer.left + outer.width >= inner.left + inner.width &&
         outer.top + outer.height >= inner.top + inner.height;
}

std::vector<Bounds> WorkAreasOrMonitors(const Screen& screen) {
  std::vector<Bounds> monitors = MonitorsOrScreen(screen);
  std::vector<Bounds> areas = screen.WorkAreas();
  // A list that does not match the monitors one to one is no answer.
  return areas.size() == monitors.size() ? areas : monitors;
}

bool InsideOne(const Bounds& window, const std::vector<Bounds>& areas) {
  return std::any_of(areas.begin(), areas.end(),
                     [&](const Bounds& area) { return Contains(area, window); });
}

Bounds MovedInside(const Bounds& window, const Bounds& area) {
  const auto into = [](double at, double size, double start, double length) {
    return size >= length ? start : std::clamp(at, start, start + length - size);
  };
  return {into(window.left, window.width, area.left, area.width),
          into(window.top, window.height, area.top, area.height), window.width, window.height};
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
