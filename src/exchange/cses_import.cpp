#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "clock/time_of_day.h"
#include "exchange/cses.h"
#include "exchange/cses_week.h"
#include "exchange/yaml_tree.h"
#include "platform/text_codec.h"
#include "timetable/day_list.h"

namespace orvel::exchange {
namespace {

enum class Weeks { All, Odd, Even };

using Span = std::pair<std::int32_t, std::int32_t>;  // start, end in seconds since midnight

// A weekday and the weeks on which a schedule's classes fall on it.
struct Place {
  int day;
  Weeks weeks;
  auto operator<=>(const Place&) const = default;
};

struct Class {
  Place place;
  Span span;
  std::string subject;  // as the cell shows it
};

// Thrown inside the walk and caught at its top; never leaves ImportCses.
struct Refused {
  CsesRefusal refusal;
};

[[noreturn]] void Refuse(const YamlNode& where, CsesRefusal refusal) {
  refusal.line = where.Line();
  throw Refused{std::move(refusal)};
}

CsesRefusal Problem(CsesProblem problem) {
  CsesRefusal refusal;
  refusal.problem = problem;
  return refusal;
}

// A text of the file for a message: its first 30 bytes or so, cut between UTF-8 characters.
CsesFound FoundText(const std::string& text) {
  constexpr std::size_t kShownBytes = 30;
  CsesFound found;
  found.kind = CsesFound::Kind::Text;
  if (text.size() <= kShownBytes) {
    found.text = text;
    return found;
  }
  std::size_t cut = kShownBytes;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  found.text = text.substr(0, cut);
  found.cut = true;
  return found;
}

// A node for a message: a scalar as written (FoundText), anything else by its kind.
CsesFound Found(const YamlNode& node) {
  if (node.IsScalar()) return FoundText(node.Scalar());
  CsesFound found;
  found.kind = node.IsSequence() ? CsesFound::Kind::List
               : node.IsMap()    ? CsesFound::Kind::Map
                                 : CsesFound::Kind::Nothing;
  return found;
}

CsesRefusal Problem(CsesProblem problem, const YamlNode& found) {
  CsesRefusal refusal = Problem(problem);
  refusal.found = Found(found);
  return refusal;
}

// A decimal integer written as a plain number ("1", not "1.0" or "0x1"); quoted numbers count.
std::optional<int> IntegerOf(const YamlNode& node) {
  if (!node.IsScalar()) return std::nullopt;
  const std::string& text = node.Scalar();
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// A time of day as the timetable's clock reads it ("08:00:00", "8:00"), or a whole number of
// seconds after midnight: a YAML 1.1 reader takes an unquoted 16:40:00 for 60000, and some tools
// write that number back.
std::optional<std::int32_t> CsesTime(const YamlNode& node) {
  if (!node.IsScalar()) return std::nullopt;
  if (const std::optional<int> seconds = IntegerOf(node)) {
    if (*seconds < clock::kSecondsPerDay) return *seconds;
    return std::nullopt;
  }
  return clock::ParseTimeOfDay(node.Scalar());
}

// enable_day of version 1: 1-7, or a weekday's English name or its first three letters in any
// case, as CSES libraries and early versions of the format write it.
std::optional<int> WeekdayOf(const YamlNode& node) {
  if (const std::optional<int> day = IntegerOf(node)) {
    if (*day >= kFirstDay && *day <= kLastDay) return day;
    return std::nullopt;
  }
  if (!node.IsScalar()) return std::nullopt;
  static constexpr std::string_view kNames[] = {"monday", "tuesday",  "wednesday", "thursday",
                                                "friday", "saturday", "sunday"};
  const std::string name = AsciiLower(node.Scalar());
  for (int day = kFirstDay; day <= kLastDay; ++day) {
    const std::string_view full = kNames[day - kFirstDay];
    if (name == full || name == full.substr(0, 3)) return day;
  }
  return std::nullopt;
}

// A subject name as a timetable cell can hold it: the file has no quoting that both editions
// read, so a comma would split the cell and a line break the row.
std::string CellText(const std::string& name) {
  std::string text;
  text.reserve(name.size());
  for (const char c : name) {
    switch (c) {
      case ',':
        text += "，";
        break;
      case '"':
        text += "＂";
        break;
      case '\r':
      case '\n':
      case '\t':
        text += ' ';
        break;
      default:
        text += c;
    }
  }
  return text;
}

// The clock's form of a time: no leading zero on the hour, seconds only when not 0.
std::string ClockText(std::int32_t seconds) {
  const std::int32_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
  if (s == 0) return FillIn("{}:{}{}", {h, m < 10 ? "0" : "", m});
  return FillIn("{}:{}{}:{}{}", {h, m < 10 ? "0" : "", m, s < 10 ? "0" : "", s});
}

// A list under `key`, or a null node when the value is missing or null (an empty list).
YamlNode ListOf(const YamlNode& map, const char* key, CsesPart part) {
  const YamlNode list = map.Get(key);
  if (!list.IsDefined() || list.IsNull()) return YamlNode();
  if (!list.IsSequence()) {
    CsesRefusal refusal = Problem(CsesProblem::NotAList, list);
    refusal.part = part;
    refusal.key = key;
    Refuse(list, std::move(refusal));
  }
  return list;
}

// A required mapping entry of `map`, the part `part` of the file.
YamlNode Required(const YamlNode& map, const char* key, CsesPart part) {
  const YamlNode value = map.Get(key);
  if (!value.IsDefined() || value.IsNull()) {
    CsesRefusal refusal = Problem(CsesProblem::MissingKey);
    refusal.part = part;
    refusal.key = key;
    Refuse(map, std::move(refusal));
  }
  return value;
}

class Reader {
 public:
  void Read(const YamlNode& root) {
    if (!root.IsMap()) {
      if (!root.IsDefined() || root.IsNull()) throw Refused{Problem(CsesProblem::Empty)};
      Refuse(root, Problem(CsesProblem::NotCses));
    }
    const YamlNode version = ReadVersion(root);
    ReadSubjects(root);
    if (version2_) ReadCycle(root, version);
    const YamlNode schedules = ListOf(root, "schedules", CsesPart::Schedules);
    if (schedules.IsSequence()) {
      for (const YamlNode& schedule : schedules.Items()) ReadSchedule(schedule);
    }
  }

  Timetable Build() const {
    // Columns up to the last day shown: Friday, or Saturday or Sunday when a schedule is on it.
    const int lastDay = lastDay_;
    const int cols = lastDay + 1 + 1;
    const int rows = static_cast<int>(spans_.size()) + 1;
    Timetable table = *Timetable::WithSize(rows, cols);

    table.SetCell(0, 0, "节次");
    table.SetCell(0, 1, "时间");
    for (int day = kFirstDay; day <= lastDay; ++day) {
      table.SetCell(0, day + 1, std::string(WeekdayName(day)));
    }
    std::map<Span, int> rowOf;
    int row = 1;
    for (const Span& span : spans_) {
      rowOf[span] = row;
      table.SetCell(row, 0, FillIn("第{}节", {row}));
      table.SetCell(row, 1, FillIn("{}-{}", {ClockText(span.first), ClockText(span.second)}));
      ++row;
    }

    // The classes of each cell by weeks, distinct, in file order. A file can put thousands of
    // subjects in one cell, so what a side has is looked up, not searched.
    struct Side {
      std::vector<std::string> names;
      std::set<std::string> has;
    };
    struct Cell {
      Side all, odd, even;
    };
    std::map<std::pair<int, int>, Cell> cells;  // (row, day)
    for (const Class& c : classes_) {
      Cell& cell = cells[{rowOf[c.span], c.place.day}];
      Side& side = c.place.weeks == Weeks::All   ? cell.all
                   : c.place.weeks == Weeks::Odd ? cell.odd
                                                 : cell.even;
      if (side.has.insert(c.subject).second) side.names.push_back(c.subject);
    }
    for (const auto& [place, cell] : cells) {
      const std::string odd = Joined((cell.odd.names.empty() ? cell.all : cell.odd).names);
      const std::string even = Joined((cell.even.names.empty() ? cell.all : cell.even).names);
      table.SetCell(place.first, place.second + 1, odd == even ? odd : odd + kWeekSeparator + even);
    }
    return table;
  }

 private:
  static std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
      if (!name.empty()) text += (text.empty() ? "" : "、") + name;
    }
    return text;
  }

  // The version node; version 2 sets version2_.
  YamlNode ReadVersion(const YamlNode& root) {
    const YamlNode version = root.Get("version");
    if (!version.IsDefined()) Refuse(root, Problem(CsesProblem::NoVersion));
    const std::optional<int> number = IntegerOf(version);
    if (number != 1 && number != 2) {
      Refuse(version, Problem(CsesProblem::UnknownVersion, version));
    }
    version2_ = number == 2;
    return version;
  }

  // Version 2's configuration.cycle: spans of work and rest days that repeat. The file names no
  // date, so the cycle is taken to begin on a Monday; 7 days are a week, 14 an odd and an even
  // week. Only those two fit a weekly timetable.
  void ReadCycle(const YamlNode& root, const YamlNode& version) {
    const YamlNode configuration = root.Get("configuration");
    const bool hasConfiguration = configuration.IsDefined() && !configuration.IsNull();
    const YamlNode cycle =
        hasConfiguration && configuration.IsMap() ? configuration.Get("cycle") : YamlNode();
    if (!cycle.IsDefined() || cycle.IsNull()) {
      Refuse(hasConfiguration ? configuration : version, Problem(CsesProblem::NoCycle));
    }
    if (!cycle.IsMap()) {
      Refuse(cycle, Problem(CsesProblem::CycleNotAMapping, cycle));
    }
    Required(cycle, "spans", CsesPart::Cycle);
    const YamlNode spans = ListOf(cycle, "spans", CsesPart::Spans);
    std::int64_t length = 0;  // a wrong count can be large; only 7 or 14 go on
    std::vector<bool> work;
    for (const YamlNode& span : spans.Items()) {
      if (!span.IsMap()) {
        Refuse(span, Problem(CsesProblem::SpanNotAMapping, span));
      }
      const YamlNode activity = Required(span, "activity", CsesPart::Span);
      const std::string kind = activity.IsScalar() ? activity.Scalar() : std::string();
      if (kind != "work" && kind != "rest") {
        Refuse(activity, Problem(CsesProblem::UnknownActivity, activity));
      }
      const YamlNode countNode = Required(span, "count", CsesPart::Span);
      const std::optional<int> count = IntegerOf(countNode);
      if (!count) Refuse(countNode, Problem(CsesProblem::CountNotDays, countNode));
      length += *count;
      if (length <= 14) work.insert(work.end(), static_cast<std::size_t>(*count), kind == "work");
    }
    if (length != 7 && length != 14) {
      CsesRefusal refusal = Problem(CsesProblem::CycleLength);
      refusal.number = length;
      Refuse(spans, std::move(refusal));
    }
    for (int d = 0; d < static_cast<int>(length); ++d) {
      if (!work[static_cast<std::size_t>(d)]) continue;
      const Weeks weeks = length == 7 ? Weeks::All : d < 7 ? Weeks::Odd : Weeks::Even;
      workDays_.push_back({d % 7 + kFirstDay, weeks});
    }
  }

  void ReadSubjects(const YamlNode& root) {
    const YamlNode subjects = ListOf(root, "subjects", CsesPart::Subjects);
    if (!subjects.IsSequence()) return;
    for (const YamlNode& subject : subjects.Items()) {
      if (!subject.IsMap()) Refuse(subject, Problem(CsesProblem::SubjectNotAMapping, subject));
      const YamlNode name = Required(subject, "name", CsesPart::Subject);
      if (!name.IsScalar()) Refuse(name, Problem(CsesProblem::SubjectNameNotText, name));
      subjects_.insert(name.Scalar());
    }
  }

  void ReadSchedule(const YamlNode& schedule) {
    if (!schedule.IsMap()) {
      CsesRefusal refusal = Problem(CsesProblem::ScheduleNotAMapping, schedule);
      refusal.version2 = version2_;
      Refuse(schedule, std::move(refusal));
    }
    const YamlNode dayNode = Required(schedule, "enable_day", CsesPart::Schedule);
    const std::set<Place> places =
        version2_ ? CyclePlaces(dayNode, schedule) : std::set<Place>{WeekPlace(dayNode, schedule)};
    for (const Place& place : places) lastDay_ = std::max(lastDay_, place.day);
    const YamlNode classes = ListOf(schedule, "classes", CsesPart::Classes);
    if (!classes.IsSequence()) return;
    for (const YamlNode& entry : classes.Items()) ReadClass(entry, places);
  }

  // Version 1: one weekday, and weeks all, odd or even.
  static Place WeekPlace(const YamlNode& dayNode, const YamlNode& schedule) {
    if (dayNode.IsSequence()) {
      Refuse(dayNode, Problem(CsesProblem::DayListInVersion1));
    }
    const std::optional<int> day = WeekdayOf(dayNode);
    if (!day) {
      Refuse(dayNode, Problem(CsesProblem::UnknownWeekday, dayNode));
    }
    const YamlNode weeksNode = Required(schedule, "weeks", CsesPart::Schedule);
    const std::string weeksText = weeksNode.IsScalar() ? weeksNode.Scalar() : std::string();
    if (weeksText == "all") return {*day, Weeks::All};
    if (weeksText == "odd") return {*day, Weeks::Odd};
    if (weeksText == "even") return {*day, Weeks::Even};
    Refuse(weeksNode, Problem(CsesProblem::UnknownWeeks, weeksNode));
  }

  // Version 2: working days of the cycle, a list or a single number. Weeks come from the cycle;
  // a weeks other than all would say something else, so it is refused rather than guessed at.
  std::set<Place> CyclePlaces(const YamlNode& dayNode, const YamlNode& schedule) const {
    const YamlNode weeks = schedule.Get("weeks");
    if (weeks.IsDefined() && !weeks.IsNull() && !(weeks.IsScalar() && weeks.Scalar() == "all")) {
      Refuse(weeks, Problem(CsesProblem::WeeksInVersion2, weeks));
    }
    std::set<Place> places;
    const auto add = [&](const YamlNode& item) {
      const std::optional<int> k = IntegerOf(item);
      if (!k || *k < 1 || *k > static_cast<int>(workDays_.size())) {
        CsesRefusal refusal = Problem(CsesProblem::DayNotInCycle, item);
        refusal.number = static_cast<long long>(workDays_.size());
        Refuse(item, std::move(refusal));
      }
      places.insert(workDays_[static_cast<std::size_t>(*k - 1)]);
    };
    if (dayNode.IsSequence()) {
      for (const YamlNode& item : dayNode.Items()) add(item);
    } else {
      add(dayNode);
    }
    return places;
  }

  void ReadClass(const YamlNode& entry, const std::set<Place>& places) {
    // A class counts once for each day it is on, and once when on none: the bound is on work.
    classCount_ += std::max<std::size_t>(places.size(), 1);
    if (classCount_ > static_cast<std::size_t>(kMaxCsesClasses)) {
      Refuse(entry, Problem(CsesProblem::TooManyClasses));
    }
    if (!entry.IsMap()) {
      Refuse(entry, Problem(CsesProblem::ClassNotAMapping, entry));
    }
    const YamlNode subject = entry.Get("subject");
    if (!subject.IsDefined()) {
      CsesRefusal refusal = Problem(CsesProblem::MissingKey);
      refusal.part = CsesPart::Class;
      refusal.key = "subject";
      Refuse(entry, std::move(refusal));
    }
    // A free period: some programs write the periods of a day with no subject where none is.
    if (subject.IsNull() || (subject.IsScalar() && subject.Scalar().empty())) return;
    if (!subject.IsScalar() || !subjects_.contains(subject.Scalar())) {
      Refuse(subject, Problem(CsesProblem::UnknownSubject, subject));
    }
    const Span span{Time(entry, "start_time", CsesPart::StartTime),
                    Time(entry, "end_time", CsesPart::EndTime)};
    if (places.empty()) return;
    if (spans_.insert(span).second && static_cast<int>(spans_.size()) > kMaxRows - 1) {
      Refuse(entry, Problem(CsesProblem::TooManyPeriods));
    }
    for (const Place& place : places) classes_.push_back({place, span, CellText(subject.Scalar())});
  }

  static std::int32_t Time(const YamlNode& entry, const char* key, CsesPart part) {
    const YamlNode node = Required(entry, key, CsesPart::Class);
    const std::optional<std::int32_t> time = CsesTime(node);
    if (!time) {
      CsesRefusal refusal = Problem(CsesProblem::NotATime, node);
      refusal.part = part;
      Refuse(node, std::move(refusal));
    }
    return *time;
  }

  std::set<std::string> subjects_;
  std::set<Span> spans_;
  std::vector<Class> classes_;
  std::size_t classCount_ = 0;
  int lastDay_ = kLastWorkDay;
  bool version2_ = false;
  std::vector<Place> workDays_;  // version 2: working day k of the cycle at k - 1
};

// Why a text gave no YAML tree.
CsesRefusal Unread(const YamlRead& read) {
  CsesRefusal refusal;
  refusal.line = read.errorLine;
  switch (read.fault) {
    case YamlFault::TooDeep:
      refusal.problem = CsesProblem::NestedTooDeep;
      break;
    case YamlFault::TooMuchAliased:
      refusal.problem = CsesProblem::AliasedTooMuch;
      break;
    case YamlFault::DuplicateKey:
      refusal.problem = CsesProblem::KeyTwice;
      refusal.found = FoundText(read.duplicateKey);
      break;
    default:
      refusal.problem = CsesProblem::NotYaml;
      break;
  }
  return refusal;
}

}  // namespace

CsesImport ImportCses(std::string_view utf8) {
  CsesImport result;
  try {
    Reader reader;
    const YamlRead read = ParseYaml(utf8);
    if (!read.tree) {
      result.refusal = Unread(read);
      return result;
    }
    reader.Read(read.tree->Root());
    result.timetable = reader.Build();
  } catch (const Refused& refused) {
    result.refusal = refused.refusal;
  }
  return result;
}

bool LooksLikeCses(std::string_view utf8) {
  const YamlRead read = ParseYaml(utf8);
  if (!read.tree) return false;  // not YAML at all
  const YamlNode root = read.tree->Root();
  return root.IsMap() && root.Get("version").IsDefined() && root.Get("schedules").IsDefined();
}

}  // namespace orvel::exchange
