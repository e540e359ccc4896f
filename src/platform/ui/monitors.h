#pragma once
// Where windows lie among the desktop's monitors, on the one scale of places that ui::Screen
// gives, for the windows that must never be lost off the screen.
#include <cstddef>
#include <vector>

#include "platform/ui/services.h"
#include "platform/ui/widget.h"

namespace orvel::ui {

// Every monitor's rectangle, the primary first; the primary screen alone when the system cannot
// list them.
std::vector<Bounds> MonitorsOrScreen(const Screen& screen);

// Whether any of `window` lies on one of `monitors`; edges that touch count, so that a corner on
// a monitor's right or bottom edge has.
bool OnAMonitor(const Bounds& window, const std::vector<Bounds>& monitors);

// The monitor `window` overlaps most, or, lying on none, the nearest one; the first of equals.
// `monitors` is not empty.
const Bounds& MonitorOf(const Bounds& window, const std::vector<Bounds>& monitors);

}  // namespace orvel::ui
