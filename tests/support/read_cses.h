#pragma once
// A CSES file read back as the import reads it, for tests of exports; a file that cannot be read
// gives the refusal of an empty text.
#include <filesystem>
#include <string>

#include "exchange/cses.h"
#include "exchange/cses_file.h"
#include "platform/file_io.h"

namespace orvel::test {

inline exchange::CsesImport ReadCsesFile(const std::filesystem::path& file) {
  const FileBytes read = ReadWholeFile(file, exchange::kMaxCsesFileBytes);
  return exchange::ImportCses(read.status == FileStatus::Ok ? read.bytes : std::string());
}

}  // namespace orvel::test
