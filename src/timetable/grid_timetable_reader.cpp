#include <utility>

#include "timetable/field_reader.h"
#include "timetable/timetable_parse_steps.h"
#include "timetable/timetable_reader.h"

namespace orvel {
namespace {

// Where the fields of the file fall on its lines, line 0 the count line: whether each of the
// lines up to the last row's holds the fields it should (the two counts, or cols cells) and how
// many beyond, and which lines after them hold text.
class LineTally {
 public:
  LineTally(int rows, int cols) : rows_(rows), cols_(cols) {}

  void Add(bool endedLine, bool holdsText) {
    if (line_ <= rows_) {
      ++fieldsOnLine_;
    } else if (holdsText && !lineHadText_) {
      ++textLinesBeyond_;
      lineHadText_ = true;
    }
    if (!endedLine) return;
    if (line_ <= rows_) {
      const int wanted = line_ == 0 ? 2 : cols_;
      if (fieldsOnLine_ < wanted) oneRowALine_ = false;
      surplus_ += fieldsOnLine_ - wanted;
    }
    ++line_;
    fieldsOnLine_ = 0;
    lineHadText_ = false;
  }

  // Laid out as the writers lay a file out, one row a line, with surplus fields perhaps.
  bool OneRowALine() const { return oneRowALine_ && line_ > rows_; }
  int SurplusFields() const { return surplus_; }
  int TextLinesBeyond() const { return textLinesBeyond_; }

 private:
  int rows_, cols_;
  int line_ = 0;
  int fieldsOnLine_ = 0;
  bool lineHadText_ = false;
  bool oneRowALine_ = true;
  int surplus_ = 0;
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
  LineTally lines(read.rows, read.cols);
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
      if (FieldLosesBytes(*raw, file.encoding)) ++unshown.undecodableCells;
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

  if (lines.OneRowALine()) {
    unshown.cells = lines.SurplusFields();
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
