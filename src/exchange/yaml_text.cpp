#include "exchange/yaml_text.h"

#include <cstdint>
#include <cstdio>
#include <utility>

#include "timetable/file_text.h"

namespace orvel::exchange {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The character at the front of `text` and its length in bytes; kReplacement and 1 for a byte
// that does not begin a well-formed character.
std::pair<char32_t, std::size_t> NextCharacter(std::string_view text) {
  const std::size_t length = Utf8CharacterLength(text);
  if (length == 0) return {kReplacement, 1};
  const auto lead = static_cast<unsigned char>(text[0]);
  // The lead byte's own bits: 7, 5, 4 or 3 of them as the character is 1 to 4 bytes long.
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i)
    c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
  return {c, length};
}

// YAML's escape for a character it does not allow printed, or nothing for one it does.
std::string Escape(char32_t c) {
  switch (c) {
    case U'"':
      return "\\\"";
    case U'\\':
      return "\\\\";
    case U'\0':
      return "\\0";
    case U'\t':
      return "\\t";
    case U'\n':
      return "\\n";
    case U'\r':
      return "\\r";
    case 0x85:
      return "\\N";
    case 0x2028:
      return "\\L";
    case 0x2029:
      return "\\P";
    default:
      break;
  }
  char escaped[12] = {};
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
    std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(c));
  } else if (c == 0xFEFF || c == 0xFFFE || c == 0xFFFF) {
    std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
  }
  return escaped;
}

}  // namespace

std::string DoubleQuoted(std::string_view utf8) {
  std::string out = "\"";
  while (!utf8.empty()) {
    const auto [c, length] = NextCharacter(utf8);
    const std::string escaped = Escape(c);
    if (!escaped.empty())
      out += escaped;
    else if (c == kReplacement && length == 1)
      out += "\xEF\xBF\xBD";
    else
      out += utf8.substr(0, length);
    utf8.remove_prefix(length);
  }
  return out + "\"";
}

}  // namespace orvel::exchange
