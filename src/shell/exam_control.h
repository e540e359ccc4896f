#pragma once
// The exam board as the shell runs it: opened by itself over the schedule window's monitor for
// the span around a day's exams, shrunk to the class strip or closed by the user, marked with a
// tone and a voice at an exam's start, its alert and its end, and the answer to whether the
// timetable must keep quiet (no reminder, no popup, no speech, no idle shutdown, no sleep).
//
// Each second it is handed the shell's instant after the new-day step and before the schedule
// clock's tick, so that the silence holds for the second it decides. With no exam list it does
// nothing.
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "clock/exam_board_state.h"
#include "desktop/exam_board.h"
#include "platform/ui/controls.h"
#include "program/program_state.h"
#include "program/schedule_window.h"
#include "shell/class_strip_control.h"

namespace orvel::shell {

enum class BoardView { Closed, Full, Shrunk };

class ExamControl {
 public:
  // `speechOn` says whether 语音提醒 is on now. All references must outlive the control.
  ExamControl(program::ProgramState& state, program::ScheduleWindow& window,
              ClassStripControl& strip, std::function<bool()> speechOn);
  ExamControl(const ExamControl&) = delete;
  ExamControl& operator=(const ExamControl&) = delete;
  ~ExamControl();

  // One second of the program's clock (state.now).
  void Tick();
  // The exam list in the program state has changed: decided again at once.
  void ExamsChanged();
  // 考试看板: a closed or shrunk board shown whole, a whole one closed.
  void ToggleBoard();
  // An exam runs or the board is open, shrunk or not: the timetable keeps quiet.
  bool Quiet() const { return quiet_; }
  BoardView view() const { return view_; }
  // The board while it is shown whole or shrunk; nullptr when closed.
  desktop::ExamBoard* board() const { return view_ == BoardView::Closed ? nullptr : board_.get(); }
  // 考试看板 for a right-click menu.
  ui::MenuItem MenuItem();
  void End();

 private:
  void Decide(bool sound);
  void Show(const LocalDateTime& now);
  void Open();
  void Shrink();
  void Close();
  void ShowMenu(ui::Form& owner);
  void SoundMoments(std::int64_t upTo);
  void SetQuiet(bool quiet);

  program::ProgramState& state_;
  program::ScheduleWindow& window_;
  ClassStripControl& strip_;
  std::function<bool()> speechOn_;
  std::unique_ptr<desktop::ExamBoard> board_;
  ui::PopupMenu menu_;
  BoardView view_ = BoardView::Closed;
  clock::ExamBoardState decided_;
  // The span the board was last open in, and one the user closed it in: it opens by itself
  // once a span, and closes by itself when the span it is open in ends.
  int openedSpan_ = -1;
  int spanOfBoard_ = -1;
  // The instant of the last tick, whose moments have been sounded, and the moments sounded.
  static constexpr std::int64_t kNotTicked = std::numeric_limits<std::int64_t>::min();
  std::int64_t soundedUpTo_ = kNotTicked;
  std::vector<clock::ExamMoment> sounded_;
  bool quiet_ = false;
  bool ended_ = false;
};

}  // namespace orvel::shell
