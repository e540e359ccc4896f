#pragma once
// The academic years the calendar row offers: the current year and five on either side.
#include <vector>
#include <string>

#include "platform/ui/controls.h"

namespace orvel::panel {

inline constexpr int kFirstListedYear = 1986;
inline constexpr int kLastListedYear = 2100;

// From the current year − 5 (not below 1986) to + 5 (not above 2100), as decimal texts.
std::vector<std::string> YearItems(int currentYear);

// Empties CmbYears, fills it and selects the current year, which runs its click handler as a
// user's choice would. A current year outside the list leaves it without selection.
void FillYears(ui::ComboBox& CmbYears, int currentYear);

}  // namespace orvel::panel
