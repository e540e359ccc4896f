// Start-up of each edition on timetables from a school week to the largest file a timetable can
// hold, on the headless backend: the program built, its window shown (settings, timetable,
// layout, the tray icon) and closed again. The time should grow with the number of cells, not
// with its square; the classic edition refuses a matrix of more text boxes than its window makes
// within 2 s (kMaxClassicCells) and opens the empty default one instead.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "app/classic_program.h"
#include "app/grid_program.h"
#include "platform/headless/headless_platform.h"
#include "platform/text_codec.h"

namespace {

using namespace orvel;

class ProgramFolder {
 public:
  ProgramFolder(int rows, int cols) {
    std::random_device random;
    do {
      path_ = std::filesystem::temp_directory_path() /
              ("orvel-startup-bench-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
    std::filesystem::create_directory(path_ / "scd");
    std::ofstream(path_ / "scd" / "Schedule.csv", std::ios::binary) << Timetable(rows, cols);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;
  ~ProgramFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  // Labels, time spans and subjects, so that every column has texts to measure.
  static std::string Timetable(int rows, int cols) {
    std::string text = std::to_string(rows) + "," + std::to_string(cols) + "\r\n";
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < cols; ++c) {
        if (c) text += ",";
        if (c == 0)
          text += "第" + std::to_string(r) + "节";
        else if (c == 1)
          text += std::to_string(6 + r / 12) + ":" + std::to_string(10 + r % 12 * 4) + "-7:00";
        else
          text += (r + c) % 2 ? "数学" : "语文";
      }
      text += "\r\n";
    }
    return Utf8ToAnsi(text);
  }

  std::filesystem::path path_;
};

template <class Program>
void StartAndClose(benchmark::State& state) {
  const ProgramFolder folder(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  std::size_t messages = 0;
  for (auto _ : state) {
    headless::HeadlessPlatform platform(folder.path());
    Program program(platform);
    program.Start();
    messages = platform.dialogs().Messages().size();
  }
  state.counters["cells"] = static_cast<double>(state.range(0) * state.range(1));
  // 1 when the edition refused the table and said so.
  state.counters["messages"] = static_cast<double>(messages);
}

void BM_GridStartup(benchmark::State& state) {
  StartAndClose<app::GridProgram>(state);
}
void BM_ClassicStartup(benchmark::State& state) {
  StartAndClose<app::ClassicProgram>(state);
}

// A school week, a year's lessons in one file, and the largest tables.
BENCHMARK(BM_GridStartup)
    ->Args({12, 7})
    ->Args({60, 16})
    ->Args({128, 64})
    ->Args({256, 64})
    ->Unit(benchmark::kMillisecond);
// 396 boxes is the largest week here the classic edition shows; 960 and 16,384 are refused.
BENCHMARK(BM_ClassicStartup)
    ->Args({12, 7})
    ->Args({44, 9})
    ->Args({60, 16})
    ->Args({256, 64})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
