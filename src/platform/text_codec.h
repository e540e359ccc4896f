#pragma once
// The one codec between the program's UTF-8 text and the ANSI code page of its files
// (GBK on the target systems): CP_ACP on Windows, iconv's GBK elsewhere.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// Only 7-bit characters, which every code page and UTF-8 write alike.
bool IsAscii(std::string_view text);

// A..Z as a..z, every other byte as it is: the case Windows ignores in file names, registry keys
// and environment names, the same whatever the locale.
std::string AsciiLower(std::string text);

// A value for FillIn: a text, or a whole number written in decimal. Made in place in the list
// FillIn takes, and never copied: a number's text lies inside the value.
class FillValue {
 public:
  FillValue(std::string_view text) : text_(text) {}
  FillValue(const char* text) : text_(text) {}
  FillValue(const std::string& text) : text_(text) {}
  FillValue(int number);
  FillValue(const FillValue&) = delete;
  FillValue& operator=(const FillValue&) = delete;

  std::string_view text() const { return text_; }

 private:
  char digits_[12] = {};
  std::string_view text_;
};

// `pattern` with each "{}" replaced by the next of `values`, in order: one way to build the
// messages that name a file, a count or a limit.
std::string FillIn(std::string_view pattern, std::initializer_list<FillValue> values);

// UTF-16 units (two bytes each, little or big endian) as UTF-8; a unit that is no character (a
// lone surrogate, an odd last byte) becomes U+FFFD. Never fails.
std::string Utf16ToUtf8(std::string_view units, bool bigEndian);

// Whether the text, in the code page, begins with a double-byte character (a Chinese one in GBK).
bool StartsWithDoubleByteCharacter(std::string_view ansi);

// Bytes that are not valid in the code page become U+FFFD; never fails.
std::string AnsiToUtf8(std::string_view ansi);

// Every byte belongs to a character of the code page, so that AnsiToUtf8 replaces nothing.
bool IsInCodePage(std::string_view ansi);

// Characters the code page cannot hold become "?" (or a look-alike on Windows); invalid UTF-8
// bytes too. Never fails. For texts shown by the system, never for files the program reads back.
std::string Utf8ToAnsi(std::string_view utf8);

// The text in the code page only if every character has an exact form there that reads back as
// the same character: no "?", no look-alike substitute. Nothing otherwise, and for broken UTF-8.
std::optional<std::string> Utf8ToAnsiExact(std::string_view utf8);

}  // namespace orvel
