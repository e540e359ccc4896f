#include "desktop/exam_board.h"

#include <algorithm>

#include "platform/ui/monitors.h"

namespace orvel::desktop {
namespace {

constexpr std::string_view kFontName = "微软雅黑";
constexpr ui::Colour kBackColour = 0x201810;   // dark blue-grey, 0x00BBGGRR
constexpr ui::Colour kTextColour = 0xF0F0F0;   // near white
constexpr ui::Colour kDimColour = 0xC0C0C0;    // the lines beside the main ones
constexpr ui::Colour kAlertColour = 0x4040FF;  // red that reads on the dark ground

// Rows as parts of the monitor's height: top, height, and the font's size as a part of the
// row's height. The state line is about an eighth of the monitor, to be read from the back of
// the room.
struct Row {
  double top, height;
};
constexpr Row kTitleRow{0.04, 0.09}, kSubjectRow{0.15, 0.15}, kTimesRow{0.31, 0.08},
    kStateRow{0.41, 0.17}, kMessageRow{0.60, 0.12}, kDayRow{0.74, 0.22};
constexpr double kMarginX = 1.0 / 24;   // of the width
constexpr double kClockWidth = 0.30;    // of the width, at the top right
constexpr double kDayWidth = 0.70;      // of the width
constexpr double kButtonWidth = 0.10, kButtonHeight = 0.06;
constexpr double kEmOfRow = 0.72;       // a font's em in its row, leaving the line's leading
constexpr double kDayLineHeight = 0.045;  // of the height, one line of the day's exams
constexpr double kTwipsPerPoint = 20;

float PointsFor(double rowTwips) {
  return static_cast<float>(std::max(8.0, rowTwips * kEmOfRow / kTwipsPerPoint));
}

void SetIfChanged(ui::Label& label, const std::string& text) {
  if (label.Caption() != text) label.SetCaption(text);
}

}  // namespace

ExamBoard::ExamBoard(ui::Platform& platform, const ui::Form& schedule, FrontKeeper& keeper)
    : ui::Form(platform, "ExamBoard", ui::FormStyle::Borderless),
      LblTitle(this, "LblTitle"),
      LblClock(this, "LblClock"),
      LblSubject(this, "LblSubject"),
      LblTimes(this, "LblTimes"),
      LblState(this, "LblState"),
      LblMessage(this, "LblMessage"),
      LblDay(this, "LblDay"),
      CmdShrink(this, "CmdShrink", "缩小"),
      CmdClose(this, "CmdClose", "关闭"),
      schedule_(schedule) {
  // Over the room's slide show, never taking the focus from the teacher's window; once the
  // teacher clicks it, it hears Esc.
  topmost = true;
  takesFocus = false;
  clickTakesFocus = true;
  showInTaskbar = false;
  SetBackColour(kBackColour);
  for (ui::Label* label : {&LblTitle, &LblClock, &LblSubject, &LblTimes, &LblState, &LblMessage,
                           &LblDay}) {
    label->SetBackColour(kBackColour);
    label->SetForeColour(label == &LblTimes || label == &LblDay ? kDimColour : kTextColour);
    label->onMouseDown = [this](ui::MouseButton button, int, double, double) {
      if (button == ui::MouseButton::Right && onMenu) onMenu();
    };
  }
  onMouseDown = LblTitle.onMouseDown;
  CmdShrink.onClick = [this] {
    if (onShrink) onShrink();
  };
  CmdClose.onClick = [this] {
    if (onClose) onClose();
  };
  onEscape = CmdShrink.onClick;
  onDpiChanged = [this] { Place(); };
  inFront_ = keeper.Keep(*this, FrontOrder::Board);
}

void ExamBoard::ShowState(const ExamList& list, const clock::ExamBoardState& state,
                          const LocalDateTime& now) {
  if (state.shown != shown_ || state.day != day_ || now.date != date_ || list != list_)
    ShowExam(list, state, now);

  clockText_.clear();
  AppendClockTime(clockText_, now.secondOfDay);
  SetIfChanged(LblClock, clockText_);
  SetIfChanged(LblState, clock::ExamStateLine(state));
  const ui::Colour stateColour = state.alert ? kAlertColour : kTextColour;
  if (LblState.ForeColour() != stateColour) LblState.SetForeColour(stateColour);
  std::string caption = clock::ExamBoardLine(list.exams, state);
  if (caption != Caption()) SetCaption(std::move(caption));

  if (Visible()) return;
  Place();
  Show();
}

void ExamBoard::ShowExam(const ExamList& list, const clock::ExamBoardState& state,
                         const LocalDateTime& now) {
  if (list != list_) list_ = list;
  shown_ = state.shown;
  day_ = state.day;
  date_ = now.date;
  SetIfChanged(LblTitle, list.examName);
  SetIfChanged(LblMessage, list.message);
  SetIfChanged(LblDay, DayExamsText(list.exams, state.day));
  if (state.shown >= 0 && state.shown < static_cast<int>(list.exams.size())) {
    const Exam& exam = list.exams[state.shown];
    SetIfChanged(LblSubject, exam.name);
    SetIfChanged(LblTimes, ExamTimesText(exam, now.date));
  } else {
    // No exam left today: the subject's place says so, and names the next day's.
    SetIfChanged(LblSubject, clock::ExamBoardLine(list.exams, state));
    SetIfChanged(LblTimes, {});
  }
}

void ExamBoard::Place() {
  const ui::Screen& screen = platform().screen();
  const ui::Bounds monitor = ui::MonitorOf(schedule_.bounds(), ui::MonitorsOrScreen(screen));
  // Places are on the desktop's one scale, sizes at the DPI of the monitor the board lies on:
  // over it first, then sized for it.
  Move(monitor.left, monitor.top, monitor.width, monitor.height);
  const double scale = screen.TwipsPerPixelX() / screen.TwipsPerPixelOf(*this);
  Move(monitor.left, monitor.top, monitor.width / scale, monitor.height / scale);
  Layout();
}

void ExamBoard::Layout() {
  const double width = Width(), height = Height();
  const double left = width * kMarginX, inner = width - 2 * left;
  const auto place = [&](ui::Label& label, const Row& row, double rowWidth, bool bold) {
    label.Move(left, height * row.top, rowWidth, height * row.height);
    label.SetFont(ui::Font{std::string(kFontName), PointsFor(height * row.height), bold});
  };
  // A long title stops short of the clock rather than running into it.
  place(LblTitle, kTitleRow, inner * (1 - kClockWidth) - left, true);
  place(LblSubject, kSubjectRow, inner, true);
  place(LblTimes, kTimesRow, inner, false);
  place(LblState, kStateRow, inner, true);
  LblClock.Move(left + inner * (1 - kClockWidth), height * kTitleRow.top, inner * kClockWidth,
                height * kTitleRow.height);
  LblClock.SetFont(LblTitle.font());
  // Several lines: the message may wrap once, the day's list holds a line an exam.
  LblMessage.Move(left, height * kMessageRow.top, inner, height * kMessageRow.height);
  LblMessage.SetFont(ui::Font{std::string(kFontName), PointsFor(height * kMessageRow.height / 2),
                              false});
  LblDay.Move(left, height * kDayRow.top, inner * kDayWidth, height * kDayRow.height);
  LblDay.SetFont(ui::Font{std::string(kFontName), PointsFor(height * kDayLineHeight), false});

  const double buttonWidth = width * kButtonWidth, buttonHeight = height * kButtonHeight;
  const double buttonTop = height * (kDayRow.top + kDayRow.height) - buttonHeight;
  // Found at the back of a room too, not only at the teacher's desk.
  const ui::Font buttonFont{std::string(kFontName), PointsFor(buttonHeight / 2), false};
  CmdClose.SetFont(buttonFont);
  CmdShrink.SetFont(buttonFont);
  CmdClose.Move(width - left - buttonWidth, buttonTop, buttonWidth, buttonHeight);
  CmdShrink.Move(width - left - 2 * buttonWidth - left / 2, buttonTop, buttonWidth, buttonHeight);
}

}  // namespace orvel::desktop
