#include "timetable/program_folder.h"

#include <cstddef>

#include "platform/file_io.h"
#include "platform/text_codec.h"

namespace orvel {
namespace {

// Characters, not bytes: a folder text is UTF-8.
std::size_t CountCharacters(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

std::string ProgramFolderPrefix(std::string_view folderText) {
  std::string prefix(folderText);
  if (CountCharacters(folderText) != 3) prefix += '\\';
  return prefix;
}

FileNameFault WindowsFileNameFault(std::string_view name) {
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
      return FileNameFault::ForbiddenCharacter;
  }
  // The device is named by what comes before the first dot, blanks at its end ignored; COM and
  // LPT take a digit 1 to 9.
  std::string device = AsciiLower(std::string(name.substr(0, name.find('.'))));
  while (!device.empty() && device.back() == ' ') device.pop_back();
  // (A control character, refused above, stands for the digit.)
  if (device.size() == 4 && device[3] >= '1' && device[3] <= '9') device[3] = '\x01';
  for (const std::string_view reserved : {"con", "prn", "aux", "nul", "com\x01", "lpt\x01"})
    if (device == reserved) return FileNameFault::DeviceName;
  return FileNameFault::None;
}

std::filesystem::path TimetableFolder(const std::filesystem::path& programFolder) {
  return programFolder / "scd";
}

bool IsTimetableFileName(std::string_view scdFileName) {
  return !scdFileName.empty() && scdFileName.find("..") == std::string_view::npos &&
         WindowsFileNameFault(scdFileName) == FileNameFault::None;
}

bool IsProgramOwnFile(const std::filesystem::path& programFolder,
                      const std::filesystem::path& file) {
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::absolute(file, ec).parent_path();
  if (std::filesystem::equivalent(folder, TimetableFolder(programFolder), ec)) return true;
  if (!std::filesystem::equivalent(folder, programFolder, ec)) return false;
  // Windows drops dots and blanks at the end of a name: "Orvel2.ini." is Orvel2.ini.
  std::string name = AsciiLower(Utf8FromPath(file.filename()));
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  for (const std::string_view own : kProgramOwnFileNames)
    if (name == own) return true;
  return false;
}

std::optional<std::filesystem::path> TimetableFilePath(const std::filesystem::path& programFolder,
                                                       std::string_view scdFileName) {
  if (!IsTimetableFileName(scdFileName)) return std::nullopt;
  return TimetableFolder(programFolder) / PathFromUtf8(scdFileName);
}

}  // namespace orvel
