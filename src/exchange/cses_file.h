#pragma once
// CSES files: the size they may have, and exports written over a file. A CSES file is UTF-8
// always; its bytes go to the YAML library as they are, never through the ANSI codec of the
// timetable files.
#include <cstddef>
#include <filesystem>

#include "exchange/cses.h"
#include "platform/file_io.h"
#include "timetable/timetable.h"

namespace orvel::exchange {

// A full week of a crowded timetable is some tens of kilobytes of CSES; anything above this is
// not a timetable (and would cost the YAML library hundreds of bytes a node to hold).
inline constexpr std::size_t kMaxCsesFileBytes = 1u << 20;

struct CsesFileExport {
  FileStatus status = FileStatus::Failed;  // as ReplaceFileContents gives it
  int cellsLeftOut = 0;                    // as ExportCses counts them
};

// What an export would write over.
enum class ExportTarget {
  NewFile,             // nothing there yet (or nothing a file could replace)
  CsesFile,            // a CSES file, which an export replaces
  OtherFile,           // a file that is not CSES: replaced only when the user has confirmed
  ProgramFile,         // one of the program's own files (IsProgramOwnFile): never replaced
  ForbiddenCharacter,  // the file's name holds a character Windows refuses in names
  DeviceName,          // the file's name is a device name (NUL, CON, COM1 ...)
};

// `file` relative to the current folder, or absolute.
ExportTarget CheckExportTarget(const std::filesystem::path& file,
                               const std::filesystem::path& programFolder);

// Writes the timetable's CSES text to `file`, replacing an old file only once the new one is
// safely on disk; a failure leaves the old file as it was.
CsesFileExport ExportCsesFile(const std::filesystem::path& file, const Timetable& timetable);

}  // namespace orvel::exchange
