#pragma once
// Whole-file reading and crash-safe replacement of a file's content.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvel {

enum class FileStatus {
  Ok,
  NotFound,      // the file, or the folder that should hold it, does not exist
  AccessDenied,  // read-only, or held open by another program
  TooLarge,      // larger than the caller's limit
  Failed,        // any other failure
};

struct FileBytes {
  FileStatus status = FileStatus::Failed;
  std::string bytes;
};

// Reads the whole file as raw bytes; refuses files larger than maxBytes.
FileBytes ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and only then puts it in
// place of `path`, so that a failure at any point leaves the old file as it was. A target that is
// read-only (Windows attribute; no owner write bit elsewhere) or held open by another program
// without write sharing gives AccessDenied before anything is written.
FileStatus ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

// UTF-8 text <-> path, the same on every platform.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace orvel
