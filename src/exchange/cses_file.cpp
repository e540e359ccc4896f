#include "exchange/cses_file.h"

#include "timetable/program_folder.h"

namespace orvel::exchange {

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
