#include "shell/exam_control.h"

#include <algorithm>
#include <utility>

#include "platform/ui/platform.h"
#include "shell/popup_reminder.h"

namespace orvel::shell {
namespace {

constexpr std::string_view kBoardCaption = "考试看板";

LocalDateTime WallNow(const ui::LocalTime& now) {
  return {now.date, now.secondsOfDay};
}

}  // namespace

ExamControl::ExamControl(program::ProgramState& state, program::ScheduleWindow& window,
                         ClassStripControl& strip, std::function<bool()> speechOn)
    : state_(state),
      window_(window),
      strip_(strip),
      speechOn_(std::move(speechOn)),
      menu_("mnu_exam", "", {}) {
  strip_.onMenu = [this](ui::Form& owner) { ShowMenu(owner); };
  strip_.onDoubleClick = [this] {
    if (view_ == BoardView::Shrunk) ToggleBoard();
  };
}

ExamControl::~ExamControl() = default;

void ExamControl::Tick() {
  Decide(true);
}

void ExamControl::ExamsChanged() {
  // Another list: its moments are its own, and none of them has sounded in this second.
  sounded_.clear();
  openedSpan_ = -1;
  if (view_ != BoardView::Closed) spanOfBoard_ = -1;
  Decide(false);
}

void ExamControl::Decide(bool sound) {
  if (ended_) return;
  const LocalDateTime now = WallNow(state_.now);
  const std::int64_t wall = WallSeconds(now);
  const std::vector<Exam>& exams = state_.exams.exams;
  if (exams.empty() && view_ == BoardView::Closed) {
    // The common day: nothing to decide, nothing allocated.
    soundedUpTo_ = wall;
    SetQuiet(false);
    return;
  }
  decided_ = clock::DecideExamBoard(exams, now);
  // The span the board is open in has ended: 10 minutes after the day's last exam.
  if (view_ != BoardView::Closed && spanOfBoard_ >= 0 && decided_.spanFirst != spanOfBoard_)
    Close();
  if (decided_.withinOpenSpan && decided_.spanFirst != openedSpan_) {
    openedSpan_ = decided_.spanFirst;
    Open();
  }
  if (sound) SoundMoments(wall);
  soundedUpTo_ = wall;
  Show(now);
  SetQuiet(view_ != BoardView::Closed || decided_.examRunning);
}

void ExamControl::Show(const LocalDateTime& now) {
  if (view_ == BoardView::Full)
    board_->ShowState(state_.exams, decided_, now);
  else if (view_ == BoardView::Shrunk)
    strip_.ShowExamLine(clock::ExamBoardLine(state_.exams.exams, decided_));
}

void ExamControl::SoundMoments(std::int64_t upTo) {
  // The first second of the program sounds nothing: a start-up inside an exam is no start.
  if (soundedUpTo_ == kNotTicked || upTo <= soundedUpTo_) return;
  const std::vector<Exam>& exams = state_.exams.exams;
  for (const clock::ExamMoment& moment : clock::ExamMomentsBetween(exams, soundedUpTo_, upTo)) {
    // Each once, also when the program's time goes back over it.
    if (std::find(sounded_.begin(), sounded_.end(), moment) != sounded_.end()) continue;
    sounded_.push_back(moment);
    SoundReminderTones(state_.platform);
    if (speechOn_ && speechOn_())
      state_.platform.speech().Speak(
          clock::SpokenExamMoment(exams[static_cast<std::size_t>(moment.index)], moment.kind));
  }
}

void ExamControl::Open() {
  if (!board_) {
    board_ = std::make_unique<desktop::ExamBoard>(state_.platform, window_.form(), state_.front);
    board_->onShrink = [this] { Shrink(); };
    board_->onClose = [this] { Close(); };
    board_->onMenu = [this] { ShowMenu(*board_); };
  }
  view_ = BoardView::Full;
  spanOfBoard_ = decided_.spanFirst;
  strip_.EndExamLine();
}

void ExamControl::Shrink() {
  if (view_ != BoardView::Full) return;
  view_ = BoardView::Shrunk;
  board_->Hide();
  Show(WallNow(state_.now));
}

void ExamControl::Close() {
  if (view_ == BoardView::Closed) return;
  // Hidden, not destroyed: the close may come from the board's own button.
  if (view_ == BoardView::Full) board_->Hide();
  view_ = BoardView::Closed;
  spanOfBoard_ = -1;
  strip_.EndExamLine();
  SetQuiet(decided_.examRunning);
}

void ExamControl::ToggleBoard() {
  if (ended_) return;
  if (view_ == BoardView::Full) {
    Close();
    return;
  }
  const LocalDateTime now = WallNow(state_.now);
  decided_ = clock::DecideExamBoard(state_.exams.exams, now);
  Open();
  Show(now);
  SetQuiet(true);
}

ui::MenuItem ExamControl::MenuItem() {
  return {"mnu_exam_board", std::string(kBoardCaption), [this] { ToggleBoard(); },
          view_ == BoardView::Full};
}

void ExamControl::ShowMenu(ui::Form& owner) {
  menu_ = ui::PopupMenu("mnu_exam", "", {MenuItem()});
  state_.platform.dialogs().ShowPopupMenu(&owner, menu_);
}

void ExamControl::SetQuiet(bool quiet) {
  if (quiet == quiet_) return;
  quiet_ = quiet;
  state_.platform.power().KeepAwake(quiet);
}

void ExamControl::End() {
  if (ended_) return;
  ended_ = true;
  if (board_) board_->Unload();
  SetQuiet(false);
}

}  // namespace orvel::shell
