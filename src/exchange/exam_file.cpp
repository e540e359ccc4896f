#include "exchange/exam_file.h"

#include <cstdio>
#include <utility>

#include "exchange/yaml_tree.h"
#include "timetable/file_text.h"

namespace orvel::exchange {
namespace {

using std::chrono::year_month_day;

// Exactly `width` ASCII digits.
std::optional<int> FixedDigits(std::string_view text, std::size_t from, std::size_t width) {
  if (from + width > text.size()) return std::nullopt;
  const std::string_view part = text.substr(from, width);
  for (const char c : part)
    if (c < '0' || c > '9') return std::nullopt;
  return UnsignedNumber(part);
}

// "2026-12-21T08:00:00", also with a space for the "T" and without the seconds.
std::optional<LocalDateTime> DateTimeOf(std::string_view text) {
  if (text.size() != 16 && text.size() != 19) return std::nullopt;
  if (text[4] != '-' || text[7] != '-' || (text[10] != 'T' && text[10] != ' ') || text[13] != ':')
    return std::nullopt;
  if (text.size() == 19 && text[16] != ':') return std::nullopt;
  const std::optional<int> y = FixedDigits(text, 0, 4), mo = FixedDigits(text, 5, 2),
                           d = FixedDigits(text, 8, 2), h = FixedDigits(text, 11, 2),
                           mi = FixedDigits(text, 14, 2);
  const std::optional<int> s = text.size() == 19 ? FixedDigits(text, 17, 2) : 0;
  if (!y || !mo || !d || !h || !mi || !s || *h > 23 || *mi > 59 || *s > 59) return std::nullopt;
  const year_month_day date{std::chrono::year{*y}, std::chrono::month{static_cast<unsigned>(*mo)},
                            std::chrono::day{static_cast<unsigned>(*d)}};
  if (!date.ok()) return std::nullopt;
  return LocalDateTime{date, *h * 3600 + *mi * 60 + *s};
}

// Below U+0020, DEL, and U+0080 to U+009F (C2 80 to C2 9F): nothing a one-line name holds.
bool HasControlCharacter(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) return true;
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0)
      return true;
  }
  return false;
}

// A scalar of one line and at most kMaxExamTextLength characters; `emptyAllowed` for the
// file's title and message, which a file may leave blank.
std::optional<std::string> TextOf(const YamlNode& node, bool emptyAllowed) {
  if (!node.IsScalar() || node.IsNull()) {
    if (emptyAllowed && (!node.IsDefined() || node.IsNull())) return std::string();
    return std::nullopt;
  }
  const std::string& text = node.Scalar();
  if ((text.empty() && !emptyAllowed) || HasControlCharacter(text) ||
      CharacterCount(text) > kMaxExamTextLength)
    return std::nullopt;
  return text;
}

using FileKind = ExamFileProblem::Kind;
using ExamKind = ExamProblem::Kind;

ExamFileRead Refused(FileKind kind, int line = 0) {
  ExamFileRead read;
  read.problem = {kind, line};
  return read;
}

// One item of examInfos: the exam, or why it is skipped (before any overlap is looked for).
struct ItemRead {
  std::optional<Exam> exam;
  ExamProblem problem;
};

ItemRead ReadItem(const YamlNode& item, int index) {
  ItemRead read;
  read.problem.index = index;
  read.problem.line = item.Line();
  const auto skip = [&](ExamKind kind, ExamField field = ExamField::Name) {
    read.problem.kind = kind;
    read.problem.field = field;
    return read;
  };
  if (!item.IsMap()) return skip(ExamKind::NotAnObject);
  const YamlNode name = item.Get("name");
  const YamlNode start = item.Get("start");
  const YamlNode end = item.Get("end");
  const YamlNode alert = item.Get("alertTime");
  std::optional<std::string> text = TextOf(name, false);
  if (text) read.problem.name = *text;
  // Missing fields first, in the file's order of them, so that a half-written exam is named as
  // such rather than by its first bad value.
  for (const auto& [node, field] :
       {std::pair{name, ExamField::Name}, std::pair{start, ExamField::Start},
        std::pair{end, ExamField::End}})
    if (!node.IsDefined() || node.IsNull()) return skip(ExamKind::MissingField, field);

  Exam exam;
  if (!text) return skip(ExamKind::NameNotText);
  exam.name = std::move(*text);
  const std::optional<LocalDateTime> from =
      start.IsScalar() ? DateTimeOf(start.Scalar()) : std::nullopt;
  if (!from) return skip(ExamKind::BadDateTime, ExamField::Start);
  const std::optional<LocalDateTime> to = end.IsScalar() ? DateTimeOf(end.Scalar()) : std::nullopt;
  if (!to) return skip(ExamKind::BadDateTime, ExamField::End);
  exam.start = *from;
  exam.end = *to;
  if (alert.IsDefined() && !alert.IsNull()) {
    const std::optional<int> minutes =
        alert.IsScalar() ? UnsignedNumber(alert.Scalar()) : std::nullopt;
    if (!minutes || *minutes > kMaxAlertMinutes)
      return skip(ExamKind::BadAlertTime, ExamField::AlertTime);
    exam.alertMinutes = *minutes;
  }
  if (!(exam.start < exam.end)) return skip(ExamKind::EndNotAfterStart, ExamField::End);
  read.exam = std::move(exam);
  return read;
}

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = Utf8CharacterLength(text.substr(i));
    char escape[8];
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20 || c == 0x7F) {
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else if (length >= 2) {
      // C1 controls, the Unicode line and paragraph separators, the byte order mark and the two
      // non-characters are line breaks or refused to a YAML reader: written as escapes, they
      // read back as themselves.
      const std::string_view character = text.substr(i, length);
      unsigned code = 0;
      if (length == 2) {
        code = (c & 0x1Fu) << 6 | (static_cast<unsigned char>(character[1]) & 0x3Fu);
      } else if (length == 3) {
        code = (c & 0x0Fu) << 12 | (static_cast<unsigned char>(character[1]) & 0x3Fu) << 6 |
               (static_cast<unsigned char>(character[2]) & 0x3Fu);
      }
      if ((code >= 0x80 && code <= 0x9F) || code == 0x2028 || code == 0x2029 || code == 0xFEFF ||
          code == 0xFFFE || code == 0xFFFF) {
        std::snprintf(escape, sizeof escape, "\\u%04x", code);
        out += escape;
      } else {
        out += character;
      }
      i += length - 1;
    } else {
      out += static_cast<char>(c);
    }
  }
  out += '"';
}

std::string DateTimeText(const LocalDateTime& when) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d",
                static_cast<int>(when.date.year()), static_cast<unsigned>(when.date.month()),
                static_cast<unsigned>(when.date.day()), when.secondOfDay / 3600,
                when.secondOfDay / 60 % 60, when.secondOfDay % 60);
  return text;
}

}  // namespace

ExamFileRead ReadExamFile(std::string_view bytes) {
  if (bytes.size() > kMaxExamFileBytes) return Refused(FileKind::TooLarge);
  if (!IsValidUtf8(bytes)) return Refused(FileKind::NotUtf8);
  const YamlRead yaml = ParseYaml(bytes);
  if (!yaml.tree) return Refused(FileKind::NotJson, yaml.errorLine);
  const YamlNode root = yaml.tree->Root();
  if (!root.IsMap()) return Refused(FileKind::NotAnObject);

  ExamList list;
  const YamlNode title = root.Get("examName");
  std::optional<std::string> text = TextOf(title, true);
  if (!text) return Refused(FileKind::ExamNameNotText, title.Line());
  list.examName = std::move(*text);
  const YamlNode message = root.Get("message");
  text = TextOf(message, true);
  if (!text) return Refused(FileKind::MessageNotText, message.Line());
  list.message = std::move(*text);

  const YamlNode infos = root.Get("examInfos");
  if (!infos.IsSequence()) return Refused(FileKind::NoExamList, infos.Line());
  const std::vector<YamlNode> items = infos.Items();
  if (items.size() > kMaxExams) return Refused(FileKind::TooManyExams, infos.Line());

  ExamFileRead read;
  std::vector<int> usedIndexes;  // each used exam's place in the file
  for (std::size_t i = 0; i < items.size(); ++i) {
    ItemRead item = ReadItem(items[i], static_cast<int>(i));
    if (item.exam) {
      for (std::size_t k = 0; k < list.exams.size(); ++k) {
        const Exam& earlier = list.exams[k];
        if (item.exam->start < earlier.end && earlier.start < item.exam->end) {
          item.problem.kind = ExamKind::Overlaps;
          item.problem.earlierIndex = usedIndexes[k];
          item.exam.reset();
          break;
        }
      }
    }
    if (!item.exam) {
      read.skipped.push_back(item.problem);
      continue;
    }
    list.exams.push_back(std::move(*item.exam));
    usedIndexes.push_back(static_cast<int>(i));
  }
  read.list = std::move(list);
  return read;
}

std::string FormatExamFile(const ExamList& list) {
  std::string out = "{\n  \"examName\": ";
  AppendQuoted(out, list.examName);
  out += ",\n  \"message\": ";
  AppendQuoted(out, list.message);
  out += ",\n  \"examInfos\": [";
  for (std::size_t i = 0; i < list.exams.size(); ++i) {
    const Exam& exam = list.exams[i];
    out += i == 0 ? "\n    {\n      \"name\": " : ",\n    {\n      \"name\": ";
    AppendQuoted(out, exam.name);
    out += ",\n      \"start\": \"" + DateTimeText(exam.start) + "\",\n      \"end\": \"" +
           DateTimeText(exam.end) +
           "\",\n      \"alertTime\": " + std::to_string(exam.alertMinutes) + "\n    }";
  }
  out += list.exams.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

}  // namespace orvel::exchange
