#pragma once
// Writes the school calendar file that the control panel generates.
#include <filesystem>
#include <string_view>

namespace orvel {

enum class CalendarExport {
  Written,
  FileInUse,  // access denied: held open by another program, or read-only; left as it was
  Failed,     // no term dates for the year, or the file or the "csv" folder could not be made
};

// Writes the calendar named by the area and year texts of the control panel to
// CalendarFilePath(programFolder, CalendarLabel(areaText, yearText)), in the ANSI code page,
// replacing an earlier one. A missing "csv" folder is created once. On any outcome but Written
// no calendar file is left behind that was not there before.
CalendarExport ExportCalendar(const std::filesystem::path& programFolder, std::string_view areaText,
                              std::string_view yearText);

}  // namespace orvel
