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

// Whether the two share any area; edges that only touch do not.
bool Overlap(const Bounds& a, const Bounds& b);
// Whether the whole of `inner` lies inside `outer`.
bool Contains(const Bounds& outer, const Bounds& inner);

// The work areas of the monitors (Screen::WorkAreas), or their rectangles when the system cannot
// tell them apart, in the order of MonitorsOrScreen.
std::vector<Bounds> WorkAreasOrMonitors(const Screen& screen);

// Whether the whole of `window` lies inside one of `areas`.
bool InsideOne(const Bounds& window, const std::vector<Bounds>& areas);

// `window` moved as little as needed to lie inside `area`; wider or taller than the area, it
// starts at the area's left or top edge.
Bounds MovedInside(const Bounds& window, const Bounds& area);

// Whether any of `window` lies on one of `monitors`; edges that touch count, so that a corner on
// a monitor's right or bottom edge has.
bool OnAMonitor(const Bounds& window, const std::vector<Bounds>& monitors);

// The monitor `window` overlaps most, or, lying on none, the nearest one; the first of equals.
// `monitors` is not empty.
const Bounds& MonitorOf(const Bounds& window, const std::vector<Bounds>& monitors);

}  // namespace orvel::ui
