#pragma once
// How the bytes of a timetable or settings file become text. The program writes the ANSI code
// page, but a file saved by Notepad or as a spreadsheet's "CSV UTF-8" is UTF-8, and one saved by
// Notepad as "Unicode" is UTF-16 with a byte-order mark; the whole file is decided at once, so
// that one file never mixes them.
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

enum class FileEncoding { Ansi, Utf8 };

// The byte-order mark a file in UTF-8 may begin with; the program's own UTF-8 files begin with it.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

struct FileText {
  FileEncoding encoding = FileEncoding::Ansi;
  std::string body;  // the bytes to parse, without a byte-order mark; UTF-16 as UTF-8
};

// UTF-16 (little or big endian) when the bytes begin with its byte-order mark: the body is its
// text as UTF-8, and the encoding Utf8. Otherwise UTF-8 when the bytes after an optional UTF-8
// byte-order mark are valid UTF-8 and either the mark was there or they hold at least one character
// outside ASCII; the ANSI code page otherwise (a mark before bytes that are not UTF-8 stays part of
// the body).
//
// GBK text is almost never valid UTF-8: the second byte of most GBK characters is 0xC0 or
// above, or the first byte is one UTF-8 allows only as a continuation, so a real timetable holds
// such a character long before its first row ends. The writers still check their own output
// against this rule (field_writer.h).
FileText DecideFileText(std::string_view bytes);

// One field's bytes as UTF-8 text.
std::string DecodeField(std::string_view raw, FileEncoding encoding);

// A field that shows something else than the file holds, so that a save would lose bytes: one
// that is no text of the code page, or (UTF-8, taken only when valid, and UTF-16) one holding
// U+FFFD, which stands for a unit that is no character and which the code page cannot save.
bool FieldLosesBytes(std::string_view raw, FileEncoding encoding);

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing
// above U+10FFFF, no sequence cut off at the end.
bool IsValidUtf8(std::string_view bytes);
// The length in bytes of the well-formed UTF-8 character `bytes` begin with; 0 when they begin
// with none (or are empty).
std::size_t Utf8CharacterLength(std::string_view bytes);
// Characters of UTF-8 text, as a limit on a name's length counts them.
std::size_t CharacterCount(std::string_view utf8);

// Spaces and tabs at both ends removed.
std::string_view TrimBlanks(std::string_view text);
// The first line of `rest` without its line end (LF or CR LF); `rest` then begins after it.
std::string_view TakeLine(std::string_view& rest);

// A "key=value" line of one of the program's own small files (follow.ini, classroom.ini): the
// key trimmed and in ASCII lower case, the value trimmed as it stands.
struct KeyValue {
  std::string key;
  std::string_view value;
};
// The next such line of `rest`, past blank lines, notes (# or ;) and lines without "=";
// nothing at the end.
std::optional<KeyValue> TakeKeyValue(std::string_view& rest);
// A character below U+0020, DEL or a C1 control (U+0080 to U+009F, in UTF-8): no part of a name
// or an address, and a line break in a value would begin another line of a key=value file.
bool HasControlCharacter(std::string_view text);

}  // namespace orvel
