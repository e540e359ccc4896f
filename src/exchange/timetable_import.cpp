#include "exchange/timetable_import.h"

#include <system_error>
#include <utility>

#include "exchange/cses_file.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "timetable/program_folder.h"
#include "timetable/timetable_reader.h"

namespace orvel::exchange {
namespace {

ImportPreparation Refused(ImportRefusal::Kind kind) {
  ImportPreparation result;
  result.refusal.kind = kind;
  return result;
}

}  // namespace

std::optional<ImportKind> ImportKindOf(const std::filesystem::path& file) {
  const std::string extension = AsciiLower(Utf8FromPath(file.extension()));
  if (extension == ".yaml" || extension == ".yml") return ImportKind::Cses;
  if (extension == ".csv") return ImportKind::Csv;
  return std::nullopt;
}

ImportPreparation PrepareImport(const std::filesystem::path& file, Edition edition) {
  const std::optional<ImportKind> kind = ImportKindOf(file);
  if (!kind) return Refused(ImportRefusal::Kind::NotATimetableFile);
  FileBytes read =
      ReadWholeFile(file, *kind == ImportKind::Cses ? kMaxCsesFileBytes : kMaxTimetableFileBytes);
  if (read.status != FileStatus::Ok) {
    ImportPreparation refused = Refused(ImportRefusal::Kind::Unreadable);
    refused.refusal.importKind = *kind;
    refused.refusal.fileStatus = read.status;
    return refused;
  }
  ImportPreparation preparation =
      PrepareImportBytes(Utf8FromPath(file.filename()), std::move(read.bytes), edition);
  if (preparation.prepared) preparation.prepared->source = file;
  return preparation;
}

ImportPreparation PrepareImportBytes(std::string_view fileName, std::string bytes,
                                     Edition edition) {
  const std::filesystem::path name = PathFromUtf8(fileName);
  const std::optional<ImportKind> kind = ImportKindOf(name);
  if (!kind) return Refused(ImportRefusal::Kind::NotATimetableFile);

  PreparedImport prepared;
  prepared.kind = *kind;
  if (*kind == ImportKind::Cses) {
    CsesImport imported = ImportCses(bytes);
    if (!imported.timetable) {
      ImportPreparation refused = Refused(ImportRefusal::Kind::CsesRefused);
      refused.refusal.cses = std::move(imported.refusal);
      return refused;
    }
    const Timetable& table = *imported.timetable;
    // The same size read from its CSV would be refused by the edition's reader.
    if (!EditionShows(table.rows(), table.cols(), edition)) {
      ImportPreparation refused = Refused(ImportRefusal::Kind::TimetableRefused);
      refused.refusal.read.fault = ReadFault::SizeRefused;
      refused.refusal.read.edition = edition;
      refused.refusal.read.rows = table.rows();
      refused.refusal.read.cols = table.cols();
      return refused;
    }
    prepared.timetable = std::move(*imported.timetable);
    prepared.scdFileName = Utf8FromPath(name.stem()) + ".csv";
  } else {
    TimetableRead parsed = ParseTimetableFile(bytes, edition);
    if (!parsed.table) {
      ImportPreparation refused = Refused(ImportRefusal::Kind::TimetableRefused);
      refused.refusal.importKind = ImportKind::Csv;
      refused.refusal.read = std::move(parsed);
      return refused;
    }
    prepared.timetable = std::move(*parsed.table);
    prepared.csvBytes = std::move(bytes);
    prepared.scdFileName = std::string(fileName);
  }
  if (!IsTimetableFileName(prepared.scdFileName)) {
    ImportPreparation refused = Refused(ImportRefusal::Kind::UnusableName);
    refused.refusal.importKind = prepared.kind;
    refused.refusal.scdFileName = std::move(prepared.scdFileName);
    return refused;
  }
  return {std::move(prepared), {}};
}

std::optional<std::string> ImportedBytes(const PreparedImport& prepared) {
  if (prepared.kind == ImportKind::Csv) return prepared.csvBytes;
  return FormatTimetable(prepared.timetable);
}

std::filesystem::path ImportTarget(const PreparedImport& prepared,
                                   const std::filesystem::path& programFolder) {
  return TimetableFolder(programFolder) / PathFromUtf8(prepared.scdFileName);
}

bool ImportsInPlace(const PreparedImport& prepared, const std::filesystem::path& programFolder) {
  if (prepared.kind != ImportKind::Csv) return false;
  std::error_code ec;
  return std::filesystem::equivalent(prepared.source, ImportTarget(prepared, programFolder), ec);
}

bool ImportReplacesAFile(const PreparedImport& prepared,
                         const std::filesystem::path& programFolder) {
  std::error_code ec;
  return std::filesystem::exists(ImportTarget(prepared, programFolder), ec) &&
         !ImportsInPlace(prepared, programFolder);
}

SaveResult WriteImport(const PreparedImport& prepared, const std::filesystem::path& programFolder,
                       Edition edition) {
  SaveResult result;
  result.status = SaveStatus::Saved;
  if (ImportsInPlace(prepared, programFolder)) return result;
  std::error_code ec;
  std::filesystem::create_directories(TimetableFolder(programFolder), ec);
  if (prepared.kind == ImportKind::Cses)
    return ScdSave(programFolder, prepared.scdFileName, prepared.timetable, edition);
  result.status =
      SaveStatusOf(ReplaceFileContents(ImportTarget(prepared, programFolder), prepared.csvBytes));
  return result;
}

}  // namespace orvel::exchange
