#pragma once
// The exam board: the whole monitor of the schedule window, read from the back of an exam room:
// the exam's title, the time now, the subject, its start and end, the time left (red in the
// alert minutes), the message and the day's exams with their states. It never takes the focus
// by itself and is not on the taskbar; its window text is the subject and the state line, for
// screen readers and scripts. What it shows is clock/exam_board_state.h's decision.
#include <functional>
#include <string>
#include <vector>

#include "clock/exam_board_state.h"
#include "desktop/exam_board_texts.h"
#include "desktop/front_keeper.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/platform.h"
#include "timetable/exam_list.h"

namespace orvel::desktop {

class ExamBoard : public ui::Form {
 public:
  // `schedule`, whose monitor the board covers, and `keeper` must outlive the board.
  ExamBoard(ui::Platform& platform, const ui::Form& schedule, FrontKeeper& keeper);

  ui::Label LblTitle, LblClock, LblSubject, LblTimes, LblState, LblMessage, LblDay;
  ui::Button CmdShrink, CmdClose;

  // Shows `state` of `list` at `now`, changing only what changed; a board not shown yet is
  // placed over the schedule window's monitor and shown, without taking the focus.
  void ShowState(const ExamList& list, const clock::ExamBoardState& state,
                 const LocalDateTime& now);

  // 缩小 or Esc: the shell shrinks the board to the class strip.
  std::function<void()> onShrink;
  // 关闭.
  std::function<void()> onClose;
  // The right mouse button anywhere on it: the shell's menu.
  std::function<void()> onMenu;

 private:
  // Over the whole monitor, sized at its DPI, the controls laid out for its size.
  void Place();
  void Layout();
  // The texts that change only with the list or the exam shown.
  void ShowExam(const ExamList& list, const clock::ExamBoardState& state, const LocalDateTime& now);

  const ui::Form& schedule_;
  FrontRegistration inFront_;
  // What the texts of ShowExam were made from.
  ExamList list_;
  int shown_ = -2;
  std::vector<clock::ExamOfDay> day_;
  std::chrono::year_month_day date_{};
  std::string clockText_;
};

}  // namespace orvel::desktop
