#include "desktop/strip_place.h"

#include <cmath>

#include "platform/ui/monitors.h"

namespace orvel::desktop {

ui::Bounds StripBounds(const StripPlacing& p) {
  if (p.own) {
    const ui::Bounds own{static_cast<double>(p.own->left), static_cast<double>(p.own->top), p.width,
                         p.height};
    if (ui::InsideOne(own, p.workAreas)) return own;
    // A monitor gone or shrunk (the projector at a lower resolution): a sliver on it is no place.
    return ui::MovedInside(own, ui::MonitorOf(own, p.workAreas));
  }
  const ui::Bounds& area = ui::MonitorOf(p.schedule, p.workAreas);
  ui::Bounds strip = ui::MovedInside({area.left + std::round((area.width - p.width) / 2),
                                      area.top + kStripTopMargin, p.width, p.height},
                                     area);
  if (!ui::Overlap(strip, p.schedule)) return strip;
  strip.top = p.schedule.top + p.schedule.height + kStripTopMargin;
  return ui::MovedInside(strip, area);
}

}  // namespace orvel::desktop
