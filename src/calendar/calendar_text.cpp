#include "calendar/calendar_text.h"

#include "calendar/term_dates.h"
#include "platform/text_codec.h"

namespace orvel {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr std::string_view kLineEnd = "\r\n";
// Title lines fill the seven other columns with empty fields.
constexpr std::string_view kEmptyFields = ",,,,,,,";
constexpr std::string_view kHeader = "周序,日,一,二,三,四,五,六";

std::string FullDate(const year_month_day& d) {
  return FillIn("{}/{}/{}",
                {static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
                 static_cast<int>(static_cast<unsigned>(d.day()))});
}

std::string CellText(const year_month_day& d, const year_month_day& first) {
  if (d == first) return FullDate(d);
  const unsigned day = static_cast<unsigned>(d.day());
  if (day != 1) return FillIn("{}", {static_cast<int>(day)});
  // After New Year the year is needed to read the month right.
  if (d.year() > first.year()) return FullDate(d);
  return FillIn("{}/1", {static_cast<int>(static_cast<unsigned>(d.month()))});
}

void AppendLine(std::string& out, std::string_view a, std::string_view b = {}) {
  out += a;
  out += b;
  out += kLineEnd;
}

}  // namespace

void WriteTermWeeks(std::string& out, year_month_day first, year_month_day last) {
  if (!first.ok() || !last.ok()) return;
  const sys_days f{first};
  const sys_days l{last};
  if (l < f) return;

  // Monday = 1 ... Sunday = 7; a week runs from Sunday to Saturday.
  const std::int64_t w = std::chrono::weekday{f}.iso_encoding();
  std::string pending(static_cast<std::size_t>(w % 7), ',');
  for (sys_days d = f; d <= l; d += days{1}) {
    const std::int64_t i = (d - f).count();
    pending += CellText(year_month_day{d}, first);
    pending += ',';
    if ((w + i + 1) % 7 == 0) {  // Saturday closes the row
      pending.pop_back();
      AppendLine(out, std::to_string((w + i + 1) / 7) + ",", pending);
      pending.clear();
    }
  }
  const unsigned lastWeekday = std::chrono::weekday{l}.iso_encoding();
  if (lastWeekday <= 5) {
    AppendLine(out, std::to_string((l - f).count() / 7 + 1) + ",", pending);
  }
}

std::optional<std::string> CalendarText(std::string_view label, std::int16_t autumnYear) {
  const auto firstStart = TermDate(autumnYear, kFirstTermStart);
  const auto firstEnd = TermDate(autumnYear, kFirstTermEnd);
  const auto secondStart = TermDate(autumnYear, kSecondTermStart);
  const auto secondEnd = TermDate(autumnYear, kSecondTermEnd);
  if (!firstStart || !firstEnd || !secondStart || !secondEnd) return std::nullopt;

  std::string out;
  AppendLine(out, std::string(label) + "学年度校历", kEmptyFields);
  AppendLine(out, "第一学期", kEmptyFields);
  AppendLine(out, kHeader);
  WriteTermWeeks(out, *firstStart, *firstEnd);
  AppendLine(out, "第二学期", kEmptyFields);
  AppendLine(out, kHeader);
  WriteTermWeeks(out, *secondStart, *secondEnd);
  return out;
}

}  // namespace orvel
