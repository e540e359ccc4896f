#include "calendar/calendar_export.h"

#include <string>
#include <system_error>

#include "calendar/calendar_label.h"
#include "calendar/calendar_text.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"

namespace orvel {
namespace {

CalendarExport FromStatus(FileStatus status) {
  switch (status) {
    case FileStatus::Ok:
      return CalendarExport::Written;
    case FileStatus::AccessDenied:
      return CalendarExport::FileInUse;
    default:
      return CalendarExport::Failed;
  }
}

}  // namespace

CalendarExport ExportCalendar(const std::filesystem::path& programFolder, std::string_view areaText,
                              std::string_view yearText) {
  // Check the year before touching the disk: a year without term dates gets no file at all.
  const auto autumnYear = AutumnYearFromText(yearText);
  if (!autumnYear) return CalendarExport::Failed;
  const std::string label = CalendarLabel(areaText, yearText);
  const auto text = CalendarText(label, *autumnYear);
  if (!text) return CalendarExport::Failed;

  const std::string bytes = Utf8ToAnsi(*text);
  const std::filesystem::path file = CalendarFilePath(programFolder, label);
  const FileStatus status = ReplaceFileContents(file, bytes);
  if (status != FileStatus::NotFound) return FromStatus(status);

  // First calendar of this installation: make "csv" (one level only) and try once more.
  std::error_code ec;
  std::filesystem::create_directory(CalendarFolder(programFolder), ec);
  if (ec) return CalendarExport::Failed;
  return ReplaceFileContents(file, bytes) == FileStatus::Ok ? CalendarExport::Written
                                                            : CalendarExport::Failed;
}

}  // namespace orvel
