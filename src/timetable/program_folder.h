#pragma once
// Where the program keeps its files: settings beside the program, timetables in "scd".
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// HKLM\SOFTWARE\Orvel2 in the 64-bit view, written by the MSI: DataFolder, the folder of every
// file the program reads and writes (program/data_folder.h), and StartsWithWindows, the edition
// the installation starts for every user ("Orvel2", "Schedule" or "none"; desktop/auto_start.h).
inline constexpr std::string_view kInstallationKey = "SOFTWARE\\Orvel2";
inline constexpr std::string_view kDataFolderValue = "DataFolder";
inline constexpr std::string_view kStartsWithWindowsValue = "StartsWithWindows";

// The program folder as shown to the user, ready to have a file name appended: a drive root
// ("C:\", exactly three characters) already ends in a backslash, any other folder gets one.
std::string ProgramFolderPrefix(std::string_view folderText);

// What keeps a name (the last part of a path) from being an ordinary file on Windows.
enum class FileNameFault {
  None,
  ForbiddenCharacter,  // one of \ / : * ? " < > | or a control character
  DeviceName,          // CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension
};
FileNameFault WindowsFileNameFault(std::string_view name);

// The device names of Windows, for the messages that refuse them.
inline constexpr std::string_view kDeviceNamesText = "CON、PRN、AUX、NUL、COM1-COM9、LPT1-LPT9";

// A name that stays a file inside "scd" on every system: not empty, and without a folder
// separator (\ or /), "..", a drive or any ":" (which also names a Windows file stream), nor a
// character Windows refuses in file names, and not a device name (which Windows opens as the
// device, wherever the folder).
bool IsTimetableFileName(std::string_view scdFileName);

// The files the programs keep in their folder beside the timetables of "scd": the settings of
// each edition, the class strip's and speech's settings, the day list, the exam list, the notices
// and those already shown, the followed source's files, and the programs themselves. In lower
// case, as they are compared.
inline constexpr std::string_view kProgramOwnFileNames[] = {
    "orvel2.ini",        "schedule.ini", "classroom.ini",      "days.csv",
    "days.school.csv",   "follow.ini",   "follow.copy.ini",    "exams.json",
    "exams.school.json", "notices.csv",  "notices.school.csv", "notices_seen.txt",
    "orvel2.exe",        "schedule.exe"};

// Whether `file` (relative to the current folder, or absolute) is one of the program's own
// files: one of kProgramOwnFileNames in programFolder, in any case, or anything in its "scd",
// whether it exists yet or not. The folders are compared as the system sees them (another
// spelling or a link of the folder is the same folder).
bool IsProgramOwnFile(const std::filesystem::path& programFolder,
                      const std::filesystem::path& file);

// The folder of the timetables, "scd" in the program folder.
std::filesystem::path TimetableFolder(const std::filesystem::path& programFolder);

// TimetableFolder / scdFileName for real file access; nothing when IsTimetableFileName refuses
// the name.
std::optional<std::filesystem::path> TimetableFilePath(const std::filesystem::path& programFolder,
                                                       std::string_view scdFileName);

}  // namespace orvel
