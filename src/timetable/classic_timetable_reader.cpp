#include <vector>

#include "timetable/file_text.h"
#include "timetable/number_text.h"
#include "timetable/timetable_reader.h"

namespace orvel {
namespace {

class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : rest_(bytes) {}

  // The next line without its line end; nothing after the last one.
  std::optional<std::string_view> Next() {
    if (rest_.empty()) return std::nullopt;
    const std::size_t end = rest_.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      const std::string_view line = rest_;
      rest_.remove_prefix(rest_.size());
      return line;
    }
    const std::string_view line = rest_.substr(0, end);
    const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
    rest_.remove_prefix(end + (crlf ? 2 : 1));
    return line;
  }

 private:
  std::string_view rest_;
};

// The first `wanted` pieces between commas (fewer if the line has fewer); the rest of the line
// is never needed. An empty line is one empty piece.
std::vector<std::string_view> SplitAtCommas(std::string_view line, std::size_t wanted) {
  std::vector<std::string_view> pieces;
  while (pieces.size() < wanted) {
    const std::size_t comma = line.find(',');
    pieces.push_back(line.substr(0, comma));
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  return pieces;
}

}  // namespace

std::optional<Timetable> ParseClassicTimetable(std::string_view fileBytes) {
  const FileText text = DecideFileText(fileBytes);
  LineReader lines(text.body);
  const std::optional<std::string_view> countLine = lines.Next();
  if (!countLine) return std::nullopt;
  const std::vector<std::string_view> counts = SplitAtCommas(*countLine, 2);
  if (counts.size() < 2) return std::nullopt;
  const std::optional<std::int16_t> rows = ToInt16(counts[0]);
  const std::optional<std::int16_t> cols = ToInt16(counts[1]);
  if (!rows || !cols) return std::nullopt;

  std::optional<Timetable> table = Timetable::WithSize(*rows, *cols);
  if (!table) return std::nullopt;
  for (int r = 0; r < *rows; ++r) {
    const std::optional<std::string_view> line = lines.Next();
    if (!line) return std::nullopt;
    const auto wanted = static_cast<std::size_t>(*cols);
    const std::vector<std::string_view> pieces = SplitAtCommas(*line, wanted);
    if (pieces.size() < wanted) return std::nullopt;
    for (int c = 0; c < *cols; ++c) table->SetCell(r, c, DecodeField(pieces[c], text.encoding));
  }
  return table;
}

}  // namespace orvel
