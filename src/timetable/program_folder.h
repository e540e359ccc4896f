#pragma once
// Where the program keeps its files: settings beside the program, timetables in "scd".
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// The program folder as shown to the user, ready to have a file name appended: a drive root
// ("C:\", exactly three characters) already ends in a backslash, any other folder gets one.
std::string ProgramFolderPrefix(std::string_view folderText);

// programFolder / "scd" / scdFileName for real file access. Nothing when the name is empty or
// carries a root of its own, which would otherwise send the file outside "scd".
std::optional<std::filesystem::path> TimetableFilePath(const std::filesystem::path& programFolder,
                                                       std::string_view scdFileName);

}  // namespace orvel
