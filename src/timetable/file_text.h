#pragma once
// How the bytes of a timetable or settings file become text. The program writes the ANSI code
// page, but a file saved by Notepad or as a spreadsheet's "CSV UTF-8" is UTF-8, and one saved by
// Notepad as "Unicode" is UTF-16 with a byte-order mark; the whole file is decided at once, so
// that one file never mixes them.
#include <string>
#include <string_view>

namespace orvel {

enum class FileEncoding { Ansi, Utf8 };

struct FileText {
  FileEncoding encoding = FileEncoding::Ansi;
  std::string body;  // the bytes to parse, without a byte-order mark
  // A UTF-16 file held units that are no character (a lone surrogate, an odd last byte); each
  // became U+FFFD in the body.
  bool replacedUnits = false;
};

// UTF-16 (little or big endian) when the bytes begin with its byte-order mark: the body is its
// text converted to UTF-8, and the encoding Utf8. Otherwise UTF-8 when the bytes after an optional UTF-8 byte-order mark are valid UTF-8 and either the
// mark was there or they hold at least one character outside ASCII; the ANSI code page
// otherwise (a mark before bytes that are not UTF-8 stays part of the body).
//
// GBK text is almost never valid UTF-8: the second byte of most GBK characters is 0xC0 or
// above, or the first byte is one UTF-8 allows only as a continuation, so a real timetable holds
// such a character long before its first row ends. The writers still check their own output
// against this rule (field_writer.h).
FileText DecideFileText(std::string_view bytes);

// One field's bytes as UTF-8 text.
std::string DecodeField(std::string_view raw, FileEncoding encoding);

// The UTF-8 text of U+FFFD, which stands for bytes or units that are no character.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// A field whose bytes are not all characters of the file's encoding: DecodeField would show
// something else than the file holds, and a save would lose the bytes. Never for UTF-8, which a
// file only is when it is valid; for UTF-16, a field holding a replaced unit.
bool FieldLosesBytes(std::string_view raw, const FileText& file);

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing
// above U+10FFFF, no sequence cut off at the end.
bool IsValidUtf8(std::string_view bytes);

}  // namespace orvel
