#pragma once
// The grid edition's schedule window on the headless backend, in a fresh program folder.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "grid/frm_schedule.h"
#include "platform/file_io.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/user_actions.h"
#include "platform/text_codec.h"
#include "program/program_state.h"

namespace orvel::test {

class ProgramFolder {
 public:
  ProgramFolder() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("orvel-program-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_ / "scd");
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;
  ~ProgramFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

  // Every file below the folder with its bytes, to see that nothing was written.
  std::vector<std::pair<std::string, std::string>> Snapshot() const {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_)) {
      const std::string name = entry.path().lexically_relative(path_).generic_string();
      if (entry.is_directory()) {
        files.emplace_back(name + "/", std::string());
        continue;
      }
      std::ifstream in(entry.path(), std::ios::binary);
      files.emplace_back(name, std::string(std::istreambuf_iterator<char>(in), {}));
    }
    std::sort(files.begin(), files.end());
    return files;
  }

 private:
  std::filesystem::path path_;
};

inline void WriteAnsiFile(const std::filesystem::path& file, std::string_view utf8) {
  const std::string bytes = Utf8ToAnsi(utf8);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

using Rows = std::vector<std::vector<std::string>>;

// The cells of a grid, row by row.
inline Rows GridCells(const ui::Grid& grid) {
  Rows cells(static_cast<std::size_t>(grid.Rows()));
  for (int r = 0; r < grid.Rows(); ++r)
    for (int c = 0; c < grid.Cols(); ++c)
      cells[static_cast<std::size_t>(r)].push_back(grid.TextMatrix(r, c));
  return cells;
}

// A timetable file in the canonical form: counts, then one CR LF line per row.
inline void WriteTimetable(const std::filesystem::path& folder, std::string_view name,
                           const Rows& rows) {
  std::string text = std::to_string(rows.size()) + "," + std::to_string(rows.at(0).size()) + "\r\n";
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) text += (c ? "," : "") + row[c];
    text += "\r\n";
  }
  WriteAnsiFile(folder / "scd" / PathFromUtf8(name), text);
}

// The first day of the tests' term, a Tuesday.
inline constexpr std::chrono::year_month_day kTuesday{std::chrono::year{2009},
                                                      std::chrono::September, std::chrono::day{1}};

// h:m:s as seconds of the day, the tests' clock.
constexpr int At(int h, int m, int s = 0) {
  return h * 3600 + m * 60 + s;
}

// A week of five school days: 7 columns (label, time, Monday to Friday).
inline Rows WeekTable() {
  return {
      {"节次", "时间", "星期一", "星期二", "星期三", "星期四", "星期五"},
      {"第一节", "8:00-8:45", "语文", "数学", "英语", "物理", "化学"},
      {"第二节", "8:55-9:40", "数学", "语文", "体育", "英语", "音乐"},
      {"午休", "", "", "", "", "", ""},
      {"第三节", "13:30-14:15", "美术", "化学", "语文", "数学", "班会"},
  };
}

// Nine columns: Monday to Sunday.
inline Rows FullWeekTable() {
  return {
      {"节次", "时间", "一", "二", "三", "四", "五", "六", "日"},
      {"1", "8:00-8:45", "语文", "数学", "英语", "物理", "化学", "补课", "自习"},
      {"2", "8:55-9:40", "数学", "语文", "体育", "英语", "音乐", "", ""},
  };
}

// The settings file's fields, as text, in file order; defaults as a fresh program writes them.
struct SettingsFile {
  std::string left = "0", top = "0";
  std::string scdFileName = "Schedule.csv";
  std::string lock = "0", fold = "0", frame = "0", alpha = "0", layer = "0", scheme = "0";
  std::string customColours = "0,0,0,0,0,0,0,0";
  std::string fontName = "宋体", fontSize = "9", effect = "0";
  std::string highlight = "0", idle = "0", idleHours = "0", remind = "0", area = "0";

  void Write(const std::filesystem::path& folder) const {
    WriteAnsiFile(folder / "Orvel2.ini",
                  left + "," + top + "\r\n" + scdFileName + "\r\n" + lock + "," + fold + "," +
                      frame + "," + alpha + "," + layer + "," + scheme + "\r\n" + customColours +
                      "\r\n" + fontName + "," + fontSize + "," + effect + "\r\n" + highlight + "," +
                      idle + "," + idleHours + "," + remind + "," + area + "\r\n");
  }
};

// The program as its start builds it; the members go in the order the real start makes them.
struct TestProgram {
  explicit TestProgram(const std::filesystem::path& folder)
      : platform(folder), state(platform, Edition::Grid), window(state) {
    window.ShowControlPanel = [this] { ++panelOpenings; };
  }

  void Start() { window.Show(); }
  Rows Cells() const { return GridCells(window.MSFlexGrid1); }
  const headless::WindowRecord& Window() { return *platform.windows().Window(window); }

  headless::HeadlessPlatform platform;
  program::ProgramState state;
  grid::FrmSchedule window;
  int panelOpenings = 0;
};

// Widths under the backend's documented metrics: ASCII half an em, others one em, em = 20 × size.
inline double MetricWidth(std::string_view utf8, double points) {
  double width = 0;
  for (char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
      width += points * 10;
    else if ((b & 0xC0) != 0x80)
      width += points * 20;
  }
  return width;
}

}  // namespace orvel::test
