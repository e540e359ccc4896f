#pragma once
// The description on the about page, composed each time the control panel loads.
#include <string>
#include <string_view>

#include "timetable/edition.h"

namespace orvel::panel {

struct ProgramVersion {
  int major = 0, minor = 0, revision = 0;
};

// Orvel2 2.0.x (the revision follows the build's project version), Schedule 1.3.3.
ProgramVersion EditionVersion(Edition edition);

// "Build" followed by the short date-time text cut after its first blank, blank included; a
// text without a blank (a midnight stamp has no time part) leaves "Build" alone.
std::string BuildLine(std::string_view shortDateTime);

// The lines, joined by a carriage return alone: "Schedule", "Tessaly" + version, the build line,
// an empty line, then the maker, the series, the rights holder, the years and the shop.
std::string AboutText(const ProgramVersion& version, std::string_view programTimeText);

}  // namespace orvel::panel
