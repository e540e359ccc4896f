#pragma once
// The classic edition on the headless backend, in a fresh program folder: ClassicProgram as
// Schedule.exe builds it, its five-line settings file, and reading its text-box matrix.
#include <filesystem>
#include <string>

#include "app/classic_program.h"
#include "classic/frm_schedule.h"
#include "program_fixture.h"

namespace orvel::test {

// "Schedule.ini": the fields of SettingsFile without the font line.
inline void WriteClassicSettings(const std::filesystem::path& folder, const SettingsFile& s) {
  WriteAnsiFile(folder / "Schedule.ini",
                s.left + "," + s.top + "\r\n" + s.scdFileName + "\r\n" + s.lock + "," + s.fold +
                    "," + s.frame + "," + s.alpha + "," + s.layer + "," + s.scheme + "\r\n" +
                    s.customColours + "\r\n" + s.highlight + "," + s.idle + "," + s.idleHours +
                    "," + s.remind + "," + s.area + "\r\n");
}

// The texts of the matrix, row by row, as the boxes hold them.
inline Rows BoxTexts(const classic::FrmSchedule& window) {
  const int rows = window.state().ScdRows;
  const int cols = window.state().ScdCols;
  Rows texts(static_cast<std::size_t>(rows));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const ui::TextBox* box = window.Box(r * cols + c + 1);
      texts[static_cast<std::size_t>(r)].push_back(box ? box->Text() : "<missing>");
    }
  return texts;
}

// The box of cell (row, col) counted from 0.
inline ui::TextBox& CellBox(const classic::FrmSchedule& window, int row, int col) {
  ui::TextBox* box = window.Box(row * window.state().ScdCols + col + 1);
  if (!box) throw std::logic_error("no box for the cell");
  return *box;
}

struct ClassicTestProgram {
  explicit ClassicTestProgram(const std::filesystem::path& folder) : platform(folder) {}
  // Builds the program and shows its window, which runs the start-up.
  void Start() {
    program = std::make_unique<app::ClassicProgram>(platform);
    program->Start();
  }
  classic::FrmSchedule& window() { return program->window(); }
  const headless::WindowRecord& Window() { return *platform.windows().Window(window()); }

  headless::HeadlessPlatform platform;
  std::unique_ptr<app::ClassicProgram> program;
};

}  // namespace orvel::test
