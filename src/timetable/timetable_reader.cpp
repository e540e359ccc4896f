#include "timetable/timetable_reader.h"

#include "platform/file_io.h"
#include "timetable/program_folder.h"

namespace orvel {

std::optional<Timetable> ParseTimetable(std::string_view fileBytes, Edition edition) {
  return edition == Edition::Grid ? ParseGridTimetable(fileBytes)
                                  : ParseClassicTimetable(fileBytes);
}

std::optional<Timetable> ReadTimetable(const std::filesystem::path& file, Edition edition) {
  const FileBytes content = ReadWholeFile(file, kMaxTimetableFileBytes);
  if (content.status != FileStatus::Ok) return std::nullopt;
  return ParseTimetable(content.bytes, edition);
}

std::optional<Timetable> LoadTimetable(const std::filesystem::path& programFolder,
                                       std::string_view scdFileName, Edition edition) {
  const std::optional<std::filesystem::path> file = TimetableFilePath(programFolder, scdFileName);
  if (!file) return std::nullopt;
  return ReadTimetable(*file, edition);
}

}  // namespace orvel
