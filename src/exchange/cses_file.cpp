#include "exchange/cses_file.h"

#include "timetable/program_folder.h"
#include "timetable/read_problem.h"

namespace orvel::exchange {

CsesImport ImportCsesFile(const std::filesystem::path& file) {
  const FileBytes read = ReadWholeFile(file, kMaxCsesFileBytes);
  if (read.status == FileStatus::Ok) return ImportCses(read.bytes);
  CsesImport refused;
  refused.refusal = {0, read.status == FileStatus::TooLarge ? "文件太大，不是 CSES 课程表。"
                                                            : FileReadProblem(read.status)};
  return refused;
}

ExportTarget CheckExportTarget(const std::filesystem::path& file,
                               const std::filesystem::path& programFolder) {
  switch (WindowsFileNameFault(Utf8FromPath(file.filename()))) {
    case FileNameFault::ForbiddenCharacter:
      return ExportTarget::ForbiddenCharacter;
    case FileNameFault::DeviceName:
      return ExportTarget::DeviceName;
    case FileNameFault::None:
      break;
  }
  if (IsProgramOwnFile(programFolder, file)) return ExportTarget::ProgramFile;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return ExportTarget::NewFile;
  const FileBytes old = ReadWholeFile(file, kMaxCsesFileBytes);
  return old.status == FileStatus::Ok && LooksLikeCses(old.bytes) ? ExportTarget::CsesFile
                                                                  : ExportTarget::OtherFile;
}

CsesFileExport ExportCsesFile(const std::filesystem::path& file, const Timetable& timetable) {
  const CsesExport exported = ExportCses(timetable);
  return {ReplaceFileContents(file, exported.yaml), exported.cellsLeftOut};
}

}  // namespace orvel::exchange
