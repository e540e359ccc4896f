#include "timetable/timetable_writer.h"

#include <optional>

#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "timetable/field_writer.h"
#include "timetable/program_folder.h"

namespace orvel {

std::string FormatTimetable(const Timetable& timetable) {
  std::string out = std::to_string(timetable.rows()) + "," + std::to_string(timetable.cols());
  out += "\r\n";
  for (int r = 0; r < timetable.rows(); ++r) {
    for (int c = 0; c < timetable.cols(); ++c) {
      if (c > 0) out += ',';
      out += QuoteIfSplitting(Utf8ToAnsi(timetable.cell(r, c)));
    }
    out += "\r\n";
  }
  return out;
}

std::string ScdSave(const std::filesystem::path& programFolder, std::string_view scdFile,
                    const Timetable& timetable) {
  const std::optional<std::filesystem::path> file = TimetableFilePath(programFolder, scdFile);
  if (!file) return std::string(kSaveFailed);
  switch (ReplaceFileContents(*file, FormatTimetable(timetable))) {
    case FileStatus::Ok:
      return std::string(kSaveSuccess);
    case FileStatus::AccessDenied:
      return std::string(kSaveFileReadOnly);
    default:
      return std::string(kSaveFailed);
  }
}

}  // namespace orvel
