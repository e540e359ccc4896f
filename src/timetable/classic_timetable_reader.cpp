#include <utility>
#include <vector>

#include "timetable/file_text.h"
#include "timetable/timetable_parse_steps.h"
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

// The first `wanted` pieces between commas (fewer if the line has fewer); the table takes no
// more. An empty line is one empty piece.
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

// Pieces of the line beyond the first `skipped` that hold text.
int TextPiecesBeyond(std::string_view line, std::size_t skipped) {
  int count = 0;
  std::size_t piece = 0;
  for (;;) {
    const std::size_t comma = line.find(',');
    if (piece >= skipped && FieldHoldsText(line.substr(0, comma))) ++count;
    if (comma == std::string_view::npos) return count;
    line.remove_prefix(comma + 1);
    ++piece;
  }
}

}  // namespace

TimetableRead ParseClassicTimetableFile(std::string_view fileBytes) {
  TimetableRead read;
  const FileText text = DecideFileText(fileBytes);
  LineReader lines(text.body);
  const std::optional<std::string_view> countLine = lines.Next();
  const std::vector<std::string_view> counts =
      countLine ? SplitAtCommas(*countLine, 2) : std::vector<std::string_view>{};
  if (counts.size() < 2) {
    read.fault = ReadFault::NoCounts;
    return read;
  }
  std::optional<Timetable> table = TableForCounts(counts[0], counts[1], Edition::Classic, read);
  if (!table) return read;
  UnshownContent unshown;
  unshown.cells = TextPiecesBeyond(*countLine, 2);

  const auto wanted = static_cast<std::size_t>(read.cols);
  for (int r = 0; r < read.rows; ++r) {
    const std::optional<std::string_view> line = lines.Next();
    const std::vector<std::string_view> pieces =
        line ? SplitAtCommas(*line, wanted) : std::vector<std::string_view>{};
    if (pieces.size() < wanted) {
      read.fault = ReadFault::TooFewCells;
      return read;
    }
    unshown.cells += TextPiecesBeyond(*line, wanted);
    for (int c = 0; c < read.cols; ++c) {
      if (FieldLosesBytes(pieces[c], text.encoding)) ++unshown.undecodableCells;
      table->SetCell(r, c, DecodeField(pieces[c], text.encoding));
    }
  }
  while (const std::optional<std::string_view> line = lines.Next())
    if (LineHoldsText(*line)) ++unshown.rows;
  read.table = std::move(table);
  read.unshown = unshown;
  return read;
}

}  // namespace orvel
