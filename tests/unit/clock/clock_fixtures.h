#pragma once
// Cells, colours and dates for the schedule clock's tests.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "clock/clock_cells.h"
#include "clock/reminder.h"
#include "clock/school_day.h"

namespace orvel::clock::test {

constexpr std::int32_t At(int h, int m, int s = 0) {
  return h * 3600 + m * 60 + s;
}

// Every colour different, so that a wrong colour number shows.
inline constexpr Colour kHeader = 0x0000C0;
inline constexpr Colour kBackground = 0xF0F0F0;  // not the white of a fresh grid
inline constexpr Colour kTodayColumn = 0x00C000;
inline constexpr Colour kCurrentRow = 0xC00000;
inline constexpr Colour kFreeNow = 0x00C0C0;
inline constexpr Colour kClassNow = 0xC0C000;
inline constexpr Colour kBreak = 0xC000C0;
inline constexpr Colour kText = 0x202020;

// The clock's settings and the calendar area the day is decided in (0 "上海", 1 "其他").
struct AreaSettings : ClockSettings {
  CalendarArea area;
};

inline AreaSettings Settings(RemindMode remindMode = RemindMode::Popup, int area = 1) {
  AreaSettings settings;
  settings.colours = {kHeader,  kBackground, kTodayColumn, kCurrentRow,
                      kFreeNow, kClassNow,   kBreak,       kText};
  settings.remindMode = remindMode;
  settings.area = CalendarArea::AtListIndex(area);
  return settings;
}

// Tuesday 1 September 2009, the first day of that school year, and days around it.
inline constexpr std::chrono::year_month_day kTuesday{std::chrono::year{2009},
                                                      std::chrono::September, std::chrono::day{1}};
inline constexpr std::chrono::year_month_day kWednesday{
    std::chrono::year{2009}, std::chrono::September, std::chrono::day{2}};
inline constexpr std::chrono::year_month_day kSaturday{std::chrono::year{2009},
                                                       std::chrono::September, std::chrono::day{5}};
inline constexpr std::chrono::year_month_day kSunday{std::chrono::year{2009},
                                                     std::chrono::September, std::chrono::day{6}};
inline constexpr int kTuesdayColumn = 3;

// Cells in memory. Reading a cell outside the table is a test failure: the clock must check.
class FakeCells final : public ClockCells {
 public:
  FakeCells(int rows, int cols)
      : rows_(rows),
        cols_(cols),
        text_(static_cast<std::size_t>(rows * cols)),
        back_(static_cast<std::size_t>(rows * cols), kBackground) {}

  int Rows() const override { return rows_; }
  int Cols() const override { return cols_; }
  std::string_view Text(int row, int col) const override {
    return Asked(row, col) ? std::string_view(text_[At(row, col)]) : std::string_view();
  }
  Colour BackColour(int row, int col) const override {
    return Asked(row, col) ? back_[At(row, col)] : kBackground;
  }
  Colour ForeColour() const override { return fore; }

  void SetText(int row, int col, std::string text) {
    if (Inside(row, col)) text_[At(row, col)] = std::move(text);
  }
  void SetBack(int row, int col, Colour c) {
    if (Inside(row, col)) back_[At(row, col)] = c;
  }
  // As the clock leaves a table between changes (area "其他"): label, header and text colour.
  void Settle() {
    SetText(0, 1, "时间");
    fore = kText;
    for (int c = 0; c < cols_; ++c) SetBack(0, c, kHeader);
  }

  Colour fore = kText;

 private:
  bool Inside(int row, int col) const { return row >= 0 && col >= 0 && row < rows_ && col < cols_; }
  bool Asked(int row, int col) const {
    if (!Inside(row, col)) ADD_FAILURE() << "the clock read cell (" << row << ", " << col << ")";
    return Inside(row, col);
  }
  std::size_t At(int row, int col) const { return static_cast<std::size_t>(row * cols_ + col); }

  int rows_;
  int cols_;
  std::vector<std::string> text_;
  std::vector<Colour> back_;
};

// The example week: row 1 without a time, 8:00-8:45 in row 2, 8:55-9:40 in row 3, 7 columns.
inline FakeCells TuesdayCells(std::string tuesdaySubjectRow3 = "数学") {
  FakeCells cells(4, 7);
  cells.SetText(0, 1, "时间");
  cells.SetText(1, 0, "早读");
  cells.SetText(2, 1, "8:00-8:45");
  cells.SetText(3, 1, "8:55-9:40");
  cells.SetText(3, kTuesdayColumn, std::move(tuesdaySubjectRow3));
  cells.Settle();
  return cells;
}

// A date as the clock sees it without a day list.
inline SchoolDay DayOf(std::chrono::year_month_day date, CalendarArea area) {
  return DayRules().Decide(date, area);
}

}  // namespace orvel::clock::test
