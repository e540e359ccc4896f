#include "classic/frm_schedule.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "classic/box_clock.h"
#include "clock/strip_line.h"
#include "platform/ui/platform.h"
#include "program/live_values.h"
#include "program/timetable_messages.h"
#include "program/window_region.h"
#include "program/window_startup.h"
#include "timetable/timetable_reader.h"

namespace orvel::classic {
namespace {

constexpr int kTimerIntervalMs = 1000;
constexpr int kAlignCentre = 2;

}  // namespace

FrmSchedule::FrmSchedule(program::ProgramState& state)
    : ui::Form(state.platform, "FrmSchedule", ui::FormStyle::Borderless),
      Frame1(this, "Frame1"),
      Timerduration(this, "Timerduration", kTimerIntervalMs, false),
      state_(state) {
  SetCaption("Form1");
  iconId = program::kAppIconId;
  // A desktop fixture without a taskbar button, like the grid edition's window.
  showInTaskbar = false;

  auto& templateBox = TxtSubject.emplace_back(std::make_unique<ui::TextBox>(this, "TxtSubject", 0));
  templateBox->Move(0, 0, kTemplateWidth, kTemplateHeight);
  templateBox->SetAlignment(kAlignCentre);
  templateBox->SetVisible(false);

  onLoad = [this] { Form_Load(); };
  onMouseDown = [this](ui::MouseButton b, int s, double x, double y) {
    Form_MouseDown(b, s, x, y);
  };
  onDblClick = [this] { Form_DblClick(); };
  onContextMenu = [this] { Form_ContextMenu(); };
  acceptsDroppedFiles = true;
  onFilesDropped = [this](const std::vector<std::string>& paths) { Form_FilesDropped(paths); };
  // Another monitor or scale: the same twips are other pixels, and the region must follow.
  onDpiChanged = [this] { program::DoTransparency(*this); };
  Timerduration.onTimer = [this] { Timerduration_Timer(); };
}

FrmSchedule::~FrmSchedule() {
  state_.tray.Forget(*this);
  // The last box first, as the form lets its controls go fastest.
  while (!TxtSubject.empty()) TxtSubject.pop_back();
}

void FrmSchedule::Form_Load() {
  WorkingValues& values = state_.values;

  // Settings, place and layer as in the grid edition; there is no editor to hide.
  program::ReadStartupSettings(state_);
  if (SettingsRead) SettingsRead();
  program::RestorePosition(*this, state_);
  program::ApplyWindowLayer(state_, *this, values.layer);

  // The matrix, with no font fallback on a failed read.
  ScdLoad();

  // A disabled frame makes every box inert; presses over the boxes reach the window.
  program::SetLock(state_, *this, values.lock);

  // The fold comes before the transparency: the width folds to columns 1 and 2, then the
  // rounded region.
  program::SetFold(state_, *this, values.fold);
  program::KeepOnAMonitor(*this, state_);

  // Transparency keys out the scheme's background; the clock runs when highlighting is on.
  if (values.transparency)
    MakeLayered(program::Layering::ColourKey, state_.colours.Get(values.scheme, kColourBackground),
                0);
  program::SetHighlighting(state_, values.highlight);
}

ui::TextBox* FrmSchedule::Box(int k) const {
  if (k < 0 || static_cast<std::size_t>(k) >= TxtSubject.size()) return nullptr;
  return TxtSubject[static_cast<std::size_t>(k)].get();
}

CellSize FrmSchedule::TemplateCellSize() const {
  return MatrixCellSize(TxtSubject[0]->Width(), TxtSubject[0]->Height());
}

void FrmSchedule::LoadSchedule(std::int16_t rows, std::int16_t cols, std::int16_t frameStyle) {
  MakeWindows(BuildBoxes(rows, cols, frameStyle));
}

void FrmSchedule::MakeWindows(const std::vector<ui::TextBox*>& boxes) {
  for (ui::TextBox* box : boxes) Attach(*box);
}

std::vector<ui::TextBox*> FrmSchedule::BuildBoxes(std::int16_t rows, std::int16_t cols,
                                                  std::int16_t frameStyle) {
  std::vector<ui::TextBox*> made;
  ui::TextBox& model = *TxtSubject[0];
  // The window and the frame take the matrix's size.
  const CellSize size = TemplateCellSize();
  const double width = MatrixWidth(cols, size);
  const double height = MatrixHeight(rows, size);
  Move(Left(), Top(), width, height);
  Frame1.Move(0, 0, width, height);
  // The template carries the border style to the boxes made from it.
  if (frameStyle == 0 || frameStyle == 1) model.SetBorderStyle(frameStyle);
  model.Move(size.w, model.Top());

  // Box k for row i, column j, made from the template or reused.
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= cols; ++j) {
      const int k = BoxNumber(i, j, cols);
      if (TxtSubject.size() <= static_cast<std::size_t>(k))
        TxtSubject.resize(static_cast<std::size_t>(k) + 1);
      std::unique_ptr<ui::TextBox>& slot = TxtSubject[static_cast<std::size_t>(k)];
      bool created = false;
      if (!slot) {
        // A new box starts hidden with the template's properties.
        slot = std::make_unique<ui::TextBox>(this, "TxtSubject", k);
        slot->SetVisible(false);
        slot->SetFont(model.font());
        slot->SetBackColour(model.BackColour());
        slot->SetForeColour(model.ForeColour());
        slot->SetBorderStyle(model.BorderStyle());
        slot->SetAlignment(model.Alignment());
        slot->multiLine = model.multiLine;
        slot->onMouseDown = [this, k](ui::MouseButton b, int s, double x, double y) {
          TxtSubject_MouseDown(k, b, s, x, y);
        };
        slot->onDblClick = [this, k] { TxtSubject_DblClick(k); };
        created = true;
      }
      const double startWidth = created ? model.Width() : slot->Width();
      const double startHeight = created ? model.Height() : slot->Height();
      const ui::Bounds b =
          BoxBounds(i, j, size, model.Left(), model.Top(), startWidth, startHeight);
      slot->Move(b.left, b.top, b.width, b.height);
      slot->SetVisible(true);
      if (created) made.push_back(slot.get());
    }
  }
  return made;
}

void FrmSchedule::RemoveBoxes(int count) {
  // From the last box down, as the form lets its controls go fastest.
  const int last = std::min(count, static_cast<int>(TxtSubject.size()) - 1);
  for (int k = last; k >= 1; --k) TxtSubject[static_cast<std::size_t>(k)].reset();
  while (TxtSubject.size() > 1 && !TxtSubject.back()) TxtSubject.pop_back();
}

bool FrmSchedule::CanHold(std::int16_t rows, std::int16_t cols) const {
  return EditionShows(rows, cols, kEdition);
}

bool FrmSchedule::ScdLoad() {
  return ReadIntoMatrix(state_.values.ScdFileName, program::kScdReadFailedText);
}

bool FrmSchedule::ReadIntoMatrix(std::string scdFileName, std::string_view failedText) {
  // The reader refuses a table of more boxes than the window makes in time.
  TimetableRead file = ReadScdTimetable(state_.programFolder, scdFileName, kEdition);
  const bool read = file.table.has_value();
  if (!read) {
    state_.platform.dialogs().MessageBox(
        this, program::WithReadProblem(failedText, scdFileName, file),
        std::string(program::kScdReadFailedTitle), ui::MessageIcon::Error, ui::MessageButtons::Ok);
    file.table = Timetable();
    state_.values.ScdFileName = std::string(program::kDefaultScdFileName);
  }
  Rebuild(*file.table);
  program::TellUnshownContent(*this, scdFileName, file);
  return read;
}

std::int16_t FrmSchedule::FrameForBuild() const {
  return recordedFrame_ ? *recordedFrame_ : (state_.values.frame ? 1 : 0);
}

void FrmSchedule::Rebuild(const Timetable& table) {
  swapped_.clear();
  RemoveBoxes(state_.ScdRows * state_.ScdCols);
  state_.ScdRows = table.rows();
  state_.ScdCols = table.cols();
  // The native boxes are made last, each once where it belongs and with its text.
  const std::vector<ui::TextBox*> made = BuildBoxes(table.rows(), table.cols(), FrameForBuild());
  Fill(table);
  MakeWindows(made);
  // The day's swaps over the new boxes.
  ShowSchoolDay(today_);
}

void FrmSchedule::Fill(const Timetable& table) {
  for (int r = 0; r < table.rows(); ++r)
    for (int c = 0; c < table.cols(); ++c)
      if (ui::TextBox* box = Box(BoxNumber(r + 1, c + 1, table.cols())))
        box->SetText(table.cell(r, c));
}

void FrmSchedule::SetWindowWidth(double width) {
  Move(Left(), Top(), width, Height());
  program::DoTransparency(*this);
}

void FrmSchedule::MakeLayered(program::Layering layering, ui::Colour colour, int alpha) {
  program::MakeLayered(*this, layering, colour, alpha);
}

void FrmSchedule::ShowLock(bool locked) {
  Frame1.SetEnabled(!locked);
}

void FrmSchedule::ShowFold(bool folded) {
  const CellSize size = TemplateCellSize();
  SetWindowWidth(folded ? FoldedWidth(size) : MatrixWidth(state_.ScdCols, size));
}

void FrmSchedule::ApplyFrame(bool framed) {
  recordedFrame_ = framed ? 1 : 0;
}

void FrmSchedule::PaintCellsWhite() {
  constexpr ui::Colour kWhite = 0xFFFFFF;
  for (int k = 1; k <= state_.ScdRows * state_.ScdCols; ++k)
    if (ui::TextBox* box = Box(k)) box->SetBackColour(kWhite);
}

bool FrmSchedule::LoadTimetableFile(const std::string& scdFileName) {
  state_.values.ScdFileName = scdFileName;
  const bool read = ReadIntoMatrix(scdFileName, kLoadFailedText);
  program::DoTransparency(*this);
  return read;
}

TimetableRead FrmSchedule::LoadTimetableQuietly(const std::string& scdFileName) {
  TimetableRead file = ReadScdTimetable(state_.programFolder, scdFileName, kEdition);
  if (file.table) {
    ShowFetchedTimetable(scdFileName, *file.table);
    file.table.reset();
  }
  return file;
}

void FrmSchedule::ShowFetchedTimetable(const std::string& scdFileName, const Timetable& table) {
  state_.values.ScdFileName = scdFileName;
  Rebuild(table);
  program::DoTransparency(*this);
}

void FrmSchedule::NewTimetable(std::int16_t rows, std::int16_t cols) {
  // Within the bounds every timetable keeps and the boxes a process may have; anything else
  // keeps the current table.
  if (!CanHold(rows, cols)) return;
  Rebuild(*Timetable::WithSize(rows, cols));
  program::DoTransparency(*this);
}

void FrmSchedule::RestoreSwappedBoxes() {
  for (const SwappedBox& s : swapped_) {
    if (ui::TextBox* box = Box(s.box)) {
      box->SetText(s.ownText);
      box->SetReadOnly(false);
    }
  }
  swapped_.clear();
}

void FrmSchedule::ShowSchoolDay(const clock::SchoolDay& today) {
  if (&today != &today_) today_ = today;
  RestoreSwappedBoxes();
  for (const clock::SwappedCell& cell : clock::SwappedCells(BoxClockCells(*this), today)) {
    const int k = BoxNumber(cell.row + 1, cell.col + 1, state_.ScdCols);
    ui::TextBox* box = Box(k);
    if (!box) continue;
    swapped_.push_back({k, box->Text()});
    box->SetText(std::string(program::kSwappedMark) + cell.text);
    box->SetReadOnly(true);
  }
}

void FrmSchedule::ComposeStripLine(const clock::SchoolDay& today, std::int32_t nowSeconds,
                                   std::string& line) const {
  clock::ComposeStripLine(BoxClockCells(*this), today, nowSeconds, line);
}

std::optional<Timetable> FrmSchedule::CurrentTimetable() const {
  std::optional<Timetable> table = Timetable::WithSize(state_.ScdRows, state_.ScdCols);
  if (!table) return std::nullopt;
  for (int r = 0; r < state_.ScdRows; ++r)
    for (int c = 0; c < state_.ScdCols; ++c) {
      const int k = BoxNumber(r + 1, c + 1, state_.ScdCols);
      const ui::TextBox* box = Box(k);
      if (!box) return std::nullopt;
      // A box showing a swapped lesson saves its own text.
      const auto swapped = std::find_if(swapped_.begin(), swapped_.end(),
                                        [k](const SwappedBox& s) { return s.box == k; });
      table->SetCell(r, c, swapped != swapped_.end() ? swapped->ownText : box->Text());
    }
  return table;
}

void FrmSchedule::Form_MouseDown(ui::MouseButton Button, int Shift, double X, double Y) {
  (void)X;
  (void)Y;
  program::DragWhenAltLeft(*this, Button, Shift);
}

void FrmSchedule::Frame1_MouseDown(ui::MouseButton Button, int Shift, double X, double Y) {
  Form_MouseDown(Button, Shift, X, Y);
}

void FrmSchedule::TxtSubject_MouseDown(int Index, ui::MouseButton Button, int Shift, double X,
                                       double Y) {
  (void)Index;
  Form_MouseDown(Button, Shift, X, Y);
}

void FrmSchedule::Form_DblClick() {
  if (ShowControlPanel) ShowControlPanel();
}

void FrmSchedule::TxtSubject_DblClick(int Index) {
  (void)Index;
  if (ShowControlPanel) ShowControlPanel();
}

void FrmSchedule::Form_ContextMenu() {
  if (ShowScheduleMenu) ShowScheduleMenu();
}

void FrmSchedule::Form_FilesDropped(const std::vector<std::string>& paths) {
  if (ImportDroppedFiles) ImportDroppedFiles(paths);
}

void FrmSchedule::RunClockTick(const clock::ClockSettings& settings, const clock::SchoolDay& today,
                               std::int32_t nowSeconds, const RaiseReminder& raise) {
  ClassicClockTick tick =
      DecideClassicClockTick(BoxClockCells(*this), settings, today, nowSeconds, clockState_);
  ApplyClassicClockTick(*this, tick);
  raise(tick.reminder, tick.removeTrayIcon);
  clockState_ = tick.state;
}

void FrmSchedule::Timerduration_Timer() {
  if (IdleCheck) IdleCheck();
}

}  // namespace orvel::classic
