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

std::optional<std::filesystem::path> TimetableFilePath(const std::filesystem::path& programFolder,
                                                       std::string_view scdFileName) {
  const std::filesystem::path name = PathFromUtf8(scdFileName);
  if (name.empty() || name.has_root_path() || !name.has_filename()) return std::nullopt;
  return programFolder / "scd" / name;
}

}  // namespace orvel
