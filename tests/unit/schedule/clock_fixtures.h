#pragma once
// Cells, colours and a grid for the schedule clock's tests.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "platform/ui/grid.h"
#include "platform/ui/services.h"
#include "schedule/schedule_clock.h"
#include "schedule/schedule_clock_apply.h"
#include "schedule/schedule_clock_cells.h"

namespace orvel::schedule::test {

constexpr std::int32_t At(int h, int m, int s = 0) { return h * 3600 + m * 60 + s; }

// Every colour different, so that a wrong colour number shows.
inline constexpr Colour kHeader = 0x0000C0;
inline constexpr Colour kBackground = 0xF0F0F0;  // not the white of a fresh grid
inline constexpr Colour kTodayColumn = 0x00C000;
inline constexpr Colour kCurrentRow = 0xC00000;
inline constexpr Colour kFreeNow = 0x00C0C0;
inline constexpr Colour kClassNow = 0xC0C000;
inline constexpr Colour kBreak = 0xC000C0;
inline constexpr Colour kText = 0x202020;

inline ClockSettings Settings(int remindMode = kRemindPopup, double area = 1) {
  return ClockSettings{{kHeader, kBackground, kTodayColumn, kCurrentRow, kFreeNow, kClassNow,
                        kBreak, kText},
                       remindMode,
                       area};
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
  bool Inside(int row, int col) const {
    return row >= 0 && col >= 0 && row < rows_ && col < cols_;
  }
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

class FixedMetrics final : public ui::TextMetrics {
 public:
  double TextWidth(const ui::Font&, const std::string& text) const override {
    return 90.0 * static_cast<double>(text.size());
  }
  double TextHeight(const ui::Font&) const override { return 180; }
};

// Counts what a native grid would have to repaint.
class CountingPeer final : public ui::WidgetPeer {
 public:
  CountingPeer(int& changes, int& cellChanges) : changes_(changes), cellChanges_(cellChanges) {}
  void Changed(ui::Property) override { ++changes_; }
  void CellChanged(int, int) override {
    ++changes_;
    ++cellChanges_;
  }

 private:
  int& changes_;
  int& cellChanges_;
};

// The clock running on a grid, one tick at a time, as the schedule window runs it.
class GridClock {
 public:
  GridClock(int rows, int cols, ClockSettings settings)
      : grid(nullptr, "MSFlexGrid1", metrics_), settings_(settings) {
    grid.SetSize(rows, cols);
    grid.AttachPeer(std::make_unique<CountingPeer>(changes, cellChanges));
    grid.onRowColChange = [this] { ++rowColChanges; };
  }

  ClockTick Tick(std::chrono::year_month_day today, std::int32_t now) {
    ClockTick tick = DecideClockTick(GridClockCells(grid), settings_, today, now, state);
    ApplyClockTick(grid, tick);
    state = tick.state;
    return tick;
  }

  // What the control panel does when highlighting is switched off.
  void Whiten() {
    for (int r = 0; r < grid.Rows(); ++r)
      for (int c = 0; c < grid.Cols(); ++c) grid.SetCellBackColour(r, c, 0xFFFFFF);
    grid.SetForeColour(0x000000);
  }

  // Cells that do not have `colour`, as (row, col) pairs.
  std::vector<std::pair<int, int>> CellsNotIn(Colour colour, int fromRow = 1) const {
    std::vector<std::pair<int, int>> cells;
    for (int r = fromRow; r < grid.Rows(); ++r)
      for (int c = 0; c < grid.Cols(); ++c)
        if (grid.CellBackColour(r, c) != colour) cells.emplace_back(r, c);
    return cells;
  }

 private:
  FixedMetrics metrics_;

 public:
  ui::Grid grid;
  ClockState state;
  int changes = 0;      // anything a native grid would redraw
  int cellChanges = 0;  // of which single cells
  int rowColChanges = 0;

 private:
  ClockSettings settings_;
};

inline void FillTuesdayGrid(ui::Grid& grid, std::string subject = "数学") {
  grid.SetSize(4, 7);
  grid.SetTextMatrix(0, 1, "时间");
  grid.SetTextMatrix(1, 0, "早读");
  grid.SetTextMatrix(2, 1, "8:00-8:45");
  grid.SetTextMatrix(3, 1, "8:55-9:40");
  grid.SetTextMatrix(3, kTuesdayColumn, std::move(subject));
}

}  // namespace orvel::schedule::test
