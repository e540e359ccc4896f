#include <utility>

#include "timetable/field_reader.h"
#include "timetable/number_text.h"
#include "timetable/timetable_reader.h"

namespace orvel {

std::optional<Timetable> ParseGridTimetable(std::string_view fileBytes) {
  const FileText file = DecideFileText(fileBytes);
  FieldReader fields(file.body, file.encoding);
  const std::optional<std::string_view> rowsText = fields.NextRaw();
  const std::optional<std::string_view> colsText = fields.NextRaw();
  if (!rowsText || !colsText) return std::nullopt;
  const std::optional<std::int16_t> rows = ToInt16(*rowsText);
  const std::optional<std::int16_t> cols = ToInt16(*colsText);
  if (!rows || !cols) return std::nullopt;

  std::optional<Timetable> table = Timetable::WithSize(*rows, *cols);
  if (!table) return std::nullopt;
  for (int r = 0; r < *rows; ++r) {
    for (int c = 0; c < *cols; ++c) {
      std::optional<std::string> text = fields.Next();
      if (!text) return std::nullopt;
      table->SetCell(r, c, std::move(*text));
    }
  }
  return table;
}

}  // namespace orvel
