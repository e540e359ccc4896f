#include "program/data_folder.h"

#include <system_error>

#include "platform/file_io.h"
#include "timetable/program_folder.h"

namespace orvel::program {
namespace {

class DiskChecks : public FolderChecks {
 public:
  bool Exists(const std::filesystem::path& folder) override {
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec);
  }
  bool Create(const std::filesystem::path& folder) override {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return !ec && Exists(folder);
  }
  bool CanWrite(const std::filesystem::path& folder) override {
    // Only writing shows it: Program Files denies a user's write without any attribute saying so.
    const std::filesystem::path probe = folder / "orvel2.write-test.tmp";
    const bool written = ReplaceFileContents(probe, "") == FileStatus::Ok;
    std::error_code ec;
    std::filesystem::remove(probe, ec);
    return written;
  }
};

// "D:\Orvel2\" and "D:\Orvel2" are one folder; "D:\" keeps its separator.
std::filesystem::path WithoutTrailingSeparator(std::filesystem::path folder) {
  while (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
  return folder;
}

void CopySampleOnFirstStart(const std::filesystem::path& executableFolder,
                            const std::filesystem::path& dataFolder) {
  const std::filesystem::path scd = TimetableFolder(dataFolder);
  std::error_code ec;
  // Only a data folder without "scd" has never been started from: a deleted sample stays deleted.
  if (std::filesystem::exists(scd, ec) || ec) return;
  const std::filesystem::path sample = TimetableFolder(executableFolder) / "Schedule.csv";
  if (!std::filesystem::exists(sample, ec)) return;
  std::filesystem::create_directories(scd, ec);
  if (!ec) std::filesystem::copy_file(sample, scd / "Schedule.csv", ec);
}

}  // namespace

DataFolder DecideDataFolder(const std::optional<std::string>& registryValue,
                            const std::filesystem::path& programFolder, FolderChecks& checks) {
  const std::filesystem::path named = registryValue
                                           ? WithoutTrailingSeparator(PathFromUtf8(*registryValue))
                                           : std::filesystem::path();
  // A relative or empty value names no folder anyone could find again. The program folder is
  // not probed: the unpacked ZIP starts as it always has, each save saying what it could not write.
  if (!named.is_absolute()) return {programFolder, false, DataFolderProblem::None};
  if (!checks.Exists(named) && !checks.Create(named))
    return {named, true, DataFolderProblem::CannotCreate};
  return {named, true,
          checks.CanWrite(named) ? DataFolderProblem::None : DataFolderProblem::NotWritable};
}

std::filesystem::path ExecutableFolder(ui::Platform& platform) {
  return platform.ProgramFolder();
}

DataFolder FindDataFolder(ui::Platform& platform) {
  DiskChecks checks;
  const std::filesystem::path executableFolder = ExecutableFolder(platform);
  const DataFolder found = DecideDataFolder(
      platform.registry().ReadString(ui::RegistryRoot::LocalMachine,
                                     std::string(kInstallationKey), std::string(kDataFolderValue)),
      executableFolder, checks);
  if (found.installed && found.problem == DataFolderProblem::None)
    CopySampleOnFirstStart(executableFolder, found.folder);
  return found;
}

std::string DataFolderProblemText(const DataFolder& dataFolder) {
  const std::string folder = Utf8FromPath(dataFolder.folder);
  switch (dataFolder.problem) {
    case DataFolderProblem::None:
      return {};
    case DataFolderProblem::CannotCreate:
      return "数据文件夹 " + folder + " 不存在，也无法创建；课表和设置将无法保存，请联系管理员。";
    case DataFolderProblem::NotWritable:
      return "数据文件夹 " + folder + " 无法写入；课表和设置将无法保存，请联系管理员。";
  }
  return {};
}

}  // namespace orvel::program
