#include "clock/period_search.h"

#include <optional>

#include "clock/time_of_day.h"
#include "clock/week_label.h"

namespace orvel::clock {
namespace {

constexpr char kSpanSeparator = '-';

// The next start is read at row 0 and after each period, and is then the start of the row the
// walk reaches next: one reading serves both. Keyed by the text's place, which does not move
// during a search.
class NextStartReading {
 public:
  std::optional<std::int32_t> Read(std::string_view text) {
    if (!Holds(text)) {
      text_ = text;
      value_ = ParseTimeOfDay(text);
    }
    return value_;
  }
  std::optional<std::int32_t> ReadStart(std::string_view text) const {
    return Holds(text) ? value_ : ParseTimeOfDay(text);
  }

 private:
  bool Holds(std::string_view text) const {
    return text_.data() != nullptr && text.data() == text_.data() && text.size() == text_.size();
  }
  std::string_view text_;
  std::optional<std::int32_t> value_;
};

// The period that began before midnight and has not ended yet, as the current one.
template <class TimeText>
void FindPeriodAfterMidnight(const TimeText& timeText, int rows, std::int32_t nowSeconds,
                             PeriodSearch& result) {
  for (int row = 1; row < rows; ++row) {
    const std::string_view span = timeText(row);
    const std::size_t separator = span.find(kSpanSeparator);
    if (separator == std::string_view::npos) continue;
    const auto start = ParseTimeOfDay(span.substr(0, separator));
    const auto end = ParseTimeOfDay(span.substr(separator + 1));
    if (start && end && *end < *start && nowSeconds < *end) {
      result.currentRow = row;
      result.currentEndSeconds = *end;
      return;
    }
  }
}

}  // namespace

int WeekdayColumn(std::chrono::year_month_day date) {
  return MondayFirstWeekday(date) + 1;
}

PeriodSearch FindPeriod(const ClockCells& cells, std::int32_t nowSeconds,
                        std::int16_t& nextPeriodRow, std::string_view headerTimeText) {
  PeriodSearch result;
  const int rows = cells.Rows();
  const bool hasTimeColumn = cells.Cols() > kTimeColumn;
  const auto timeText = [&](int row) -> std::string_view {
    if (!hasTimeColumn) return {};
    return row == 0 ? headerTimeText : cells.Text(row, kTimeColumn);
  };

  // Each round looks ahead for the first row below with a time span. Rows between one find and
  // the next have none, so a find stays valid until the walk reaches it; this keeps the whole
  // walk one pass over column 1. Without a find, the last examined text is the bottom row's.
  std::string_view lastExamined;
  NextStartReading next;
  int found = -1;  // the row the last look-ahead found, -1 before the first find
  bool noneBelow = false;
  for (int i = 0; i < rows; ++i) {
    if (!noneBelow && found <= i) {
      found = -1;
      for (int row = i + 1; row < rows; ++row) {
        lastExamined = timeText(row);
        const std::size_t separator = lastExamined.find(kSpanSeparator);
        if (separator != std::string_view::npos) {
          found = row;
          result.nextStartText = lastExamined.substr(0, separator);
          nextPeriodRow = static_cast<std::int16_t>(found);
          break;
        }
      }
      if (found < 0) noneBelow = true;
    }

    if (i == 0) {
      // Read even when empty: a table without any time span fails here.
      const auto nextStart = next.Read(result.nextStartText);
      if (!nextStart) {
        result.timeFailed = true;
        return result;
      }
      if (nowSeconds < *nextStart) {
        // Before the first period, unless last evening's period runs past midnight.
        FindPeriodAfterMidnight(timeText, rows, nowSeconds, result);
        return result;
      }
    }

    const std::string_view span = timeText(i);
    const std::size_t separator = span.find(kSpanSeparator);
    if (separator == std::string_view::npos) continue;
    const auto start = next.ReadStart(span.substr(0, separator));
    const auto end = ParseTimeOfDay(span.substr(separator + 1));
    if (!start || !end) {
      result.timeFailed = true;
      return result;
    }
    // A period whose end is before its start ends the next day ("23:30-00:30").
    const std::int32_t endSeconds = *end < *start ? *end + kSecondsPerDay : *end;
    if (*start <= nowSeconds && nowSeconds < endSeconds) {
      result.currentRow = i;
      result.currentEndSeconds = endSeconds;
      return result;
    }
    if (!lastExamined.empty()) {
      const auto nextStart = next.Read(result.nextStartText);
      if (!nextStart) {
        result.timeFailed = true;
        return result;
      }
      if (endSeconds <= nowSeconds && nowSeconds < *nextStart) {
        result.breakRow = i + 1;
        result.nextStartSeconds = *nextStart;
        return result;
      }
    }
  }
  return result;
}

double ReminderDistance(std::int32_t nextStartSeconds, std::int32_t nowSeconds) {
  return static_cast<double>(nextStartSeconds - nowSeconds) / kSecondsPerDay * 1000.0;
}

bool InReminderWindow(double distance) {
  return distance >= 2.08 && distance <= 2.094;
}

bool InTrayRemovalWindow(double distance) {
  return distance >= 1.88 && distance <= 1.894;
}

}  // namespace orvel::clock
