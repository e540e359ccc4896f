#pragma once
// Writing one text field so that both editions' readers give it back unchanged. Nothing is
// quoted or escaped: the classic edition's reader takes quotes literally, so a text that either
// reader would take apart or change is refused instead, and the writer says which character.
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

enum class FieldFault {
  Comma,          // ends the field; every later field moves
  LineBreak,      // CR or LF: ends the field, and in the classic edition the row
  LeadingQuote,   // the grid edition reads a quoted field up to the next quote
  LeadingBlank,   // the grid edition skips blanks before a field; the classic one keeps them
  NotInCodePage,  // no exact form in the ANSI code page: it would be written as "?"
  TakenForUtf8,   // the file's ANSI bytes would all be valid UTF-8 and be read as such
};

struct FieldRefusal {
  FieldFault fault = FieldFault::Comma;
  std::string character;  // the character at fault, UTF-8

  friend bool operator==(const FieldRefusal&, const FieldRefusal&) = default;
};

struct EncodedField {
  std::string ansi;                     // the field's bytes, when it can be written
  std::optional<FieldRefusal> refusal;  // why it cannot
};

EncodedField EncodeField(std::string_view utf8);

// The first character of a text that the code page cannot hold exactly.
std::string FirstNotInCodePage(std::string_view utf8);

// The refusal of a whole file whose ANSI bytes DecideFileText would take for UTF-8, named by the
// first character outside ASCII of `utf8` (the first such field of the file). Nothing when the
// bytes read back as the ANSI code page.
std::optional<FieldRefusal> RefuseIfTakenForUtf8(std::string_view fileBytes, std::string_view utf8);

}  // namespace orvel
