#include "timetable/file_text.h"

#include "platform/text_codec.h"

namespace orvel {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
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
      return false;
    }
    if (bytes.size() - i < length) return false;
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    if (second < low || second > high) return false;
    for (std::size_t k = 2; k < length; ++k)
      if (!IsContinuation(static_cast<unsigned char>(bytes[i + k]))) return false;
    i += length;
  }
  return true;
}

FileText DecideFileText(std::string_view bytes) {
  const bool littleEndian = bytes.starts_with(kUtf16LittleMark);
  if (littleEndian || bytes.starts_with(kUtf16BigMark))
    return {FileEncoding::Utf8, Utf16ToUtf8(bytes.substr(2), !littleEndian)};
  const bool marked = bytes.starts_with(kByteOrderMark);
  const std::string_view rest = marked ? bytes.substr(kByteOrderMark.size()) : bytes;
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
