#include "timetable/timetable_reader.h"

#include "platform/file_io.h"
#include "timetable/program_folder.h"

namespace orvel {

TimetableRead ParseTimetableFile(std::string_view fileBytes, Edition edition) {
  return edition == Edition::Grid ? ParseGridTimetableFile(fileBytes)
                                  : ParseClassicTimetableFile(fileBytes);
}

TimetableRead ReadTimetableFile(const std::filesystem::path& file, Edition edition) {
  const FileBytes content = ReadWholeFile(file, kMaxTimetableFileBytes);
  if (content.status == FileStatus::Ok) return ParseTimetableFile(content.bytes, edition);
  TimetableRead read;
  switch (content.status) {
    case FileStatus::NotFound:
      read.fault = ReadFault::Missing;
      break;
    case FileStatus::TooLarge:
      read.fault = ReadFault::TooLarge;
      break;
    default:
      read.fault = ReadFault::Unreadable;
      break;
  }
  return read;
}

TimetableRead ReadScdTimetable(const std::filesystem::path& programFolder,
                               std::string_view scdFileName, Edition edition) {
  const std::optional<std::filesystem::path> file = TimetableFilePath(programFolder, scdFileName);
  if (!file) {
    TimetableRead read;
    read.fault = ReadFault::UnusableName;
    return read;
  }
  return ReadTimetableFile(*file, edition);
}

bool HoldsNoTimetable(const Timetable& table) {
  for (int r = 0; r < table.rows(); ++r)
    for (int c = 0; c < table.cols(); ++c)
      if (!(r == 0 && c == 1) && !table.cell(r, c).empty()) return false;
  return true;
}

}  // namespace orvel
