#pragma once
// Steps both editions' timetable readers take alike.
#include <optional>
#include <string_view>

#include "timetable/edition.h"
#include "timetable/timetable.h"
#include "timetable/timetable_read.h"

namespace orvel {

// Line 1's two counts as texts into read.rows and read.cols, and the empty table of that size.
// Nothing, with read.fault set, when they are not numbers or the edition cannot show that size.
std::optional<Timetable> TableForCounts(std::string_view rowsText, std::string_view colsText,
                                        Edition edition, TimetableRead& read);

// Something other than blanks; a line also needs more than commas.
bool FieldHoldsText(std::string_view field);
bool LineHoldsText(std::string_view line);

}  // namespace orvel
