#pragma once
// FrmSchedule: the grid edition's timetable window on the desktop. A borderless window holding
// nothing but the grid MSFlexGrid1, its in-place editor TxtFlex and the idle timer; it keeps its
// size equal to the grid's and has rounded corners.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_clock.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/grid.h"
#include "program/program_state.h"
#include "program/schedule_window.h"
#include "timetable/edition.h"

namespace orvel::grid {

inline constexpr std::string_view kTrayTip = "Tessaly2";
// The font the window falls back to when no timetable could be read.
inline constexpr std::string_view kFallbackFontName = "宋体";
inline constexpr double kFallbackFontSize = 9;

class FrmSchedule : public ui::Form, public program::ScheduleWindow {
 public:
  static constexpr Edition kEdition = Edition::Grid;

  explicit FrmSchedule(program::ProgramState& state);
  ~FrmSchedule() override;

  program::ProgramState& state() const { return state_; }

  ui::Grid MSFlexGrid1;
  ui::TextBox TxtFlex;      // the in-place editor, hidden until a cell is clicked
  ui::Timer Timerduration;  // 1000 ms: the idle check, switched on by the control panel

  // Start-up: settings, position, layer, timetable, lock, fonts, transparency, clock, columns,
  // window size and the tray icon.
  void Form_Load();
  // Reads ScdFileName into the grid and ScdRows / ScdCols. On failure: the message, the empty
  // 11 × 7 timetable and ScdFileName "Schedule.csv"; false then. Writes nothing.
  bool ScdLoad();
  void MakeLayered(program::Layering layering, ui::Colour colour, int alpha) override;
  // The window fitting: grid sized to its columns and rows, window to the grid, region.
  void FitToGrid();

  void Form_MouseDown(ui::MouseButton Button, int Shift, double X, double Y);
  void MSFlexGrid1_MouseDown(ui::MouseButton Button, int Shift, double X, double Y);
  void Form_DblClick();
  void MSFlexGrid1_DblClick();
  void TxtFlex_DblClick();
  // A right click the grid lets through, or one on the window itself; the editor keeps its own.
  void Form_ContextMenu();
  void Form_FilesDropped(const std::vector<std::string>& paths);
  void MSFlexGrid1_RowColChange();
  void MSFlexGrid1_Click();
  void TxtFlex_MouseDown(ui::MouseButton Button, int Shift, double X, double Y);
  void TxtFlex_LostFocus();
  void Timerduration_Timer();

  // What the program shell and the control panel do to the window (program/schedule_window.h).
  void RunClockTick(const clock::ClockSettings& settings, const clock::SchoolDay& today,
                    std::int32_t nowSeconds, const RaiseReminder& raise) override;
  // Swapped lessons are drawn over their cells with a leading arrow; the cells keep their own.
  void ShowSchoolDay(const clock::SchoolDay& today) override;
  void ComposeStripLine(const clock::SchoolDay& today, std::int32_t nowSeconds,
                        std::string& line) const override;
  ui::Form& form() override { return *this; }
  void ShowLock(bool locked) override;
  void ShowFold(bool folded) override;
  void ApplyFrame(bool framed) override;
  bool HasFonts() const override { return true; }
  std::string GridFontName() const override { return MSFlexGrid1.FontName(); }
  float GridFontSize() const override { return MSFlexGrid1.FontSize(); }
  int GridTextEffect() const override { return MSFlexGrid1.TextEffect(); }
  void SetGridFontName(const std::string& name) override { MSFlexGrid1.SetFontName(name); }
  void SetGridFontSize(float points) override { MSFlexGrid1.SetFontSize(points); }
  void SetGridTextEffect(int effect) override { MSFlexGrid1.SetTextEffect(effect); }
  ui::Timer& IdleTimer() override { return Timerduration; }
  void PaintCellsWhite() override;
  bool LoadTimetableFile(const std::string& scdFileName) override;
  TimetableRead LoadTimetableQuietly(const std::string& scdFileName) override;
  void ShowFetchedTimetable(const std::string& scdFileName, const Timetable& table) override;
  bool CanHold(std::int16_t rows, std::int16_t cols) const override {
    return Timetable::WithSize(rows, cols).has_value();
  }
  void NewTimetable(std::int16_t rows, std::int16_t cols) override;
  std::optional<Timetable> CurrentTimetable() const override;

  // The cell the editor was last laid over.
  std::int16_t EditRow() const { return editRow_; }
  std::int16_t EditCol() const { return editCol_; }

 private:
  void ApplyGridAppearance();
  // The table into the grid and ScdRows / ScdCols, with today's swaps shown over it.
  void ShowTable(const Timetable& table);

  program::ProgramState& state_;
  // A press of the left button: when, and where on the window (twips).
  struct Press {
    std::int64_t steadyMs = 0;
    double x = 0, y = 0;
  };
  // Whether `second` completes a double click begun by `first`, by the user's rule.
  bool CompletesDoubleClick(const Press& first, const Press& second) const;

  // The schedule clock's values between ticks.
  ClockState clockState_;
  // The day the shell last handed.
  clock::SchoolDay today_;
  // The last press on the grid, and the one whose click laid the editor: a press on the editor
  // soon after it finishes the double click the user began on the cell.
  std::optional<Press> lastGridPress_;
  std::optional<Press> editorLaidBy_;
  std::int16_t editRow_ = 0;
  std::int16_t editCol_ = 0;
};

}  // namespace orvel::grid
