#include "timetable/field_writer.h"

#include <algorithm>

#include "platform/text_codec.h"
#include "timetable/file_text.h"

namespace orvel {
namespace {

// The UTF-8 character that begins at `pos` (a lone byte when the text is not UTF-8 there).
std::string_view CharacterAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  return text.substr(pos, std::min(length, text.size() - pos));
}

// The first character outside ASCII, or an empty text when there is none.
std::string FirstNonAsciiCharacter(std::string_view utf8) {
  const auto it = std::find_if(utf8.begin(), utf8.end(),
                               [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (it == utf8.end()) return {};
  return std::string(CharacterAt(utf8, static_cast<std::size_t>(it - utf8.begin())));
}

}  // namespace

std::string FirstNotInCodePage(std::string_view utf8) {
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::string_view character = CharacterAt(utf8, pos);
    if (!Utf8ToAnsiExact(character)) return std::string(character);
    pos += character.size();
  }
  // Each character alone converts, the whole does not: name the text's first non-ASCII one.
  std::string first = FirstNonAsciiCharacter(utf8);
  return first.empty() ? std::string(utf8.substr(0, 1)) : first;
}

EncodedField EncodeField(std::string_view utf8) {
  EncodedField field;
  if (!utf8.empty() && utf8.front() == '"') {
    field.refusal = FieldRefusal{FieldFault::LeadingQuote, "\""};
    return field;
  }
  if (!utf8.empty() && (utf8.front() == ' ' || utf8.front() == '\t')) {
    field.refusal = FieldRefusal{FieldFault::LeadingBlank, std::string(1, utf8.front())};
    return field;
  }
  const std::size_t split = utf8.find_first_of(",\r\n");
  if (split != std::string_view::npos) {
    const char c = utf8[split];
    field.refusal =
        FieldRefusal{c == ',' ? FieldFault::Comma : FieldFault::LineBreak, std::string(1, c)};
    return field;
  }
  std::optional<std::string> ansi = Utf8ToAnsiExact(utf8);
  if (!ansi) {
    field.refusal = FieldRefusal{FieldFault::NotInCodePage, FirstNotInCodePage(utf8)};
    return field;
  }
  field.ansi = std::move(*ansi);
  return field;
}

std::optional<FieldRefusal> RefuseIfTakenForUtf8(std::string_view fileBytes,
                                                 std::string_view utf8) {
  if (DecideFileText(fileBytes).encoding != FileEncoding::Utf8) return std::nullopt;
  return FieldRefusal{FieldFault::TakenForUtf8, FirstNonAsciiCharacter(utf8)};
}

}  // namespace orvel
