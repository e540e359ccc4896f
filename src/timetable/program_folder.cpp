#include "timetable/program_folder.h"

#include <cstddef>

#include "platform/file_io.h"

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

bool IsTimetableFileName(std::string_view scdFileName) {
  if (scdFileName.empty() || scdFileName.find("..") != std::string_view::npos) return false;
  for (const char c : scdFileName) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
      return false;
  }
  return true;
}

std::optional<std::filesystem::path> TimetableFilePath(const std::filesystem::path& programFolder,
                                                       std::string_view scdFileName) {
  if (!IsTimetableFileName(scdFileName)) return std::nullopt;
  return programFolder / "scd" / PathFromUtf8(scdFileName);
}

}  // namespace orvel
