#pragma once
// What the fuzz targets check beyond "no crash": texts the writers can carry unchanged must read
// back unchanged.
#include <cstdlib>
#include <string_view>

namespace orvel::fuzz {

// A text the writer puts on disk so that the reader gives it back: no double quote (which no
// quoting can carry), no leading blank (which the field reader skips) and no replacement
// character (which stands for bytes that were not valid in the code page).
inline bool Carried(std::string_view text) {
  if (text.find('"') != std::string_view::npos) return false;
  if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) return false;
  return text.find("\xEF\xBF\xBD") == std::string_view::npos;
}

inline void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace orvel::fuzz
