#pragma once
// A timetable file the user hands the program (dropped on the window, chosen in the open dialog
// or named on the command line), made ready for "scd" and put there: a CSES file becomes a
// timetable saved as scd\<its base name>.csv; a CSV timetable file is copied there unchanged.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "exchange/cses.h"
#include "platform/file_io.h"
#include "timetable/edition.h"
#include "timetable/timetable.h"
#include "timetable/timetable_read.h"
#include "timetable/timetable_writer.h"

namespace orvel::exchange {

enum class ImportKind { Cses, Csv };

// By the extension, in any case: .yaml and .yml are CSES, .csv a timetable file; nothing else.
std::optional<ImportKind> ImportKindOf(const std::filesystem::path& file);

struct PreparedImport {
  ImportKind kind = ImportKind::Cses;
  std::filesystem::path source;
  std::string scdFileName;  // the name inside "scd" it becomes
  Timetable timetable;      // what the file holds, as the edition will read it back
  std::string csvBytes;     // a CSV file's bytes, copied as they are
};

// Why a file is not imported; the shell says it to the user.
struct ImportRefusal {
  enum class Kind {
    None,
    NotATimetableFile,  // neither .yaml, .yml nor .csv
    Unreadable,         // the file cannot be read: `fileStatus`
    CsesRefused,        // `cses`
    TimetableRefused,   // the table the edition would not read: `read` (its fault, counts)
    UnusableName,       // `scdFileName` cannot be a file of "scd"
  };
  Kind kind = Kind::None;
  ImportKind importKind = ImportKind::Cses;
  FileStatus fileStatus = FileStatus::Ok;
  CsesRefusal cses;
  TimetableRead read;
  std::string scdFileName;
  friend bool operator==(const ImportRefusal&, const ImportRefusal&) = default;
};

struct ImportPreparation {
  std::optional<PreparedImport> prepared;
  ImportRefusal refusal;  // the first problem, when nothing is prepared
};

// Reads and checks the file and writes nothing. A CSV file must read as a timetable the way
// `edition` reads it (ANSI or UTF-8), or it would fail at the load and replace the window's
// table by the empty default.
ImportPreparation PrepareImport(const std::filesystem::path& file, Edition edition);

// The same for bytes fetched from elsewhere, as a file named `fileName` (its extension gives the
// kind, its name the name in "scd") would hold them.
ImportPreparation PrepareImportBytes(std::string_view fileName, std::string bytes, Edition edition);

// What WriteImport would put in "scd"; nothing when a cell cannot be carried.
std::optional<std::string> ImportedBytes(const PreparedImport& prepared);

// The file the import would write: programFolder / "scd" / scdFileName.
std::filesystem::path ImportTarget(const PreparedImport& prepared,
                                   const std::filesystem::path& programFolder);

// The source is the target itself (a file of "scd" dropped back on the window): nothing to copy.
bool ImportsInPlace(const PreparedImport& prepared, const std::filesystem::path& programFolder);

// Another file of that name is in "scd" and would be replaced.
bool ImportReplacesAFile(const PreparedImport& prepared,
                         const std::filesystem::path& programFolder);

// Puts the file into "scd", made when missing: a CSES timetable through ScdSave (nothing is
// written when a cell cannot be carried), a CSV's bytes with the same safe replacement, nothing
// at all in place.
SaveResult WriteImport(const PreparedImport& prepared, const std::filesystem::path& programFolder,
                       Edition edition);

}  // namespace orvel::exchange
