#include "exchange/notice_file.h"

#include <string>

#include "platform/text_codec.h"
#include "timetable/day_list.h"
#include "timetable/field_reader.h"
#include "timetable/file_text.h"

namespace orvel::exchange {
namespace {

constexpr std::string_view kHeaderStart = "开始";
constexpr std::string_view kOrdinary = "普通";
constexpr std::string_view kUrgent = "紧急";
constexpr std::string_view kFullWidthSemicolon = "；";

using FileKind = NoticeFileProblem::Kind;
using LineKind = SkippedNoticeLine::Kind;

NoticeFileRead Refused(FileKind kind, int line = 0) {
  NoticeFileRead read;
  read.problem = {kind, line};
  return read;
}

// FNV-1a: the same value on every build and platform, as notices_seen.txt outlives the program.
NoticeIdentity IdentityOf(std::string_view line) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : line) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

// "7:30" or "07:30".
std::optional<std::int32_t> MinuteOfDay(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon < 1 || colon > 2 || text.size() != colon + 3)
    return std::nullopt;
  int hour = 0, minute = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == colon) continue;
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    int& part = i < colon ? hour : minute;
    part = part * 10 + (text[i] - '0');
  }
  if (hour > 23 || minute > 59) return std::nullopt;
  return hour * 3600 + minute * 60;
}

// "2026-12-09 07:30", "2026/12/9 7:30".
std::optional<LocalDateTime> DateTimeOf(std::string_view text) {
  const std::size_t blank = text.find_first_of(" \t");
  if (blank == std::string_view::npos) return std::nullopt;
  const auto date = ParseDayDate(text.substr(0, blank));
  const auto second = MinuteOfDay(TrimBlanks(text.substr(blank)));
  if (!date || !second) return std::nullopt;
  return LocalDateTime{*date, *second};
}

// The names of 对象, blanks around each removed, empty ones dropped.
std::vector<std::string> AudienceOf(std::string_view text) {
  std::vector<std::string> names;
  while (!text.empty()) {
    std::size_t end = text.find(';');
    std::size_t skip = 1;
    const std::size_t wide = text.find(kFullWidthSemicolon);
    if (wide < end) {
      end = wide;
      skip = kFullWidthSemicolon.size();
    }
    const std::string_view name = TrimBlanks(text.substr(0, end));
    if (!name.empty()) names.emplace_back(name);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + skip);
  }
  return names;
}

struct LineRead {
  std::optional<Notice> notice;
  LineKind problem = LineKind::TooFewFields;
};

LineRead ReadLine(const std::vector<std::string_view>& fields) {
  LineRead read;
  const auto skip = [&](LineKind kind) {
    read.problem = kind;
    return read;
  };
  if (fields.size() < 4) return skip(LineKind::TooFewFields);
  if (fields.size() > 5) return skip(LineKind::TooManyFields);
  Notice notice;
  const std::optional<LocalDateTime> start = DateTimeOf(fields[0]);
  if (!start) return skip(LineKind::BadStart);
  const std::optional<LocalDateTime> end = DateTimeOf(fields[1]);
  if (!end) return skip(LineKind::BadEnd);
  if (!(*start < *end)) return skip(LineKind::EndNotAfterStart);
  if (fields[2] == kUrgent)
    notice.level = NoticeLevel::Urgent;
  else if (fields[2] != kOrdinary)
    return skip(LineKind::UnknownLevel);
  if (fields[3].empty()) return skip(LineKind::EmptyText);
  notice.start = *start;
  notice.end = *end;
  notice.text = std::string(fields[3]);
  if (fields.size() == 5) notice.audience = AudienceOf(fields[4]);
  read.notice = std::move(notice);
  return read;
}

// The fields of one decoded line, blanks around them removed; empty fields at the end (a
// spreadsheet pads its rows to the widest one) dropped.
std::vector<std::string_view> FieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  FieldReader reader(line, FileEncoding::Utf8);
  while (const std::optional<std::string_view> raw = reader.NextRaw())
    fields.push_back(TrimBlanks(*raw));
  while (!fields.empty() && fields.back().empty()) fields.pop_back();
  return fields;
}

// The first line of `rest` without its end: CR LF, LF, or CR alone as the field reader takes it, so
// that a quote never closed cannot carry a line break into a notice.
std::string_view TakeNoticeLine(std::string_view& rest) {
  const std::size_t end = rest.find_first_of("\r\n");
  const std::string_view line = rest.substr(0, end);
  const bool crLf = end != std::string_view::npos && rest.substr(end).starts_with("\r\n");
  rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + (crLf ? 2 : 1));
  return line;
}

bool IsNote(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  return trimmed.empty() || trimmed.front() == '#';
}

}  // namespace

NoticeFileRead ReadNoticeFile(std::string_view bytes) {
  if (bytes.size() > kMaxNoticeFileBytes) return Refused(FileKind::TooLarge);
  const FileText file = DecideFileText(bytes);
  if (file.body.find('\0') != std::string::npos ||
      (file.encoding == FileEncoding::Ansi && !IsInCodePage(file.body)))
    return Refused(FileKind::NotText);

  std::vector<std::string> lines;
  for (std::string_view rest = file.body; !rest.empty();) {
    if (lines.size() == kMaxNoticeFileLines) return Refused(FileKind::TooManyLines);
    lines.push_back(DecodeField(TakeNoticeLine(rest), file.encoding));
    if (CharacterCount(lines.back()) > kMaxNoticeLineCharacters)
      return Refused(FileKind::LineTooLong, static_cast<int>(lines.size()));
  }

  NoticeFileRead read;
  read.notices.emplace();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (IsNote(line)) continue;
    const std::vector<std::string_view> fields = FieldsOf(line);
    if (i == 0 && !fields.empty() && fields.front() == kHeaderStart) continue;
    LineRead one = ReadLine(fields);
    if (!one.notice) {
      read.skipped.push_back({static_cast<int>(i) + 1, one.problem});
      continue;
    }
    one.notice->identity = IdentityOf(line);
    read.notices->push_back(std::move(*one.notice));
  }
  return read;
}

}  // namespace orvel::exchange
