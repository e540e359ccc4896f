#include "exchange/holiday_file.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "exchange/yaml_tree.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "timetable/day_list.h"
#include "timetable/file_text.h"

namespace orvel::exchange {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr std::string_view kJsonSuffix = ".json";
constexpr std::string_view kSchoolSuffix = ".school.json";

// "2027-01-01", as the data set writes its dates.
std::optional<year_month_day> DateOf(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const std::optional<int> y = UnsignedNumber(text.substr(0, 4));
  const std::optional<int> m = UnsignedNumber(text.substr(5, 2));
  const std::optional<int> d = UnsignedNumber(text.substr(8, 2));
  if (!y || !m || !d) return std::nullopt;
  const year_month_day date{std::chrono::year{*y}, std::chrono::month{static_cast<unsigned>(*m)},
                            std::chrono::day{static_cast<unsigned>(*d)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

bool IsWeekend(year_month_day date) {
  const std::chrono::weekday weekday{sys_days{date}};
  return weekday == std::chrono::Saturday || weekday == std::chrono::Sunday;
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// A year has at most 366 dates; the list may repeat some, but not without end.
constexpr std::size_t kMostListedDays = 1000;

using Problem = HolidayFileProblem::Kind;

HolidayFileRead Refused(int year, Problem kind, int line = 0) {
  HolidayFileRead read;
  read.problem.kind = kind;
  read.problem.year = year;
  read.problem.line = line;
  return read;
}

}  // namespace

HolidayFileRead ParseHolidayFile(std::string_view bytes, int year) {
  if (bytes.size() > kMaxHolidayFileBytes) return Refused(year, Problem::TooLarge);
  if (!IsValidUtf8(bytes)) return Refused(year, Problem::NotUtf8);
  const YamlRead read = ParseYaml(bytes);
  if (!read.tree) return Refused(year, Problem::NotJson, read.errorLine);
  const YamlNode root = read.tree->Root();
  if (!root.IsMap()) return Refused(year, Problem::NotAnObject);

  if (const YamlNode stated = root.Get("year"); stated.IsDefined()) {
    const std::optional<int> value =
        stated.IsScalar() ? UnsignedNumber(stated.Scalar()) : std::nullopt;
    if (!value) return Refused(year, Problem::YearNotANumber, stated.Line());
    if (*value != year) {
      HolidayFileRead refused = Refused(year, Problem::YearDiffers, stated.Line());
      refused.problem.stated = *value;
      return refused;
    }
  }
  const YamlNode days = root.Get("days");
  if (!days.IsSequence())
    return days.IsDefined() ? Refused(year, Problem::DaysNotAList, days.Line())
                            : Refused(year, Problem::NoDays);

  const std::vector<YamlNode> items = days.Items();
  if (items.size() > kMostListedDays) return Refused(year, Problem::TooManyDays, days.Line());
  // The New Year holiday may begin in the last days of the year before.
  const std::chrono::year y{year};
  const sys_days first{(y - std::chrono::years{1}) / std::chrono::December / kFirstYearEndDay};
  const sys_days last{y / std::chrono::December / 31};
  HolidayYear holidays;
  holidays.year = year;
  std::vector<int> lines;  // of each day kept, for a date listed twice
  for (const YamlNode& item : items) {
    if (!item.IsMap()) return Refused(year, Problem::DayNotAnObject, item.Line());
    const YamlNode dateNode = item.Get("date");
    const YamlNode nameNode = item.Get("name");
    const YamlNode offNode = item.Get("isOffDay");
    const std::optional<year_month_day> date =
        dateNode.IsScalar() ? DateOf(dateNode.Scalar()) : std::nullopt;
    if (!date)
      return Refused(year, Problem::DateNotADate, (dateNode.IsDefined() ? dateNode : item).Line());
    if (sys_days{*date} < first || sys_days{*date} > last) {
      HolidayFileRead refused = Refused(year, Problem::DateOutsideYear, dateNode.Line());
      refused.problem.date = dateNode.Scalar();
      return refused;
    }
    if (!nameNode.IsScalar() || nameNode.IsNull() || HasControlCharacter(nameNode.Scalar()))
      return Refused(year, Problem::NameNotText, (nameNode.IsDefined() ? nameNode : item).Line());
    const std::string& off = offNode.Scalar();
    if (!offNode.IsScalar() || (off != "true" && off != "false"))
      return Refused(year, Problem::OffDayNotBool, (offNode.IsDefined() ? offNode : item).Line());
    const NationalDayKind kind =
        off == "true" ? NationalDayKind::Holiday : NationalDayKind::MakeUpWorkday;
    // The data set lists a weekday that is worked as usual after an extended holiday (2020-02-03)
    // as a workday too: an ordinary day, not a make-up one.
    if (kind == NationalDayKind::MakeUpWorkday && !IsWeekend(*date)) continue;
    holidays.days.push_back({*date, kind, nameNode.Scalar()});
    lines.push_back(item.Line());
  }

  std::vector<std::size_t> order(holidays.days.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return sys_days{holidays.days[a].date} < sys_days{holidays.days[b].date};
  });
  std::vector<HolidayDate> sorted;
  for (const std::size_t i : order) {
    HolidayDate& day = holidays.days[i];
    if (!sorted.empty() && sorted.back().date == day.date) {
      // Listed twice: the same thing twice is harmless, a contradiction is not.
      if (sorted.back().kind != day.kind) {
        HolidayFileRead refused = Refused(year, Problem::HolidayAndWorkday, lines[i]);
        refused.problem.date = DayDateText(day.date);
        return refused;
      }
      continue;
    }
    sorted.push_back(std::move(day));
  }
  if (sorted.empty()) return {};
  holidays.days = std::move(sorted);
  return {std::move(holidays), {}};
}

HolidayFileRead ReadHolidayFile(const std::filesystem::path& file, int year) {
  FileBytes read = ReadWholeFile(file, kMaxHolidayFileBytes);
  switch (read.status) {
    case FileStatus::Ok:
      return ParseHolidayFile(read.bytes, year);
    case FileStatus::NotFound:
      return {};
    case FileStatus::TooLarge:
      return Refused(year, Problem::TooLarge);
    case FileStatus::AccessDenied:
    case FileStatus::Failed:
      break;
  }
  return Refused(year, Problem::Unreadable);
}

std::string HolidayFileName(int year, HolidaySource source) {
  return std::to_string(year) +
         std::string(source == HolidaySource::SchoolFile ? kSchoolSuffix : kJsonSuffix);
}

std::optional<YearSource> HolidayFileOf(std::string_view fileName) {
  if (fileName.size() < 4) return std::nullopt;
  const std::optional<int> year = UnsignedNumber(fileName.substr(0, 4));
  if (!year || *year < 1000) return std::nullopt;
  const std::string_view rest = fileName.substr(4);
  // Windows does not tell upper from lower case in names.
  const std::string lower = AsciiLower(std::string(rest));
  if (lower == kJsonSuffix) return YearSource{*year, HolidaySource::LocalFile};
  if (lower == kSchoolSuffix) return YearSource{*year, HolidaySource::SchoolFile};
  return std::nullopt;
}

}  // namespace orvel::exchange
