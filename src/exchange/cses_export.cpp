#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clock/time_of_day.h"
#include "exchange/cses.h"
#include "exchange/cses_week.h"
#include "exchange/yaml_text.h"
#include "timetable/day_list.h"

namespace orvel::exchange {
namespace {

constexpr int kTimeColumn = 1;
// The clock's span separator: "8:00-8:45" splits at the first "-".
constexpr char kSpanSeparator = '-';

struct TimedRow {
  int row;
  std::int32_t start, end;
};

struct Class {
  std::string subject;
  const TimedRow* time;
};

struct Schedule {
  std::string name;
  int day;
  std::string_view weeks;
  std::vector<Class> classes;
};

// The rows whose time column the clock can read, sorted by start time (then end, then row).
std::vector<TimedRow> TimedRows(const Timetable& timetable) {
  std::vector<TimedRow> rows;
  for (int row = 1; row < timetable.rows(); ++row) {
    const std::string_view span = timetable.cell(row, kTimeColumn);
    const std::size_t separator = span.find(kSpanSeparator);
    if (separator == std::string_view::npos) continue;
    const auto start = clock::ParseTimeOfDay(span.substr(0, separator));
    const auto end = clock::ParseTimeOfDay(span.substr(separator + 1));
    if (start && end) rows.push_back({row, *start, *end});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const TimedRow& a, const TimedRow& b) {
    return a.start != b.start ? a.start < b.start : a.end < b.end;
  });
  return rows;
}

std::string CsesTime(std::int32_t seconds) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

// The schedules of one weekday column: none, one for all weeks, or one for odd and one for even
// weeks when a cell of it reads "odd/even". Adds the cells that give no class to `leftOut`.
void AddDay(const Timetable& timetable, const std::vector<TimedRow>& rows, int day,
            std::vector<Schedule>& schedules, int& leftOut) {
  const int col = day + 1;
  bool alternates = false;
  for (const TimedRow& row : rows) {
    if (timetable.cell(row.row, col).find(kWeekSeparator) != std::string::npos) alternates = true;
  }
  Schedule all{std::string(WeekdayName(day)), day, "all", {}};
  Schedule odd{std::string(WeekdayName(day)) + "（单周）", day, "odd", {}};
  Schedule even{std::string(WeekdayName(day)) + "（双周）", day, "even", {}};
  for (const TimedRow& row : rows) {
    const std::string& text = timetable.cell(row.row, col);
    if (text.empty()) continue;
    if (!alternates) {
      all.classes.push_back({text, &row});
      continue;
    }
    const std::size_t separator = text.find(kWeekSeparator);
    const std::string oddSubject = text.substr(0, separator);
    const std::string evenSubject =
        separator == std::string::npos ? text : text.substr(separator + 1);
    if (!oddSubject.empty()) odd.classes.push_back({oddSubject, &row});
    if (!evenSubject.empty()) even.classes.push_back({evenSubject, &row});
    if (oddSubject.empty() && evenSubject.empty()) ++leftOut;  // a bare "/"
  }
  for (Schedule* schedule : {&all, &odd, &even}) {
    if (!schedule->classes.empty()) schedules.push_back(std::move(*schedule));
  }
}

std::string Emit(const std::vector<Schedule>& schedules) {
  std::vector<std::string> subjects;
  for (const Schedule& schedule : schedules) {
    for (const Class& c : schedule.classes) {
      if (std::find(subjects.begin(), subjects.end(), c.subject) == subjects.end()) {
        subjects.push_back(c.subject);
      }
    }
  }

  // The layout is fixed, so it is written line by line: block sequences indented under their key,
  // subject names and times in double quotes (a YAML 1.1 reader takes a plain 10:00:00 for a
  // number of seconds, and names like 101 or yes for numbers and booleans). Schedule names, days
  // and weeks are the export's own words and need no quotes.
  std::string out = "version: 1\n";
  out += subjects.empty() ? "subjects: []\n" : "subjects:\n";
  for (const std::string& name : subjects) out += "  - name: " + DoubleQuoted(name) + "\n";
  out += schedules.empty() ? "schedules: []\n" : "schedules:\n";
  for (const Schedule& schedule : schedules) {
    out += "  - name: " + schedule.name + "\n";
    out += "    enable_day: " + std::to_string(schedule.day) + "\n";
    out += "    weeks: " + std::string(schedule.weeks) + "\n";
    out += "    classes:\n";
    for (const Class& c : schedule.classes) {
      out += "      - subject: " + DoubleQuoted(c.subject) + "\n";
      out += "        start_time: \"" + CsesTime(c.time->start) + "\"\n";
      out += "        end_time: \"" + CsesTime(c.time->end) + "\"\n";
    }
  }
  return out;
}

}  // namespace

CsesExport ExportCses(const Timetable& timetable) {
  CsesExport result;
  const std::vector<TimedRow> rows = TimedRows(timetable);

  std::vector<Schedule> schedules;
  for (int day = kFirstDay; day <= kLastDay; ++day) {
    AddDay(timetable, rows, day, schedules, result.cellsLeftOut);
  }

  // Every other non-empty body cell: rows without a time, columns past Sunday's.
  std::vector<bool> timed(static_cast<std::size_t>(timetable.rows()), false);
  for (const TimedRow& row : rows) timed[static_cast<std::size_t>(row.row)] = true;
  for (int row = 1; row < timetable.rows(); ++row) {
    for (int col = kFirstDayColumn; col < timetable.cols(); ++col) {
      const bool exported = timed[static_cast<std::size_t>(row)] && col <= kLastDayColumn;
      if (!exported && !timetable.cell(row, col).empty()) ++result.cellsLeftOut;
    }
  }

  result.yaml = Emit(schedules);
  return result;
}

}  // namespace orvel::exchange
