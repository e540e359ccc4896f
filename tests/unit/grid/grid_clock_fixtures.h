#pragma once
// A grid running the grid edition's clock, for its tests.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "clock_fixtures.h"
#include "grid/grid_clock.h"
#include "grid/grid_clock_apply.h"
#include "platform/ui/grid.h"
#include "platform/ui/services.h"

namespace orvel::grid::test {

using namespace clock::test;
using clock::ClockSettings;

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
  GridClock(int rows, int cols, AreaSettings settings)
      : grid(nullptr, "MSFlexGrid1", metrics_), settings_(settings) {
    grid.SetSize(rows, cols);
    grid.AttachPeer(std::make_unique<CountingPeer>(changes, cellChanges));
    grid.onRowColChange = [this] { ++rowColChanges; };
  }

  ClockTick Tick(std::chrono::year_month_day today, std::int32_t now) {
    ClockTick tick =
        DecideClockTick(GridClockCells(grid), settings_, DayOf(today, settings_.area), now, state);
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
  AreaSettings settings_;
};

inline void FillTuesdayGrid(ui::Grid& grid, std::string subject = "数学") {
  grid.SetSize(4, 7);
  grid.SetTextMatrix(0, 1, "时间");
  grid.SetTextMatrix(1, 0, "早读");
  grid.SetTextMatrix(2, 1, "8:00-8:45");
  grid.SetTextMatrix(3, 1, "8:55-9:40");
  grid.SetTextMatrix(3, kTuesdayColumn, std::move(subject));
}

}  // namespace orvel::grid::test
