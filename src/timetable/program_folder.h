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

// A name that stays a file inside "scd" on every system: not empty, and without a folder
// separator (\ or /), "..", a drive or any ":" (which also names a Windows file stream), nor a
// character Windows refuses in file names.
bool IsTimetableFileName(std::string_view scdFileName);

// programFolder / "scd" / scdFileName for real file access; nothing when IsTimetableFileName
// refuses the name.
std::optional<std::filesystem::path> TimetableFilePath(const std::filesystem::path& programFolder,
                                                       std::string_view scdFileName);

}  // namespace orvel
