#include "exchange/cses_file.h"

#include "exchange/file_read_problem.h"

namespace orvel::exchange {

CsesImport ImportCsesFile(const std::filesystem::path& file) {
  const FileBytes read = ReadWholeFile(file, kMaxCsesFileBytes);
  if (read.status == FileStatus::Ok) return ImportCses(read.bytes);
  CsesImport refused;
  refused.refusal = {0, read.status == FileStatus::TooLarge ? "文件太大，不是 CSES 课程表。"
                                                            : FileReadProblem(read.status)};
  return refused;
}

CsesFileExport ExportCsesFile(const std::filesystem::path& file, const Timetable& timetable) {
  const CsesExport exported = ExportCses(timetable);
  return {ReplaceFileContents(file, exported.yaml), exported.cellsLeftOut};
}

}  // namespace orvel::exchange
