#include "timetable/setting_choices.h"

#include "timetable/number_text.h"

namespace orvel {

std::optional<int> CalendarArea::ListIndex() const {
  // The number as the window writes it, read back as a list position.
  if (const std::optional<std::int16_t> index = ToInt16(StoredText())) return *index;
  return std::nullopt;
}

CalendarArea CalendarArea::FromStoredText(std::string_view text) {
  return CalendarArea(LeadingValue(text));
}

std::string CalendarArea::StoredText() const {
  return FormatShortest(stored_);
}

}  // namespace orvel
