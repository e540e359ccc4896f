#pragma once
// CSES files: read and import, export and write. A CSES file is UTF-8 always; its bytes go to
// the YAML library as they are, never through the ANSI codec of the timetable files.
#include <cstddef>
#include <filesystem>

#include "exchange/cses.h"
#include "platform/file_io.h"
#include "timetable/timetable.h"

namespace orvel::exchange {

// A full week of a crowded timetable is some tens of kilobytes of CSES; anything above this is
// not a timetable (and would cost the YAML library hundreds of bytes a node to hold).
inline constexpr std::size_t kMaxCsesFileBytes = 1u << 20;

// The file's timetable, or a refusal: the file cannot be read (missing, locked, too large) or
// ImportCses refuses its text.
CsesImport ImportCsesFile(const std::filesystem::path& file);

struct CsesFileExport {
  FileStatus status = FileStatus::Failed;  // as ReplaceFileContents gives it
  int cellsLeftOut = 0;                    // as ExportCses counts them
};

// Writes the timetable's CSES text to `file`, replacing an old file only once the new one is
// safely on disk; a failure leaves the old file as it was.
CsesFileExport ExportCsesFile(const std::filesystem::path& file, const Timetable& timetable);

}  // namespace orvel::exchange
