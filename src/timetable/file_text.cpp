#include "timetable/file_text.h"

#include "platform/text_codec.h"

namespace orvel {
namespace {

constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (const char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

std::size_t Utf8CharacterLength(std::string_view bytes) {
  if (bytes.empty()) return 0;
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  // The allowed range of the second byte excludes overlong forms, surrogates and code points
  // above U+10FFFF.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  const auto second = static_cast<unsigned char>(bytes[1]);
  if (second < low || second > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (!IsContinuation(static_cast<unsigned char>(bytes[k]))) return 0;
  return length;
}

bool IsValidUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t length = Utf8CharacterLength(bytes);
    if (length == 0) return false;
    bytes.remove_prefix(length);
  }
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string_view TakeLine(std::string_view& rest) {
  const std::size_t end = rest.find('\n');
  std::string_view line = rest.substr(0, end);
  rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

std::optional<KeyValue> TakeKeyValue(std::string_view& rest) {
  while (!rest.empty()) {
    const std::string_view line = TrimBlanks(TakeLine(rest));
    const std::size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || line[0] == ';' || equals == std::string_view::npos)
      continue;
    return KeyValue{AsciiLower(std::string(TrimBlanks(line.substr(0, equals)))),
                    TrimBlanks(line.substr(equals + 1))};
  }
  return std::nullopt;
}

bool HasControlCharacter(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) return true;
    if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(text[i + 1]) <= 0x9F)
      return true;
  }
  return false;
}

FileText DecideFileText(std::string_view bytes) {
  const bool littleEndian = bytes.starts_with(kUtf16LittleMark);
  if (littleEndian || bytes.starts_with(kUtf16BigMark))
    return {FileEncoding::Utf8, Utf16ToUtf8(bytes.substr(2), !littleEndian)};
  const bool marked = bytes.starts_with(kUtf8Mark);
  const std::string_view rest = marked ? bytes.substr(kUtf8Mark.size()) : bytes;
  if (IsValidUtf8(rest) && (marked || !IsAscii(rest)))
    return {FileEncoding::Utf8, std::string(rest)};
  return {FileEncoding::Ansi, std::string(bytes)};
}

std::string DecodeField(std::string_view raw, FileEncoding encoding) {
  return encoding == FileEncoding::Utf8 ? std::string(raw) : AnsiToUtf8(raw);
}

bool FieldLosesBytes(std::string_view raw, FileEncoding encoding) {
  if (encoding == FileEncoding::Ansi) return !IsInCodePage(raw);
  return raw.find("\xEF\xBF\xBD") != std::string_view::npos;
}

}  // namespace orvel
