#include "grid/frm_schedule.h"

#include <cmath>
#include <string>
#include <utility>

#include "clock/period_search.h"
#include "clock/strip_line.h"
#include "grid/grid_clock_apply.h"
#include "grid/layout.h"
#include "platform/ui/platform.h"
#include "program/live_values.h"
#include "program/timetable_messages.h"
#include "program/window_region.h"
#include "program/window_startup.h"
#include "timetable/timetable_reader.h"

namespace orvel::grid {

using namespace program;

namespace {

constexpr int kTimerIntervalMs = 1000;

}  // namespace

FrmSchedule::FrmSchedule(ProgramState& state)
    : ui::Form(state.platform, "FrmSchedule", ui::FormStyle::Borderless),
      MSFlexGrid1(this, "MSFlexGrid1", state.platform.metrics()),
      TxtFlex(this, "TxtFlex"),
      Timerduration(this, "Timerduration", kTimerIntervalMs, false),
      state_(state) {
  SetCaption("Form1");
  iconId = kAppIconId;
  // A desktop fixture, reached through its tray icon; no taskbar button.
  showInTaskbar = false;

  onLoad = [this] { Form_Load(); };
  onMouseDown = [this](ui::MouseButton b, int s, double x, double y) {
    Form_MouseDown(b, s, x, y);
  };
  onDblClick = [this] { Form_DblClick(); };
  onContextMenu = [this] { Form_ContextMenu(); };
  acceptsDroppedFiles = true;
  onFilesDropped = [this](const std::vector<std::string>& paths) { Form_FilesDropped(paths); };
  // Another monitor or scale: the same twips are other pixels, and the region must follow.
  onDpiChanged = [this] { DoTransparency(*this); };
  MSFlexGrid1.onMouseDown = [this](ui::MouseButton b, int s, double x, double y) {
    MSFlexGrid1_MouseDown(b, s, x, y);
  };
  MSFlexGrid1.onDblClick = [this] { MSFlexGrid1_DblClick(); };
  MSFlexGrid1.onRowColChange = [this] { MSFlexGrid1_RowColChange(); };
  MSFlexGrid1.onClick = [this] { MSFlexGrid1_Click(); };
  TxtFlex.onDblClick = [this] { TxtFlex_DblClick(); };
  TxtFlex.onMouseDown = [this](ui::MouseButton b, int s, double x, double y) {
    TxtFlex_MouseDown(b, s, x, y);
  };
  TxtFlex.onLostFocus = [this] { TxtFlex_LostFocus(); };
  Timerduration.onTimer = [this] { Timerduration_Timer(); };
}

FrmSchedule::~FrmSchedule() {
  state_.tray.Forget(*this);
}

void FrmSchedule::Form_Load() {
  WorkingValues& values = state_.values;

  // Settings, place and layer, as in the classic edition.
  ReadStartupSettings(state_);
  if (SettingsRead) SettingsRead();
  RestorePosition(*this, state_);
  ApplyWindowLayer(state_, *this, values.layer);
  TxtFlex.SetVisible(false);

  // A failed read falls back to the design font as well.
  if (!ScdLoad()) {
    values.fontName = std::string(kFallbackFontName);
    values.fontSize = kFallbackFontSize;
  }

  // Lock, frame and fonts.
  SetLock(state_, *this, values.lock);
  // A size the panel never offers would shrink the window to nothing or stretch it over many
  // screens.
  values.fontSize = NearestOfferedFontSize(values.fontSize);
  ApplyGridAppearance();

  // Transparency keys out the scheme's background; the clock runs when highlighting is on.
  if (values.transparency)
    MakeLayered(Layering::ColourKey, state_.colours.Get(values.scheme, kColourBackground), 0);
  SetHighlighting(state_, values.highlight);

  // Columns: folded to today's, or every column fitted to its texts. The window follows the
  // grid only when the current cell changes, which the load need not do; the fold fits it once
  // so that it opens at the grid's size.
  SetFold(state_, *this, values.fold);
  KeepOnAMonitor(*this, state_);

  state_.tray.AddTrayIcon(*this, kTrayTip);
}

void FrmSchedule::ApplyGridAppearance() {
  const WorkingValues& values = state_.values;
  MSFlexGrid1.SetFrameStyle(values.frame ? 1 : 0);
  if (!values.fontName.empty()) MSFlexGrid1.SetFontName(values.fontName);
  MSFlexGrid1.SetFontSize(static_cast<float>(values.fontSize));
  // Text effects outside 0 to 4 are refused by the grid, and the step is skipped.
  const double effect = std::nearbyint(values.textEffect);
  if (effect >= 0 && effect <= ui::Grid::kMaxTextEffect)
    MSFlexGrid1.SetTextEffect(static_cast<int>(effect));
}

bool FrmSchedule::ScdLoad() {
  const std::string name = state_.values.ScdFileName;
  TimetableRead file = ReadScdTimetable(state_.programFolder, name, Edition::Grid);
  std::optional<Timetable>& table = file.table;
  const bool read = table.has_value();
  if (!read) {
    state_.platform.dialogs().MessageBox(this, WithReadProblem(kScdReadFailedText, name, file),
                                         std::string(kScdReadFailedTitle), ui::MessageIcon::Error,
                                         ui::MessageButtons::Ok);
    table = Timetable();
    state_.values.ScdFileName = std::string(kDefaultScdFileName);
  }
  TellUnshownContent(*this, name, file);
  ShowTable(*table);
  return read;
}

void FrmSchedule::ShowTable(const Timetable& table) {
  state_.ScdRows = table.rows();
  state_.ScdCols = table.cols();
  MSFlexGrid1.SetSize(table.rows(), table.cols());
  MSFlexGrid1.Move(0, 0);
  for (int r = 0; r < table.rows(); ++r)
    for (int c = 0; c < table.cols(); ++c) MSFlexGrid1.SetTextMatrix(r, c, table.cell(r, c));
  // The day's swaps over the new cells.
  ShowSchoolDay(today_);
}

void FrmSchedule::MakeLayered(Layering layering, ui::Colour colour, int alpha) {
  program::MakeLayered(*this, layering, colour, alpha);
}

void FrmSchedule::ShowLock(bool locked) {
  MSFlexGrid1.SetEnabled(!locked);
}

void FrmSchedule::ShowFold(bool folded) {
  if (folded) {
    // The day's column; it does not move by itself at midnight.
    FoldColumns(MSFlexGrid1, today_.column);
    AdjustColWidth(*this, MSFlexGrid1, kAlignLeftCentre, false);
  } else {
    AdjustColWidth(*this, MSFlexGrid1, kAlignCentreTop, true);
  }
  // The rounded corners would cut the texts of the outer columns, which were fitted to them.
  MSFlexGrid1.SetEdgeInset(static_cast<int>(
      std::lround(kCornerClearancePx * state_.platform.screen().TwipsPerPixelOf(*this))));
  WidenEdgeColumns(MSFlexGrid1);
  // The window takes the new widths at once: after a load or a new table (which end with this
  // step) a window left at the old size would clip the grid or show a grey band beside it.
  FitToGrid();
}

void FrmSchedule::ApplyFrame(bool framed) {
  MSFlexGrid1.SetFrameStyle(framed ? 1 : 0);
}

void FrmSchedule::PaintCellsWhite() {
  constexpr ui::Colour kWhite = 0xFFFFFF;
  for (int r = 0; r < state_.ScdRows && r < MSFlexGrid1.Rows(); ++r)
    for (int c = 0; c < state_.ScdCols && c < MSFlexGrid1.Cols(); ++c)
      MSFlexGrid1.SetCellBackColour(r, c, kWhite);
}

bool FrmSchedule::LoadTimetableFile(const std::string& scdFileName) {
  state_.values.ScdFileName = scdFileName;
  return ScdLoad();
}

TimetableRead FrmSchedule::LoadTimetableQuietly(const std::string& scdFileName) {
  TimetableRead file = ReadScdTimetable(state_.programFolder, scdFileName, Edition::Grid);
  if (file.table) {
    ShowFetchedTimetable(scdFileName, *file.table);
    file.table.reset();
  }
  return file;
}

void FrmSchedule::ShowFetchedTimetable(const std::string& scdFileName, const Timetable& table) {
  state_.values.ScdFileName = scdFileName;
  ShowTable(table);
}

void FrmSchedule::NewTimetable(std::int16_t rows, std::int16_t cols) {
  // Within the bounds every timetable keeps; anything else keeps the current table.
  if (const std::optional<Timetable> empty = Timetable::WithSize(rows, cols)) ShowTable(*empty);
}

void FrmSchedule::ShowSchoolDay(const clock::SchoolDay& today) {
  if (&today != &today_) today_ = today;
  std::vector<ui::Grid::ShownText> shown;
  for (clock::SwappedCell& cell : clock::SwappedCells(GridClockCells(MSFlexGrid1), today))
    shown.push_back({cell.row, cell.col, std::string(kSwappedMark) + cell.text});
  MSFlexGrid1.SetShownTexts(std::move(shown));
}

void FrmSchedule::ComposeStripLine(const clock::SchoolDay& today, std::int32_t nowSeconds,
                                   std::string& line) const {
  clock::ComposeStripLine(GridClockCells(MSFlexGrid1), today, nowSeconds, line);
}

std::optional<Timetable> FrmSchedule::CurrentTimetable() const {
  std::optional<Timetable> table = Timetable::WithSize(state_.ScdRows, state_.ScdCols);
  if (!table || MSFlexGrid1.Rows() < state_.ScdRows || MSFlexGrid1.Cols() < state_.ScdCols)
    return std::nullopt;
  for (int r = 0; r < state_.ScdRows; ++r)
    for (int c = 0; c < state_.ScdCols; ++c) table->SetCell(r, c, MSFlexGrid1.TextMatrix(r, c));
  return table;
}

void FrmSchedule::FitToGrid() {
  MSFlexGrid1.SetWidth(MSFlexGrid1.TotalWidth());
  MSFlexGrid1.SetHeight(MSFlexGrid1.TotalHeight());
  Move(Left(), Top(), MSFlexGrid1.Width(), MSFlexGrid1.Height());
  DoTransparency(*this);
}

void FrmSchedule::Form_MouseDown(ui::MouseButton Button, int Shift, double X, double Y) {
  (void)X;
  (void)Y;
  DragWhenAltLeft(*this, Button, Shift);
}

void FrmSchedule::MSFlexGrid1_MouseDown(ui::MouseButton Button, int Shift, double X, double Y) {
  if (Button == ui::MouseButton::Left)
    lastGridPress_ =
        Press{state_.platform.clock().SteadyMs(), MSFlexGrid1.Left() + X, MSFlexGrid1.Top() + Y};
  DragWhenAltLeft(*this, Button, Shift);
}

void FrmSchedule::Form_DblClick() {
  if (ShowControlPanel) ShowControlPanel();
}

void FrmSchedule::MSFlexGrid1_DblClick() {
  if (ShowControlPanel) ShowControlPanel();
}

void FrmSchedule::TxtFlex_DblClick() {
  if (ShowControlPanel) ShowControlPanel();
}

void FrmSchedule::Form_ContextMenu() {
  if (ShowScheduleMenu) ShowScheduleMenu();
}

void FrmSchedule::Form_FilesDropped(const std::vector<std::string>& paths) {
  // A drop moves no focus. The open editor's text goes to its cell now, as leaving the editor
  // puts it there, and not later into a cell of the dropped timetable.
  if (TxtFlex.Visible()) MSFlexGrid1.SetFocus();
  if (ImportDroppedFiles) ImportDroppedFiles(paths);
}

void FrmSchedule::MSFlexGrid1_RowColChange() {
  FitToGrid();
}

void FrmSchedule::MSFlexGrid1_Click() {
  if (!TxtFlex.Visible()) TxtFlex.SetVisible(true);
  TxtFlex.Move(MSFlexGrid1.Left() + MSFlexGrid1.CellLeft(),
               MSFlexGrid1.Top() + MSFlexGrid1.CellTop(), MSFlexGrid1.CellWidth(),
               MSFlexGrid1.CellHeight());
  TxtFlex.SetText(MSFlexGrid1.TextMatrix(MSFlexGrid1.Row(), MSFlexGrid1.Col()));
  editRow_ = static_cast<std::int16_t>(MSFlexGrid1.Row());
  editCol_ = static_cast<std::int16_t>(MSFlexGrid1.Col());
  editorLaidBy_ = lastGridPress_;
}

void FrmSchedule::TxtFlex_MouseDown(ui::MouseButton Button, int Shift, double X, double Y) {
  (void)Shift;
  // The second click of a double click on a cell lands on the editor its first click laid
  // there: it still opens the control panel. Only the first press on the editor can do so.
  const std::optional<Press> first = std::exchange(editorLaidBy_, std::nullopt);
  if (Button != ui::MouseButton::Left || !first) return;
  const Press second{state_.platform.clock().SteadyMs(), TxtFlex.Left() + X, TxtFlex.Top() + Y};
  if (CompletesDoubleClick(*first, second)) TxtFlex_DblClick();
}

bool FrmSchedule::CompletesDoubleClick(const Press& first, const Press& second) const {
  const ui::DoubleClickRule rule = state_.platform.input().DoubleClick();
  const ui::Screen& screen = state_.platform.screen();
  const double dxPx = std::fabs(second.x - first.x) / screen.TwipsPerPixelX();
  const double dyPx = std::fabs(second.y - first.y) / screen.TwipsPerPixelY();
  const std::int64_t elapsed = second.steadyMs - first.steadyMs;
  return elapsed >= 0 && elapsed <= rule.ms && dxPx <= rule.widthPx / 2.0 &&
         dyPx <= rule.heightPx / 2.0;
}

void FrmSchedule::TxtFlex_LostFocus() {
  TxtFlex.SetVisible(false);
  // A table made smaller while the editor was open has no such cell any more.
  if (editRow_ < MSFlexGrid1.Rows() && editCol_ < MSFlexGrid1.Cols())
    MSFlexGrid1.SetTextMatrix(editRow_, editCol_, TxtFlex.Text());
}

void FrmSchedule::RunClockTick(const clock::ClockSettings& settings, const clock::SchoolDay& today,
                               std::int32_t nowSeconds, const RaiseReminder& raise) {
  ClockTick tick =
      DecideClockTick(GridClockCells(MSFlexGrid1), settings, today, nowSeconds, clockState_);
  ApplyClockColours(MSFlexGrid1, tick);
  raise(tick.reminder, tick.removeTrayIcon);
  ApplyClockPainting(MSFlexGrid1, tick);
  clockState_ = tick.state;
}

void FrmSchedule::Timerduration_Timer() {
  if (IdleCheck) IdleCheck();
}

}  // namespace orvel::grid
