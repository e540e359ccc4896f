#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "exchange/cses.h"
#include "exchange/cses_week.h"

namespace orvel::exchange {
namespace {

enum class Weeks { All, Odd, Even };

using Span = std::pair<std::int32_t, std::int32_t>;  // start, end in seconds since midnight

struct Class {
  int day;
  Weeks weeks;
  Span span;
  std::string subject;  // as the cell shows it
};

// Thrown inside the walk and caught at its top; never leaves ImportCses.
struct Refused {
  CsesRefusal refusal;
};

int LineOf(const YAML::Mark& mark) {
  return mark.is_null() ? 0 : mark.line + 1;
}
int LineOf(const YAML::Node& node) {
  return LineOf(node.Mark());
}

[[noreturn]] void Refuse(const YAML::Node& where, std::string reason) {
  throw Refused{{LineOf(where), std::move(reason)}};
}

// The value of `key` in `map`; an undefined node when it is missing. Never adds the key, as the
// non-const operator[] would.
YAML::Node Get(const YAML::Node& map, const char* key) {
  const YAML::Node& constMap = map;
  return constMap[key];
}

// A text for a message: a scalar as written (its first 30 bytes or so, cut between UTF-8
// characters), anything else by its kind.
std::string Shown(const YAML::Node& node) {
  if (node.IsScalar()) {
    constexpr std::size_t kShownBytes = 30;
    const std::string& text = node.Scalar();
    if (text.size() <= kShownBytes) return text;
    std::size_t cut = kShownBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "…";
  }
  if (node.IsSequence()) return "列表";
  if (node.IsMap()) return "映射";
  return "空";
}

// A decimal integer written as a plain number ("1", not "1.0" or "0x1"); quoted numbers count.
std::optional<int> IntegerOf(const YAML::Node& node) {
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

// "HH:MM:SS", two digits each, 00:00:00 to 23:59:59.
std::optional<std::int32_t> CsesTime(const YAML::Node& node) {
  if (!node.IsScalar()) return std::nullopt;
  const std::string& text = node.Scalar();
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  int fields[3];
  for (int i = 0; i < 3; ++i) {
    const char high = text[static_cast<std::size_t>(i) * 3];
    const char low = text[static_cast<std::size_t>(i) * 3 + 1];
    if (high < '0' || high > '9' || low < '0' || low > '9') return std::nullopt;
    fields[i] = (high - '0') * 10 + (low - '0');
  }
  if (fields[0] > 23 || fields[1] > 59 || fields[2] > 59) return std::nullopt;
  return fields[0] * 3600 + fields[1] * 60 + fields[2];
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
  std::string text = std::to_string(h) + ':' + (m < 10 ? "0" : "") + std::to_string(m);
  if (s != 0) text += std::string(":") + (s < 10 ? "0" : "") + std::to_string(s);
  return text;
}

// A list under `key`, or a null node when the value is missing or null (an empty list).
YAML::Node ListOf(const YAML::Node& map, const char* key, const char* what) {
  const YAML::Node list = Get(map, key);
  // A missing key gives a node that throws when asked for its kind.
  if (!list.IsDefined() || list.IsNull()) return YAML::Node();
  if (!list.IsSequence()) {
    Refuse(list, std::string(key) + " 应为" + what + "列表，这里是“" + Shown(list) + "”。");
  }
  return list;
}

// A required mapping entry of `map`.
YAML::Node Required(const YAML::Node& map, const char* key, const char* what) {
  const YAML::Node value = Get(map, key);
  if (!value.IsDefined() || value.IsNull()) {
    Refuse(map, std::string(what) + "缺少 " + key + "。");
  }
  return value;
}

class Reader {
 public:
  void Read(const YAML::Node& root) {
    if (!root.IsMap()) {
      if (!root.IsDefined() || root.IsNull()) throw Refused{{0, "文件是空的，不是 CSES 课程表。"}};
      Refuse(root, "不是 CSES 课程表（应为含 version、subjects、schedules 的映射）。");
    }
    ReadVersion(root);
    ReadSubjects(root);
    const YAML::Node schedules = ListOf(root, "schedules", "课程表");
    if (schedules.IsSequence()) {
      for (const YAML::Node& schedule : schedules) ReadSchedule(schedule);
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
      table.SetCell(0, day + 1, std::string(DayName(day)));
    }
    std::map<Span, int> rowOf;
    int row = 1;
    for (const Span& span : spans_) {
      rowOf[span] = row;
      table.SetCell(row, 0, "第" + std::to_string(row) + "节");
      table.SetCell(row, 1, ClockText(span.first) + '-' + ClockText(span.second));
      ++row;
    }

    // The classes of each cell by weeks, distinct, in file order.
    struct Cell {
      std::vector<std::string> all, odd, even;
    };
    std::map<std::pair<int, int>, Cell> cells;  // (row, day)
    for (const Class& c : classes_) {
      Cell& cell = cells[{rowOf[c.span], c.day}];
      std::vector<std::string>& side = c.weeks == Weeks::All   ? cell.all
                                       : c.weeks == Weeks::Odd ? cell.odd
                                                               : cell.even;
      if (std::find(side.begin(), side.end(), c.subject) == side.end()) side.push_back(c.subject);
    }
    for (const auto& [place, cell] : cells) {
      const std::string odd = Joined(cell.odd.empty() ? cell.all : cell.odd);
      const std::string even = Joined(cell.even.empty() ? cell.all : cell.even);
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

  void ReadVersion(const YAML::Node& root) {
    const YAML::Node version = Get(root, "version");
    if (!version.IsDefined()) Refuse(root, "不是 CSES 课程表：没有 version 字段。");
    if (IntegerOf(version) != 1) {
      Refuse(version, "CSES 版本“" + Shown(version) + "”无法读取，只能导入版本 1。");
    }
  }

  void ReadSubjects(const YAML::Node& root) {
    const YAML::Node subjects = ListOf(root, "subjects", "课程");
    if (!subjects.IsSequence()) return;
    for (const YAML::Node& subject : subjects) {
      if (!subject.IsMap())
        Refuse(subject, "课程应写成含 name 的映射，这里是“" + Shown(subject) + "”。");
      const YAML::Node name = Required(subject, "name", "课程");
      if (!name.IsScalar()) Refuse(name, "课程名称应为文字，这里是“" + Shown(name) + "”。");
      subjects_.insert(name.Scalar());
    }
  }

  void ReadSchedule(const YAML::Node& schedule) {
    if (!schedule.IsMap()) {
      Refuse(schedule,
             "课程表应写成含 enable_day、weeks、classes 的映射，这里是“" + Shown(schedule) + "”。");
    }
    const YAML::Node dayNode = Required(schedule, "enable_day", "课程表");
    const std::optional<int> day = IntegerOf(dayNode);
    if (!day || *day < kFirstDay || *day > kLastDay) {
      Refuse(dayNode, "enable_day 为“" + Shown(dayNode) + "”，应为 1 到 7（星期一到星期日）。");
    }
    lastDay_ = std::max(lastDay_, *day);
    const YAML::Node weeksNode = Required(schedule, "weeks", "课程表");
    const std::string weeksText = weeksNode.IsScalar() ? weeksNode.Scalar() : std::string();
    Weeks weeks;
    if (weeksText == "all") {
      weeks = Weeks::All;
    } else if (weeksText == "odd") {
      weeks = Weeks::Odd;
    } else if (weeksText == "even") {
      weeks = Weeks::Even;
    } else {
      Refuse(weeksNode,
             "weeks 为“" + Shown(weeksNode) + "”，应为 all（每周）、odd（单周）或 even（双周）。");
    }
    const YAML::Node classes = ListOf(schedule, "classes", "课程安排");
    if (!classes.IsSequence()) return;
    for (const YAML::Node& entry : classes) ReadClass(entry, *day, weeks);
  }

  void ReadClass(const YAML::Node& entry, int day, Weeks weeks) {
    if (++classCount_ > kMaxCsesClasses) {
      Refuse(entry, "课程安排超过 " + std::to_string(kMaxCsesClasses) + " 条，不是一份课程表。");
    }
    if (!entry.IsMap()) {
      Refuse(entry, "课程安排应写成含 subject、start_time、end_time 的映射，这里是“" +
                        Shown(entry) + "”。");
    }
    const YAML::Node subject = Required(entry, "subject", "课程安排");
    if (!subject.IsScalar() || !subjects_.contains(subject.Scalar())) {
      Refuse(subject, "课程“" + Shown(subject) + "”不在 subjects 课程列表中。");
    }
    const Span span{Time(entry, "start_time", "开始时间"), Time(entry, "end_time", "结束时间")};
    if (spans_.insert(span).second && static_cast<int>(spans_.size()) > kMaxRows - 1) {
      Refuse(entry, "上课时间段超过 " + std::to_string(kMaxRows - 1) + " 个，课表放不下（最多 " +
                        std::to_string(kMaxRows) + " 行）。");
    }
    classes_.push_back({day, weeks, span, CellText(subject.Scalar())});
  }

  static std::int32_t Time(const YAML::Node& entry, const char* key, const char* what) {
    const YAML::Node node = Required(entry, key, "课程安排");
    const std::optional<std::int32_t> time = CsesTime(node);
    if (!time) {
      Refuse(node,
             std::string(what) + "“" + Shown(node) + "”不是 HH:MM:SS 格式（例如 08:00:00）。");
    }
    return *time;
  }

  std::set<std::string> subjects_;
  std::set<Span> spans_;
  std::vector<Class> classes_;
  int classCount_ = 0;
  int lastDay_ = kLastWorkDay;
};

}  // namespace

std::string CsesRefusal::Message() const {
  if (line <= 0) return reason;
  return "第 " + std::to_string(line) + " 行：" + reason;
}

CsesImport ImportCses(std::string_view utf8) {
  CsesImport result;
  try {
    Reader reader;
    reader.Read(YAML::Load(std::string(utf8)));
    result.timetable = reader.Build();
  } catch (const Refused& refused) {
    result.refusal = refused.refusal;
  } catch (const YAML::ParserException& e) {
    result.refusal = {LineOf(e.mark), "不是有效的 YAML 文本，无法读取。"};
  } catch (const YAML::Exception& e) {
    // The walk checks every node's kind before it reads it; this is a node the checks missed.
    result.refusal = {LineOf(e.mark), "文件内容无法按 CSES 读取。"};
  }
  return result;
}

}  // namespace orvel::exchange
