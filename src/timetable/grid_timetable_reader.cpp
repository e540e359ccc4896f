#include <utility>
#include <vector>

#include "timetable/field_reader.h"
#include "timetable/timetable_parse_steps.h"
#include "timetable/timetable_reader.h"

namespace orvel {
namespace {

// Where the fields of the file fall on its lines, line 0 the count line, as far as the rows
// announced reach; what lies beyond them is only tallied.
class LineTally {
 public:
  explicit LineTally(int rows) : fieldsOnLine_(1, 0), lastCounted_(rows) {}

  // One more field, ending its line or not; whether it holds text.
  void Add(bool endedLine, bool holdsText) {
    if (line_ <= lastCounted_) {
      ++fieldsOnLine_.back();
    } else if (holdsText && !lineHadText_) {
      ++textLinesBeyond_;
      lineHadText_ = true;
    }
    if (endedLine) {
      ++line_;
      lineHadText_ = false;
      if (line_ <= lastCounted_) fieldsOnLine_.push_back(0);
    }
  }
  // Every row on a line of its own with at least cols fields, and line 1 with both counts: the
  // file is laid out as the writers lay it out, one row a line.
  bool OneRowALine(int cols) const {
    if (static_cast<int>(fieldsOnLine_.size()) <= lastCounted_ || fieldsOnLine_[0] < 2)
      return false;
    for (std::size_t i = 1; i < fieldsOnLine_.size(); ++i)
      if (fieldsOnLine_[i] < cols) return false;
    return true;
  }
  // On such a file, the fields beyond the counts and the columns.
  int SurplusFields(int cols) const {
    int surplus = fieldsOnLine_[0] - 2;
    for (std::size_t i = 1; i < fieldsOnLine_.size(); ++i) surplus += fieldsOnLine_[i] - cols;
    return surplus;
  }
  // Lines after the announced rows holding text.
  int TextLinesBeyond() const { return textLinesBeyond_; }

 private:
  std::vector<int> fieldsOnLine_;
  int lastCounted_;
  int line_ = 0;
  bool lineHadText_ = false;
  int textLinesBeyond_ = 0;
};

}  // namespace

TimetableRead ParseGridTimetableFile(std::string_view fileBytes) {
  TimetableRead read;
  const FileText file = DecideFileText(fileBytes);
  FieldReader fields(file.body, file.encoding);
  const std::optional<std::string_view> rowsText = fields.NextRaw();
  const bool rowsEndedLine = fields.EndedLine();
  const std::optional<std::string_view> colsText = fields.NextRaw();
  if (!rowsText || !colsText) {
    read.fault = ReadFault::NoCounts;
    return read;
  }
  std::optional<Timetable> table = TableForCounts(*rowsText, *colsText, Edition::Grid, read);
  if (!table) return read;

  UnshownContent unshown;
  LineTally lines(read.rows);
  lines.Add(rowsEndedLine, true);
  lines.Add(fields.EndedLine(), true);
  for (int r = 0; r < read.rows; ++r) {
    for (int c = 0; c < read.cols; ++c) {
      const std::optional<std::string_view> raw = fields.NextRaw();
      if (!raw) {
        read.fault = ReadFault::TooFewCells;
        return read;
      }
      lines.Add(fields.EndedLine(), FieldHoldsText(*raw));
      if (FieldLosesBytes(*raw, file)) ++unshown.undecodableCells;
      table->SetCell(r, c, DecodeField(*raw, file.encoding));
    }
  }

  // The fields the stream leaves: those on the rest of the last cell's line, then whole lines.
  bool onLastCellLine = !fields.EndedLine();
  int textFieldsLeft = 0;
  int textLinesLeft = 0;
  bool lineHadText = false;
  while (const std::optional<std::string_view> raw = fields.NextRaw()) {
    const bool holdsText = FieldHoldsText(*raw);
    const bool endedLine = fields.EndedLine();
    lines.Add(endedLine, holdsText);
    if (holdsText && onLastCellLine) ++textFieldsLeft;
    if (holdsText && !onLastCellLine && !lineHadText) {
      ++textLinesLeft;
      lineHadText = true;
    }
    if (endedLine) {
      onLastCellLine = false;
      lineHadText = false;
    }
  }

  if (lines.OneRowALine(read.cols)) {
    unshown.cells = lines.SurplusFields(read.cols);
    unshown.shifted = unshown.cells > 0;
    unshown.rows = lines.TextLinesBeyond();
  } else {
    // Fields spread over lines as the stream allows: what is left after the last cell.
    unshown.cells = textFieldsLeft;
    unshown.rows = textLinesLeft;
  }
  read.table = std::move(table);
  read.unshown = unshown;
  return read;
}

}  // namespace orvel
