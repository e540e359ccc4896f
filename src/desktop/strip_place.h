#pragma once
// Where the class strip goes: the user's own place while the whole strip lies in one monitor's
// work area; else inside the nearest one (the own place stays saved for when the monitors come
// back); with no own place, the top centre of the schedule window's monitor unless that would
// hide the schedule window, then just below it.
#include <optional>
#include <vector>

#include "platform/ui/widget.h"
#include "timetable/classroom_settings.h"

namespace orvel::desktop {

// Between the strip's first place and the top of its work area, or the schedule window above it,
// twips.
inline constexpr double kStripTopMargin = 120;

struct StripPlacing {
  std::optional<StripPlace> own;      // where the user left it
  double width = 0, height = 0;       // the strip's size on the desktop's scale, twips
  ui::Bounds schedule;                // the schedule window
  std::vector<ui::Bounds> workAreas;  // one a monitor; not empty
};

// The strip's rectangle on the desktop, twips.
ui::Bounds StripBounds(const StripPlacing& placing);

}  // namespace orvel::desktop
