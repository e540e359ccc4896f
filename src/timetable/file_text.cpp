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

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The UTF-16 units after the mark as UTF-8; a lone surrogate or an odd last byte becomes U+FFFD.
FileText FromUtf16(std::string_view units, bool bigEndian) {
  FileText text;
  text.encoding = FileEncoding::Utf8;
  text.body.reserve(units.size() / 2 * 3);
  const auto unitAt = [&](std::size_t i) {
    const auto first = static_cast<unsigned char>(units[i]);
    const auto second = static_cast<unsigned char>(units[i + 1]);
    return static_cast<char32_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
  };
  const auto replace = [&text] {
    text.body += kReplacementCharacter;
    text.replacedUnits = true;
  };
  std::size_t i = 0;
  for (; i + 1 < units.size(); i += 2) {
    const char32_t unit = unitAt(i);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < units.size()) {
      const char32_t low = unitAt(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(text.body, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    if (unit >= 0xD800 && unit <= 0xDFFF)
      replace();
    else
      AppendUtf8(text.body, unit);
  }
  if (i < units.size()) replace();
  return text;
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
  if (bytes.starts_with(kUtf16LittleMark))
    return FromUtf16(bytes.substr(kUtf16LittleMark.size()), false);
  if (bytes.starts_with(kUtf16BigMark)) return FromUtf16(bytes.substr(kUtf16BigMark.size()), true);
  const bool marked = bytes.starts_with(kByteOrderMark);
  const std::string_view rest = marked ? bytes.substr(kByteOrderMark.size()) : bytes;
  if (IsValidUtf8(rest) && (marked || !IsAscii(rest)))
    return {FileEncoding::Utf8, std::string(rest), false};
  return {FileEncoding::Ansi, std::string(bytes), false};
}

std::string DecodeField(std::string_view raw, FileEncoding encoding) {
  return encoding == FileEncoding::Utf8 ? std::string(raw) : AnsiToUtf8(raw);
}

bool FieldLosesBytes(std::string_view raw, const FileText& file) {
  if (file.encoding == FileEncoding::Ansi) return !IsAscii(raw) && !IsInCodePage(raw);
  return file.replacedUnits && raw.find(kReplacementCharacter) != std::string_view::npos;
}

}  // namespace orvel
