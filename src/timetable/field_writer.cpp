#include "timetable/field_writer.h"

namespace orvel {

std::string QuoteIfSplitting(std::string_view text) {
  const bool splits = text.find_first_of(",\r\n") != std::string_view::npos;
  if (!splits || text.find('"') != std::string_view::npos) return std::string(text);
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  quoted += text;
  quoted += '"';
  return quoted;
}

}  // namespace orvel
