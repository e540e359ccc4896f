#pragma once
// FrmSchedule of the classic edition: the timetable as a matrix of text boxes. A borderless
// window holding the frame Frame1, which covers it, the boxes TxtSubject inside the frame and
// the two timers. Box 0 is the template the boxes of the matrix are made from; the matrix is
// rebuilt whenever a timetable of another size is loaded or created.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "classic/box_layout.h"
#include "classic/classic_clock.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "program/program_state.h"
#include "program/schedule_window.h"
#include "timetable/edition.h"

namespace orvel::classic {

// Shown by the control panel's load command when the chosen file cannot be read.
inline constexpr std::string_view kLoadFailedText =
    "找不到数据文件或读取错误，即将新建一个默认格式的空课表";
inline constexpr std::string_view kLoadFailedTitle = "错误";

class FrmSchedule : public ui::Form, public program::ScheduleWindow {
 public:
  static constexpr Edition kEdition = Edition::Classic;

  explicit FrmSchedule(program::ProgramState& state);
  ~FrmSchedule() override;

  program::ProgramState& state() const { return state_; }

  ui::Frame Frame1;  // covers the window; disabled while the timetable is locked
  // TxtSubject(0) is the hidden template; boxes 1 to ScdRows × ScdCols are the matrix, row by
  // row. A removed box leaves an empty place.
  std::vector<std::unique_ptr<ui::TextBox>> TxtSubject;
  ui::Timer Timerduration;  // 1000 ms: the idle check, switched on by the control panel

  // Start-up: settings, position, layer, timetable and matrix, area, lock, fold, transparency
  // and the clock. No tray icon: the clock adds one only around a balloon.
  void Form_Load();
  // Builds the matrix of rows × cols boxes from the template, frameStyle its border style
  // (0 none, 1 single line; any other value keeps the template's), and sizes the window to it.
  // Boxes that exist already are reused.
  void LoadSchedule(std::int16_t rows, std::int16_t cols, std::int16_t frameStyle);
  // Removes boxes 1 to count; boxes that do not exist are skipped.
  void RemoveBoxes(int count);
  // Start-up reading of ScdFileName with the classic reader into a new matrix. On failure: the
  // start-up message, the empty 11 × 7 matrix and "Schedule.csv"; false then.
  bool ScdLoad();

  // Box number k of the matrix, or nullptr when there is none.
  ui::TextBox* Box(int k) const;
  // The matrix's cell size: the template's size in whole twips.
  CellSize TemplateCellSize() const;

  void Form_MouseDown(ui::MouseButton Button, int Shift, double X, double Y);
  // Presses on the frame reach the form on every backend (the frame is transparent to the
  // mouse); kept for the frame's own press, which acts like the form's.
  void Frame1_MouseDown(ui::MouseButton Button, int Shift, double X, double Y);
  void TxtSubject_MouseDown(int Index, ui::MouseButton Button, int Shift, double X, double Y);
  void Form_DblClick();
  void TxtSubject_DblClick(int Index);
  // A right click on the window or through the inert boxes of a locked timetable; a box that
  // takes input keeps its own edit menu.
  void Form_ContextMenu();
  void Form_FilesDropped(const std::vector<std::string>& paths);
  void Timerduration_Timer();

  // What the program shell and the control panel do to the window (program/schedule_window.h).
  void RunClockTick(const clock::ClockSettings& settings, const clock::SchoolDay& today,
                    std::int32_t nowSeconds, const RaiseReminder& raise) override;
  // A swapped lesson's box shows its text after an arrow and is read-only for the day; the
  // timetable keeps the box's own text.
  void ShowSchoolDay(const clock::SchoolDay& today) override;
  void ComposeStripLine(const clock::SchoolDay& today, std::int32_t nowSeconds,
                        std::string& line) const override;
  ui::Form& form() override { return *this; }
  void ShowLock(bool locked) override;
  void ShowFold(bool folded) override;
  // Only recorded: the border style takes effect when the matrix is next built.
  void ApplyFrame(bool framed) override;
  void MakeLayered(program::Layering layering, ui::Colour colour, int alpha) override;
  bool HasFonts() const override { return false; }
  std::string GridFontName() const override { return {}; }
  float GridFontSize() const override { return 0; }
  int GridTextEffect() const override { return 0; }
  void SetGridFontName(const std::string&) override {}
  void SetGridFontSize(float) override {}
  void SetGridTextEffect(int) override {}
  ui::Timer& IdleTimer() override { return Timerduration; }
  void PaintCellsWhite() override;
  bool LoadTimetableFile(const std::string& scdFileName) override;
  TimetableRead LoadTimetableQuietly(const std::string& scdFileName) override;
  void ShowFetchedTimetable(const std::string& scdFileName, const Timetable& table) override;
  // Within the timetable's bounds and the boxes the edition shows (EditionShows).
  bool CanHold(std::int16_t rows, std::int16_t cols) const override;
  void NewTimetable(std::int16_t rows, std::int16_t cols) override;
  std::optional<Timetable> CurrentTimetable() const override;

 private:
  // LoadSchedule in two steps: the boxes of the matrix placed and shown, with the ones newly
  // made returned without their native windows, which MakeWindows then creates.
  std::vector<ui::TextBox*> BuildBoxes(std::int16_t rows, std::int16_t cols,
                                       std::int16_t frameStyle);
  void MakeWindows(const std::vector<ui::TextBox*>& boxes);
  // scdFileName read the classic way into a new matrix. On failure `failedText` with the reason,
  // the empty 11 × 7 matrix and "Schedule.csv"; false then. A read that left something out is
  // told.
  bool ReadIntoMatrix(std::string scdFileName, std::string_view failedText);
  // The border style for the next build: the panel's last choice, else the working value.
  std::int16_t FrameForBuild() const;
  // Old matrix out, a matrix for `table` in, its texts filled, the day's swaps shown.
  void Rebuild(const Timetable& table);
  void Fill(const Timetable& table);
  void SetWindowWidth(double width);
  // The boxes showing a swapped lesson back to their own texts.
  void RestoreSwappedBoxes();

  program::ProgramState& state_;
  // The schedule clock's value between ticks.
  ClassicClockState clockState_;
  std::optional<std::int16_t> recordedFrame_;
  // The day the shell last handed.
  clock::SchoolDay today_;
  // Boxes showing a swapped lesson, with their own texts.
  struct SwappedBox {
    int box = 0;
    std::string ownText;
  };
  std::vector<SwappedBox> swapped_;
};

}  // namespace orvel::classic
