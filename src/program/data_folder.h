#pragma once
// The one folder every file of the program is read from and written to: the folder an
// installation names in the registry, or else the program's own folder, as the unpacked ZIP has
// always run. Decided once at start; nothing else builds a base path for the program's files.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/platform.h"

namespace orvel::program {

enum class DataFolderProblem {
  None,
  CannotCreate,  // the named folder is missing and could not be made
  NotWritable,   // it is there, but a file cannot be written in it
};

struct DataFolder {
  std::filesystem::path folder;
  bool installed = false;  // named by an installation, not the program folder
  DataFolderProblem problem = DataFolderProblem::None;
  friend bool operator==(const DataFolder&, const DataFolder&) = default;
};

// What the decision asks of the disk; the tests answer from a table.
class FolderChecks {
 public:
  virtual ~FolderChecks() = default;
  virtual bool Exists(const std::filesystem::path& folder) = 0;
  virtual bool Create(const std::filesystem::path& folder) = 0;
  virtual bool CanWrite(const std::filesystem::path& folder) = 0;
};

// The registry's value when it is a full path (trailing separators dropped), made when missing;
// otherwise the program folder, taken as it is.
DataFolder DecideDataFolder(const std::optional<std::string>& registryValue,
                            const std::filesystem::path& programFolder, FolderChecks& checks);

// The decision over the real registry and disk. On the first start of an installation the
// shipped sample timetable is copied from the program folder into the data folder's "scd".
DataFolder FindDataFolder(ui::Platform& platform);

// The folder of the executable: the help files, the shipped sample and the auto-start target,
// which stay where the program is installed.
std::filesystem::path ExecutableFolder(ui::Platform& platform);

// Said once at start, under this title, when the data folder has a problem; empty when it has
// none.
inline constexpr std::string_view kDataFolderTitle = "数据文件夹";
std::string DataFolderProblemText(const DataFolder& dataFolder);

}  // namespace orvel::program
