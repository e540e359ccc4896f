#include "exchange/timetable_import.h"

#include <system_error>
#include <utility>

#include "exchange/cses_file.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "timetable/program_folder.h"
#include "timetable/read_problem.h"
#include "timetable/timetable_reader.h"

namespace orvel::exchange {
namespace {

constexpr std::string_view kKindRefusal =
    "只能导入 CSES 课程表（.yaml 或 .yml 文件）和 CSV 课程表（.csv 文件）。";

ImportPreparation Refused(std::string reason) {
  ImportPreparation result;
  result.refusal = std::move(reason);
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
  if (!kind) return Refused(std::string(kKindRefusal));
  FileBytes read =
      ReadWholeFile(file, *kind == ImportKind::Cses ? kMaxCsesFileBytes : kMaxTimetableFileBytes);
  if (read.status != FileStatus::Ok)
    return Refused(*kind == ImportKind::Cses && read.status == FileStatus::TooLarge
                       ? "文件太大，不是 CSES 课程表。"
                       : FileReadProblem(read.status));
  ImportPreparation preparation =
      PrepareImportBytes(Utf8FromPath(file.filename()), std::move(read.bytes), edition);
  if (preparation.prepared) preparation.prepared->source = file;
  return preparation;
}

ImportPreparation PrepareImportBytes(std::string_view fileName, std::string bytes,
                                     Edition edition) {
  const std::filesystem::path name = PathFromUtf8(fileName);
  const std::optional<ImportKind> kind = ImportKindOf(name);
  if (!kind) return Refused(std::string(kKindRefusal));

  PreparedImport prepared;
  prepared.kind = *kind;
  if (*kind == ImportKind::Cses) {
    CsesImport imported = ImportCses(bytes);
    if (!imported.timetable) return Refused(imported.refusal.Message());
    const Timetable& table = *imported.timetable;
    // The same size read from its CSV would be refused by the edition's reader.
    if (!EditionShows(table.rows(), table.cols(), edition)) {
      TimetableRead tooLarge;
      tooLarge.fault = ReadFault::SizeRefused;
      tooLarge.edition = edition;
      tooLarge.rows = table.rows();
      tooLarge.cols = table.cols();
      return Refused(TimetableReadProblem(tooLarge, {}));
    }
    prepared.timetable = std::move(*imported.timetable);
    prepared.scdFileName = Utf8FromPath(name.stem()) + ".csv";
  } else {
    TimetableRead parsed = ParseTimetableFile(bytes, edition);
    if (!parsed.table) return Refused(TimetableReadProblem(parsed, {}));
    prepared.timetable = std::move(*parsed.table);
    prepared.csvBytes = std::move(bytes);
    prepared.scdFileName = std::string(fileName);
  }
  if (!IsTimetableFileName(prepared.scdFileName)) {
    TimetableRead unusable;
    unusable.fault = ReadFault::UnusableName;
    return Refused(TimetableReadProblem(unusable, prepared.scdFileName) + "请先给文件改名。");
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
