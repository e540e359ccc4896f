#pragma once
// The stream of fields that the grid edition's timetable reader and the settings reader share.
//
// A comma or a line end (CR LF, LF alone or CR alone) ends a field; which one does not matter,
// so the same fields may be spread over any number of lines. Blanks (spaces, tabs) before a
// field's text are skipped. A field that begins with a double quote runs to the next double quote,
// commas and line breaks included, and the quotes are not part of the text.
//
// Choices where the format says nothing:
// - Trailing blanks of an unquoted field stay part of it, as they do in the classic edition's
//   reader, so a cell that ends in a blank reads back as it was saved.
// - Text between a closing quote and the next comma or line end is dropped: the quotes delimit
//   the field ("a" , next -> "a").
// - A quote that is never closed runs to the end of the input.
// - After a comma a field always follows, empty if the input ends there; after a line end, the
//   end of the input ends the stream (so a final CR LF does not add an empty field).
//
// The reader works on the raw bytes and splits only at ASCII bytes below 0x40 (comma, quote,
// CR, LF, blank, tab). In GBK, the code page of the target systems, the second byte of a
// two-byte character is 0x40 or above, and in UTF-8 every byte of a longer character is 0x80 or
// above, so no such split can fall inside a character.
#include <optional>
#include <string>
#include <string_view>

#include "timetable/file_text.h"

namespace orvel {

class FieldReader {
 public:
  // `bytes` in `encoding`, as DecideFileText gives them.
  explicit FieldReader(std::string_view bytes, FileEncoding encoding = FileEncoding::Ansi)
      : rest_(bytes), encoding_(encoding) {}

  // The next field's raw bytes (a view into the input), or nothing when no field is left.
  std::optional<std::string_view> NextRaw();

  // The next field as UTF-8 text.
  std::optional<std::string> Next();

  FileEncoding encoding() const { return encoding_; }

  // Whether the field read last ended its line: a line end or the end of the input followed it,
  // not a comma.
  bool EndedLine() const { return !afterComma_; }

 private:
  void ConsumeSeparatorAt(std::size_t pos);
  void DropToSeparator();

  std::string_view rest_;
  FileEncoding encoding_;
  bool afterComma_ = false;
};

}  // namespace orvel
