#include "exchange/cses_file.h"

namespace orvel::exchange {

CsesImport ImportCsesFile(const std::filesystem::path& file) {
  const FileBytes read = ReadWholeFile(file, kMaxCsesFileBytes);
  const char* problem = "无法读取这个文件。";
  switch (read.status) {
    case FileStatus::Ok:
      return ImportCses(read.bytes);
    case FileStatus::NotFound:
      problem = "找不到这个文件。";
      break;
    case FileStatus::AccessDenied:
      problem = "无法读取这个文件：没有权限，或文件正被其他程序使用。";
      break;
    case FileStatus::TooLarge:
      problem = "文件太大，不是 CSES 课程表。";
      break;
    case FileStatus::Failed:
      break;
  }
  CsesImport refused;
  refused.refusal = {0, problem};
  return refused;
}

CsesFileExport ExportCsesFile(const std::filesystem::path& file, const Timetable& timetable) {
  const CsesExport exported = ExportCses(timetable);
  return {ReplaceFileContents(file, exported.yaml), exported.cellsLeftOut};
}

}  // namespace orvel::exchange
