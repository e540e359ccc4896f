// One schedule clock tick on timetables of real and large size, with and without a change of
// period, and the timetable file read and written. Counts heap allocations per iteration with
// a replaced global operator new, and the grid changes a native grid would have to repaint.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "clock/school_day.h"
#include "clock/time_of_day.h"
#include "grid/grid_clock.h"
#include "grid/grid_clock_apply.h"
#include "platform/ui/grid.h"
#include "platform/ui/services.h"
#include "timetable/day_list.h"
#include "timetable/timetable.h"
#include "timetable/timetable_reader.h"
#include "timetable/timetable_writer.h"

namespace {
std::size_t g_allocations = 0;  // the benchmarks run on one thread
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

using namespace orvel;
using namespace orvel::clock;
using namespace orvel::grid;
using namespace std::chrono;

constexpr year_month_day kTuesday{year{2009}, September, day{1}};  // week 1 of the first term
constexpr int kFirstStart = 6 * 3600;
constexpr int kSlot = 300;  // a 4-minute period and a minute's break per row

class FixedMetrics final : public ui::TextMetrics {
 public:
  double TextWidth(const ui::Font&, const std::string& text) const override {
    return 90.0 * static_cast<double>(text.size());
  }
  double TextHeight(const ui::Font&) const override { return 180; }
};

class CountingPeer final : public ui::WidgetPeer {
 public:
  explicit CountingPeer(std::size_t& changes) : changes_(changes) {}
  void Changed(ui::Property) override { ++changes_; }
  void CellChanged(int, int) override { ++changes_; }

 private:
  std::size_t& changes_;
};

std::string TimeText(int seconds) {
  const int minutes = seconds / 60;
  return std::to_string(minutes / 60) + ":" + (minutes % 60 < 10 ? "0" : "") +
         std::to_string(minutes % 60);
}

int PeriodStart(int row) {
  return kFirstStart + (row - 1) * kSlot;
}

// A day list of `lines` lines as a school might keep over years: holidays, make-up days, swaps
// and week parities on the days after the benchmark's Tuesday, and on the Tuesday itself a swap
// of an odd/even lesson in an odd week.
DayList DayListOf(int lines) {
  std::string text;
  if (lines > 0) text += "2009-08-31,单周\n2009-09-01,调课,第3节,物理/化学\n";
  static constexpr const char* kKinds[] = {"放假,运动会", "补班,星期二", "调课,第2节,自习", "双周"};
  sys_days date{kTuesday};
  for (int i = 2; i < lines; ++i) {
    date += days{1};
    const year_month_day d{date};
    text += std::to_string(static_cast<int>(d.year())) + "-" +
            std::to_string(static_cast<unsigned>(d.month())) + "-" +
            std::to_string(static_cast<unsigned>(d.day())) + "," + kKinds[i % 4] + "\n";
  }
  return ParseDayList(text);
}

// Rows 1 and down are periods, each with a subject in every weekday column.
struct ClockBench {
  ClockBench(int rows, int cols, int dayLines = 0) : grid(nullptr, "MSFlexGrid1", metrics) {
    days.SetRules(DayRules::FromLists(nullptr, DayListOf(dayLines)));
    grid.SetSize(rows, cols);
    for (int r = 1; r < rows; ++r) {
      grid.SetTextMatrix(r, 0, "第" + std::to_string(r) + "节");
      grid.SetTextMatrix(r, 1, TimeText(PeriodStart(r)) + "-" + TimeText(PeriodStart(r) + 240));
      for (int c = 2; c < cols; ++c) grid.SetTextMatrix(r, c, "数学");
    }
    grid.AttachPeer(std::make_unique<CountingPeer>(changes));
    ColourTable table;
    settings.colours = SchemeColours(table, SchemeChoice::First);
    settings.remindMode = RemindMode::Popup;
  }

  // As the program's shell runs it: today asked of the day lists, then the window's tick.
  void Tick(int now) {
    const SchoolDay& today = days.On(kTuesday, area);
    const ClockTick tick = DecideClockTick(GridClockCells(grid), settings, today, now, state);
    ApplyClockTick(grid, tick);
    state = tick.state;
  }

  FixedMetrics metrics;
  ui::Grid grid;
  ClockSettings settings;
  CalendarArea area;  // 上海
  ClockState state;
  SchoolDays days;
  std::size_t changes = 0;
};

void Report(benchmark::State& state, std::size_t allocations, std::size_t repaints) {
  const auto n = static_cast<double>(state.iterations());
  state.counters["allocs/iter"] = static_cast<double>(allocations) / n;
  state.counters["repaints/iter"] = static_cast<double>(repaints) / n;
}

// A tick in the middle of the last period: the search walks the whole time column.
void BM_TickNoChange(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  ClockBench bench(rows, static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
  const int now = PeriodStart(rows - 1) + 60;
  bench.Tick(now);
  bench.Tick(now);  // settles the current cell
  const std::size_t allocations = g_allocations;
  const std::size_t changes = bench.changes;
  for (auto _ : state) bench.Tick(now);
  Report(state, g_allocations - allocations, bench.changes - changes);
}

// Every tick moves between the first and the last period: body reset and painting each time.
void BM_TickWithChange(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  ClockBench bench(rows, static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
  const int times[2] = {PeriodStart(1) + 60, PeriodStart(rows - 1) + 60};
  std::size_t i = 0;
  const std::size_t allocations = g_allocations;
  const std::size_t changes = bench.changes;
  for (auto _ : state) bench.Tick(times[i++ & 1]);
  Report(state, g_allocations - allocations, bench.changes - changes);
}

// The decision alone, without the grid work.
void BM_DecideNoChange(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  ClockBench bench(rows, static_cast<int>(state.range(1)));
  const int now = PeriodStart(rows - 1) + 60;
  bench.Tick(now);
  const GridClockCells cells(bench.grid);
  const std::size_t allocations = g_allocations;
  for (auto _ : state) {
    ClockTick tick =
        DecideClockTick(cells, bench.settings, bench.days.On(kTuesday, bench.area), now, bench.state);
    benchmark::DoNotOptimize(tick);
  }
  Report(state, g_allocations - allocations, 0);
}

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    do {
      path_ = std::filesystem::temp_directory_path() /
              ("orvel-clock-bench-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
    std::filesystem::create_directory(path_ / "scd");
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

Timetable LargeTimetable() {
  std::optional<Timetable> table = Timetable::WithSize(60, 9);
  table->SetCell(0, 1, "时间");
  for (int r = 1; r < 60; ++r) {
    table->SetCell(r, 0, "第" + std::to_string(r) + "节");
    table->SetCell(r, 1, TimeText(PeriodStart(r)) + "-" + TimeText(PeriodStart(r) + 240));
    for (int c = 2; c < 9; ++c) table->SetCell(r, c, c % 2 ? "数学" : "语文");
  }
  return *table;
}

void BM_WriteTimetable60x9(benchmark::State& state) {
  const TempFolder folder;
  const Timetable table = LargeTimetable();
  for (auto _ : state) {
    if (ScdSave(folder.path(), "Bench.csv", table, Edition::Grid).status != SaveStatus::Saved)
      state.SkipWithError("save");
  }
}

void BM_ReadTimetable60x9(benchmark::State& state) {
  const TempFolder folder;
  const Timetable table = LargeTimetable();
  if (ScdSave(folder.path(), "Bench.csv", table, Edition::Grid).status != SaveStatus::Saved)
    state.SkipWithError("save");
  for (auto _ : state) {
    std::optional<Timetable> read = LoadTimetable(folder.path(), "Bench.csv", Edition::Grid);
    if (!read || !(*read == table)) state.SkipWithError("read back differs");
    benchmark::DoNotOptimize(read);
  }
}

// The pieces of a tick: one time text, and the label of cell (0, 1) with its term dates.
void BM_ParseTimeOfDay(benchmark::State& state) {
  std::string text = "10:45";
  for (auto _ : state) {
    benchmark::DoNotOptimize(text.data());
    benchmark::DoNotOptimize(ParseTimeOfDay(text));
  }
}

void BM_ClockLabel(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ClockLabel(CalendarArea(), kTuesday));
}

// rows, columns, lines of the day list
BENCHMARK(BM_TickNoChange)->Args({12, 7, 0})->Args({60, 9, 0})->Args({12, 7, 1000});
BENCHMARK(BM_TickWithChange)->Args({12, 7, 0})->Args({60, 9, 0})->Args({12, 7, 1000});
BENCHMARK(BM_DecideNoChange)->Args({12, 7})->Args({60, 9});
BENCHMARK(BM_WriteTimetable60x9);
BENCHMARK(BM_ReadTimetable60x9);
BENCHMARK(BM_ParseTimeOfDay);
BENCHMARK(BM_ClockLabel);

}  // namespace

BENCHMARK_MAIN();
