#include "exchange/yaml_text.h"

#include <cstdint>
#include <cstdio>
#include <utility>

namespace orvel::exchange {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The character at the front of `text` and its length in bytes; kReplacement and 1 for a byte
// that does not begin a well-formed character (overlong forms and surrogates included).
std::pair<char32_t, std::size_t> NextCharacter(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t c = 0, least = 0;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2, c = lead & 0x1F, least = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3, c = lead & 0x0F, least = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4, c = lead & 0x07, least = 0x10000;
  else
    return {kReplacement, 1};
  if (text.size() < length) return {kReplacement, 1};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {kReplacement, 1};
    c = (c << 6) | (byte(i) & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {kReplacement, 1};
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
