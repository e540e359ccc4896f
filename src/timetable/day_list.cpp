#include "timetable/day_list.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "platform/text_codec.h"
#include "timetable/file_text.h"

namespace orvel {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;
using std::chrono::year_month_day;

constexpr std::string_view kHoliday = "放假";
constexpr std::string_view kMakeUpDay = "补班";
constexpr std::string_view kSwap = "调课";
constexpr std::string_view kTermStart = "开学";
constexpr std::string_view kOddWeek = "单周";
constexpr std::string_view kEvenWeek = "双周";
constexpr std::string_view kNationalDays = "国家节假日";
constexpr std::string_view kCountdown = "倒计时";
constexpr std::string_view kOn = "开";
constexpr std::string_view kOff = "关";
constexpr std::string_view kOdd = "单";
constexpr std::string_view kEven = "双";

// Monday first; 日 and 天 both name Sunday.
constexpr std::array<std::string_view, 7> kWeekdayCharacters{"一", "二", "三", "四",
                                                             "五", "六", "日"};
constexpr std::array<std::string_view, 7> kWeekdayNames{"星期一", "星期二", "星期三", "星期四",
                                                        "星期五", "星期六", "星期日"};

// The fields of a line, blanks around them removed; empty fields at the end (a spreadsheet pads
// its rows to the widest one) dropped.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t comma = line.find(',');
    fields.push_back(TrimBlanks(line.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  while (fields.size() > 1 && fields.back().empty()) fields.pop_back();
  return fields;
}

std::optional<int> Number(std::string_view digits, std::size_t minDigits, std::size_t maxDigits) {
  if (digits.size() < minDigits || digits.size() > maxDigits) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// 1-7, 一 to 日 (or 天), 星期二, 周二.
std::optional<int> ParseWeekday(std::string_view text) {
  if (const auto n = Number(text, 1, 1); n && *n >= 1 && *n <= 7) return n;
  for (const std::string_view prefix : {std::string_view("星期"), std::string_view("周")}) {
    if (text.starts_with(prefix)) {
      text.remove_prefix(prefix.size());
      break;
    }
  }
  if (text == "天") return 7;
  for (std::size_t i = 0; i < kWeekdayCharacters.size(); ++i)
    if (text == kWeekdayCharacters[i]) return static_cast<int>(i) + 1;
  return std::nullopt;
}

std::optional<WeekParity> ParseHalf(std::string_view text) {
  if (text == kOdd || text == kOddWeek) return WeekParity::Odd;
  if (text == kEven || text == kEvenWeek) return WeekParity::Even;
  return std::nullopt;
}

bool IsNote(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  return trimmed.empty() || trimmed.front() == '#';
}

}  // namespace

std::optional<year_month_day> ParseDayDate(std::string_view text) {
  const std::size_t first = text.find_first_of("-/");
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = text.find_first_of("-/", first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto y = Number(text.substr(0, first), 4, 4);
  const auto m = Number(text.substr(first + 1, second - first - 1), 1, 2);
  const auto d = Number(text.substr(second + 1), 1, 2);
  if (!y || !m || !d) return std::nullopt;
  const year_month_day date{year{*y}, month{static_cast<unsigned>(*m)},
                            day{static_cast<unsigned>(*d)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::vector<int> DayList::UnreadableLines() const {
  std::vector<int> numbers;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].unreadable) numbers.push_back(static_cast<int>(i) + 1);
  return numbers;
}

std::string DayDateText(const year_month_day& date) {
  std::array<char, 16> buffer{};
  const int n =
      std::snprintf(buffer.data(), buffer.size(), "%04d-%02u-%02u", static_cast<int>(date.year()),
                    static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return std::string(buffer.data(), static_cast<std::size_t>(n > 0 ? n : 0));
}

std::string_view WeekdayName(int mondayFirst) {
  if (mondayFirst < 1 || mondayFirst > 7) return {};
  return kWeekdayNames[static_cast<std::size_t>(mondayFirst - 1)];
}

std::optional<DayRule> ParseDayRule(std::string_view line) {
  if (IsNote(line)) return std::nullopt;
  const std::vector<std::string_view> fields = Fields(line);
  DayRule rule;
  if (fields[0] == kNationalDays) {
    if (fields.size() != 2 || (fields[1] != kOn && fields[1] != kOff)) return std::nullopt;
    rule.kind = DayRuleKind::NationalDays;
    rule.nationalDaysOn = fields[1] == kOn;
    return rule;
  }
  const std::optional<year_month_day> date = ParseDayDate(fields[0]);
  if (!date || fields.size() < 2) return std::nullopt;
  rule.date = *date;
  const std::string_view kind = fields[1];
  const std::size_t values = fields.size() - 2;
  if (kind == kHoliday && values <= 1) {
    rule.kind = DayRuleKind::Holiday;
    if (values == 1) rule.name = std::string(fields[2]);
    return rule;
  }
  if (kind == kMakeUpDay && (values == 1 || values == 2)) {
    const std::optional<int> weekday = ParseWeekday(fields[2]);
    if (!weekday) return std::nullopt;
    rule.kind = DayRuleKind::MakeUpDay;
    rule.weekday = *weekday;
    if (values == 2) {
      const std::optional<WeekParity> half = ParseHalf(fields[3]);
      if (!half) return std::nullopt;
      rule.half = *half;
    }
    return rule;
  }
  if (kind == kSwap && (values == 1 || values == 2) && !fields[2].empty()) {
    rule.kind = DayRuleKind::Swap;
    rule.period = std::string(fields[2]);
    // No text: the period is free that day.
    if (values == 2) rule.text = std::string(fields[3]);
    return rule;
  }
  if (kind == kCountdown && values == 1 && !fields[2].empty()) {
    rule.kind = DayRuleKind::Countdown;
    rule.name = std::string(fields[2]);
    return rule;
  }
  if (values == 0) {
    if (kind == kTermStart)
      rule.kind = DayRuleKind::TermStart;
    else if (kind == kOddWeek)
      rule.kind = DayRuleKind::OddWeek;
    else if (kind == kEvenWeek)
      rule.kind = DayRuleKind::EvenWeek;
    else
      return std::nullopt;
    return rule;
  }
  return std::nullopt;
}

DayList ParseDayList(std::string_view fileBytes) {
  const FileText file = DecideFileText(fileBytes);
  std::string_view body = file.body;
  DayList list;
  while (!body.empty()) {
    const std::string_view raw = TakeLine(body);
    DayLine line;
    line.text = DecodeField(raw, file.encoding);
    line.rule = ParseDayRule(line.text);
    line.unreadable = !line.rule && !IsNote(line.text);
    list.lines.push_back(std::move(line));
  }
  return list;
}

std::string DayRuleLine(const DayRule& rule) {
  if (rule.kind == DayRuleKind::NationalDays)
    return std::string(kNationalDays) + "," + std::string(rule.nationalDaysOn ? kOn : kOff);
  std::string line = DayDateText(rule.date) + ",";
  switch (rule.kind) {
    case DayRuleKind::Holiday:
      line += kHoliday;
      if (!rule.name.empty()) line += "," + rule.name;
      break;
    case DayRuleKind::MakeUpDay:
      line += std::string(kMakeUpDay) + "," + std::string(WeekdayName(rule.weekday));
      if (rule.half != WeekParity::Unknown)
        line += "," + std::string(rule.half == WeekParity::Odd ? kOdd : kEven);
      break;
    case DayRuleKind::Swap:
      line += std::string(kSwap) + "," + rule.period + "," + rule.text;
      break;
    case DayRuleKind::TermStart:
      line += kTermStart;
      break;
    case DayRuleKind::OddWeek:
      line += kOddWeek;
      break;
    case DayRuleKind::EvenWeek:
      line += kEvenWeek;
      break;
    case DayRuleKind::Countdown:
      line += std::string(kCountdown) + "," + rule.name;
      break;
    case DayRuleKind::NationalDays:
      break;
  }
  return line;
}

DayListRead ReadDayList(const std::filesystem::path& file) {
  FileBytes read = ReadWholeFile(file, kMaxDayListBytes);
  DayListRead result;
  result.status = read.status;
  if (read.status == FileStatus::Ok) result.list = ParseDayList(read.bytes);
  return result;
}

std::optional<FieldRefusal> RefuseDayRuleText(std::string_view field) {
  EncodedField encoded = EncodeField(field);
  return encoded.refusal;
}

DayListWrite WriteDayList(const std::filesystem::path& file, const DayList& list) {
  DayListWrite result;
  std::string bytes;
  std::string utf8;
  for (std::size_t i = 0; i < list.lines.size(); ++i) {
    const std::string& text = list.lines[i].text;
    const std::size_t lineBreak = text.find('\n');
    if (lineBreak != std::string::npos) {
      result.refused =
          UnwritableDayLine{static_cast<int>(i) + 1, FieldRefusal{FieldFault::LineBreak, "\n"}};
      return result;
    }
    std::optional<std::string> ansi = Utf8ToAnsiExact(text);
    if (!ansi) {
      result.refused =
          UnwritableDayLine{static_cast<int>(i) + 1,
                            FieldRefusal{FieldFault::NotInCodePage, FirstNotInCodePage(text)}};
      return result;
    }
    bytes += *ansi;
    bytes += "\r\n";
    utf8 += text;
  }
  if (std::optional<FieldRefusal> refusal = RefuseIfTakenForUtf8(bytes, utf8)) {
    result.refused = UnwritableDayLine{1, *refusal};
    return result;
  }
  result.status = ReplaceFileContents(file, bytes);
  return result;
}

}  // namespace orvel
