#include "platform/file_io.h"

#include <fstream>

namespace orvel {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

FileBytes ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
  FileBytes result;
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) {
    result.status = FileStatus::NotFound;
    return result;
  }
  if (!std::filesystem::is_regular_file(status)) return result;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.status = FileStatus::AccessDenied;
    return result;
  }
  // Read in chunks rather than trusting the size: the file may change while we read.
  char chunk[16384];
  while (in) {
    in.read(chunk, sizeof chunk);
    const auto got = static_cast<std::size_t>(in.gcount());
    if (result.bytes.size() + got > maxBytes) {
      result.bytes.clear();
      result.status = FileStatus::TooLarge;
      return result;
    }
    result.bytes.append(chunk, got);
  }
  if (in.bad()) {
    result.bytes.clear();
    return result;
  }
  result.status = FileStatus::Ok;
  return result;
}

}  // namespace orvel
