#include "shell/program_shell.h"

#include <algorithm>
#include <string>
#include <utility>

#include "desktop/reminder_way.h"
#include "panel/frm_control.h"
#include "panel/frm_days.h"
#include "panel/frm_exams.h"
#include "panel/frm_notices.h"
#include "panel/panel_opener.h"
#include "platform/ui/platform.h"
#include "program/day_lists.h"
#include "program/exam_texts.h"
#include "program/holiday_files.h"
#include "program/live_values.h"
#include "program/notice_texts.h"
#include "shell/popup_reminder.h"
#include "timetable/program_folder.h"

namespace orvel::shell {
namespace {

// The classic edition's icon exists only around a balloon reminder, with this tip.
constexpr std::string_view kClassicBalloonTrayTip = "课程表";
// How long a notice is up before the next one replaces it: the popup's whole life.
constexpr int kNoticeMs = static_cast<int>(desktop::kTipsLifeMs);
constexpr int kClockTickMs = 1000;

}  // namespace

ProgramShell::ProgramShell(program::ProgramState& state, program::ScheduleWindow& window)
    : state_(state),
      window_(window),
      idle_(state.platform, window.IdleTimer(), state.values, state.front),
      raise_([this](clock::Reminder& reminder, bool removeTrayIcon) {
        RaiseReminder(reminder, removeTrayIcon);
      }),
      timetableCommands_(
          state, window, [this] { ShowImportedTimetable(); },
          [this](program::ExamFilesRead exams) { TakeExams(std::move(exams)); }),
      follow_(
          state, window, [this] { ShowImportedTimetable(); }, [this] { DayListChanged(); }),
      classroom_(
          state, [this](const std::string& text, std::string_view title) { Notify(text, title); },
          [this] { strip_.FollowMode(); }),
      strip_(state, window, [this] { classroom_.SaveStripPlace(); }),
      board_(state, window, strip_, [this] { return classroom_.SpeechOn(); }),
      schoolNotices_(
          state, window, strip_, [this](const std::string& text) { ShowOrdinaryNotice(text); },
          [this] { return classroom_.SpeechOn(); }, [this] { return board_.Quiet(); }),
      time_(
          state, window,
          [this](const std::string& text, std::string_view title) { Notify(text, title); },
          [this] { classroom_.SaveTime(); }),
      mnu_schedule_("mnu_schedule", "", {}),
      TimerNotice(&window.form(), "TimerNotice", kNoticeMs, false),
      TimerClock(&window.form(), "TimerClock", kClockTickMs, false) {
  TimerNotice.onTimer = [this] { ShowNextNotice(); };
  TimerClock.onTimer = [this] { ClockTick(); };
  window_.IdleCheck = [this] {
    // No shutdown for want of input while pupils write an exam.
    if (board_.Quiet())
      idle_.Hold();
    else
      idle_.CheckIdle();
  };
  window_.ShowControlPanel = [this] { OpenPanel(); };
  window_.ShowScheduleMenu = [this] { ShowScheduleMenu(); };
  window_.SettingsRead = [this] { window_.ShowSchoolDay(Today()); };
  window_.ImportDroppedFiles = [this](const std::vector<std::string>& paths) {
    timetableCommands_.ImportDropped(paths);
  };
  // Closing the schedule window, however it is asked for, ends the program as Exit does: a
  // process without its window would keep the icon and any other form open.
  ui::Form& form = window_.form();
  form.onQueryClose = [this] { ExitProgram(); };
  form.onSessionEnd = [this] { ExitProgram(); };
  form.onClockChanged = [this](bool set) { time_.ClockChanged(set); };
  follow_.SetSchoolDaysTaker([this](const DayList& school) { TakeSchoolDayList(school); });
  follow_.SetExamsTaker([this](const exchange::ExamFileRead& school) {
    TakeExams(
        program::WithSchoolExams({state_.examsFrom, state_.exams, state_.examProblems}, school));
  });
  follow_.SetNoticesTaker([this](const exchange::NoticeFileRead& school) {
    schoolNotices_.SchoolNoticesChanged(school);
  });
  schoolNotices_.onAcknowledged = [this](const orvel::Notice& notice,
                                         const LocalDateTime& pressedAt) {
    follow_.SendReadReceipt(notice, pressedAt);
  };
  follow_.SetServerTimeTaker([this](std::vector<schooltime::TimeReading> readings) {
    time_.TakeServerReadings(std::move(readings));
  });
  time_.SetFollowed(
      [this]() -> std::optional<std::string> {
        const std::optional<exchange::FollowedSource>& source = follow_.source();
        if (!source || source->kind != exchange::SourceKind::Web) return std::nullopt;
        return source->timetable;
      },
      [this]() -> std::optional<std::string> {
        const std::optional<exchange::FollowedSource>& source = follow_.source();
        if (!source || source->kind != exchange::SourceKind::File) return std::nullopt;
        return schooltime::ShareServerOf(source->timetable);
      });
}

ProgramShell::~ProgramShell() = default;

const clock::SchoolDay& ProgramShell::Today() {
  return state_.SchoolDayOn(state_.now.date);
}

void ProgramShell::ClockTick() {
  // The one reading of the second: every view is handed this instant.
  const ui::LocalTime now = state_.time.Now();
  state_.now = now;
  const clock::SchoolDay& today = NewDayStep(now.date);
  // Before the schedule clock: the silence of an exam holds for this second's reminder.
  board_.Tick();
  // Before the strip's tick: the strip alternates with the notices of this second.
  schoolNotices_.Tick({now.date, now.secondsOfDay});
  if (state_.live.highlighting) {
    clock::ClockSettings settings;
    settings.colours = clock::SchemeColours(state_.colours, state_.values.scheme);
    settings.remindMode = state_.values.remindMode;
    window_.RunClockTick(settings, today, now.secondsOfDay, raise_);
  }
  strip_.Tick(today, now.secondsOfDay);
  time_.Tick();
}

const clock::SchoolDay& ProgramShell::NewDayStep(std::chrono::year_month_day date) {
  // A new date while running: day lists and holiday files changed meanwhile count from today on.
  if (date != shownDay_ && shownDay_ != std::chrono::year_month_day{}) ReadDayLists();
  const clock::SchoolDay& today = state_.SchoolDayOn(date);
  if (today.date != shownDay_) ShowNewDay(today);
  return today;
}

void ProgramShell::ShowNewDay(const clock::SchoolDay& today) {
  shownDay_ = today.date;
  window_.ShowSchoolDay(today);
  // Once a day: the built-in make-up workday follows the date's own weekday until the user
  // says which weekday's lessons it has.
  if (today.makeUpDayWithoutWeekday) Notify(std::string(program::kMakeUpDayNotice));
  // Once a year on this PC: a year whose national holidays nothing gives.
  if (const std::optional<int> year = program::TakeMissingYearNotice(state_, today.date))
    Notify(program::MissingHolidaysText(*year));
}

void ProgramShell::ReadDayLists() {
  program::LoadDayLists(state_);
  TellHolidayProblems();
}

void ProgramShell::TellHolidayProblems() {
  for (const exchange::HolidayFileNote& problem : state_.holidayFileProblems) {
    if (std::find(toldHolidayProblems_.begin(), toldHolidayProblems_.end(), problem) !=
        toldHolidayProblems_.end())
      continue;
    toldHolidayProblems_.push_back(problem);
    Notify(program::HolidayFileNoteText(problem));
  }
}

void ProgramShell::TakeExams(program::ExamFilesRead exams) {
  state_.exams = std::move(exams.list);
  state_.examsFrom = exams.from;
  state_.examProblems = std::move(exams.notes);
  for (const std::string& problem : program::ExamNotesTexts(state_.examProblems))
    if (toldExamProblems_.insert(problem).second) Notify(problem, program::kExamsTitle);
  ExamsChanged();
}

void ProgramShell::ExamsChanged() {
  if (examsWindow_ && examsWindow_->Loaded()) examsWindow_->ShowFilesState();
  // At start-up too: a start inside an exam's span shows the board at once.
  board_.ExamsChanged();
}

void ProgramShell::Notify(const std::string& text, std::string_view title) {
  notices_.push_back({text, std::string(title)});
  if (!noticeShown_) ShowNextNotice();
}

void ProgramShell::ShowNextNotice() {
  noticeShown_ = !notices_.empty();
  TimerNotice.SetEnabled(noticeShown_);
  if (!noticeShown_) return;
  const Notice notice = std::move(notices_.front());
  notices_.pop_front();
  const std::string& text = notice.text;
  ui::Form& form = window_.form();
  if (state_.edition == Edition::Classic) {
    // The classic edition has no icon to show a balloon on: the popup, without its tones.
    ShowNotice(form, state_.front, popup_, text);
    return;
  }
  state_.tray.ShowBalloon(form, text, notice.title, ui::BalloonIcon::Info);
}

void ProgramShell::ShowOrdinaryNotice(const std::string& text) {
  const desktop::ReminderWay way =
      desktop::WayToRemind(RemindMode::Balloon, state_.platform.notifications().State());
  if (way.popup) {
    ShowNotice(window_.form(), state_.front, popup_,
               std::string(program::kNoticesTitle) + "：" + text);
    return;
  }
  Notify(text, program::kNoticesTitle);
}

void ProgramShell::OpenNotices() {
  if (!noticesWindow_ || !noticesWindow_->Loaded())
    noticesWindow_ = std::make_unique<panel::FrmNotices>(state_.platform);
  std::vector<std::string> lines;
  for (const NoticeControl::DayNotice& day : schoolNotices_.TodaysNotices())
    lines.push_back(program::NoticeLineText(day.notice, day.progress));
  noticesWindow_->ShowNotices(std::move(lines), schoolNotices_.FileProblems());
  if (noticesWindow_->Visible())
    noticesWindow_->BringToFront();
  else
    noticesWindow_->Show();
}

void ProgramShell::NoticesAddressed() {
  // The class as follow.ini names it, with {computer} replaced once the source resolved.
  const std::optional<exchange::FollowedSource>& source = follow_.source();
  std::string className;
  if (source) {
    className = source->className;
  } else if (const std::optional<exchange::FollowSettings> following =
                 exchange::ReadFollowSettings(state_.programFolder)) {
    className = following->className;
  }
  schoolNotices_.SetAddressee({std::move(className), state_.platform.system().ComputerName()});
}

void ProgramShell::Started() {
  ShowNewDay(Today());
  // Named once; the program goes on with what it can read.
  if (const std::string text = program::DataFolderProblemText(state_.dataFolder); !text.empty())
    Notify(text, program::kDataFolderTitle);
  NoticesAddressed();
  schoolNotices_.Start();
  if (!state_.unreadableDayLines.empty())
    Notify(program::UnreadableDayLinesText(state_.unreadableDayLines));
  TellHolidayProblems();
  TakeExams(program::ReadExamFiles(state_.programFolder));
  classroom_.Started();
  strip_.FollowMode();
  TimerClock.SetEnabled(true);
  time_.Start();
  follow_.Start();
}

void ProgramShell::TakeRequest(const RunningRequest& request) {
  if (ended_) return;
  switch (request.kind) {
    case RunningRequestKind::FollowChanged:
      follow_.Reload();
      NoticesAddressed();
      return;
    case RunningRequestKind::Load:
      // The file /import has just put into "scd", as a drop would load it; a name that is no
      // file of "scd" is nobody's import.
      if (!TimetableFilePath(state_.programFolder, request.scdFileName)) return;
      if (window_.LoadTimetableFile(request.scdFileName)) ShowImportedTimetable();
      break;
    case RunningRequestKind::Show:
      break;
  }
  // Shown again even where the form thinks it is: something outside may have hidden it.
  ui::Form& form = window_.form();
  form.Show();
  form.BringToFront();
}

void ProgramShell::DayListChanged() {
  ReadDayLists();
  ShowChangedDay();
}

void ProgramShell::TakeSchoolDayList(const DayList& school) {
  program::TakeSchoolDayList(state_, school);
  ShowChangedDay();
}

void ProgramShell::ShowChangedDay() {
  const clock::SchoolDay& today = Today();
  shownDay_ = today.date;
  window_.ShowSchoolDay(today);
  // The fold follows a make-up day's weekday at once.
  if (state_.live.folded) window_.ShowFold(true);
}

void ProgramShell::RaiseReminder(clock::Reminder& reminder, bool removeTrayIcon) {
  // An exam runs or its board is up: the timetable says nothing into it.
  if (board_.Quiet()) {
    reminder.kind = RemindMode::None;
    if (removeTrayIcon) state_.tray.RemoveTrayIcon();
    return;
  }
  if (reminder.kind != RemindMode::None) {
    // The program's time may jump back (a new offset, the system clock set back): a reminder's
    // second that comes again is given once.
    if (remindedOn_ != state_.now.date) {
      remindedOn_ = state_.now.date;
      remindedSeconds_.clear();
    }
    if (!remindedSeconds_.insert(state_.now.secondsOfDay).second) {
      reminder.kind = RemindMode::None;
      if (removeTrayIcon) state_.tray.RemoveTrayIcon();
      return;
    }
  }
  // Spoken after the tones, which hold this thread while they sound; the popup takes the text.
  const std::string spokenSubject(classroom_.SpeechOn() ? clock::ReminderSubject(reminder)
                                                        : std::string_view());
  if (reminder.kind != RemindMode::None) {
    // Asked only when there is a reminder: once a period, not once a second.
    const desktop::ReminderWay way =
        desktop::WayToRemind(reminder.kind, state_.platform.notifications().State());
    ui::Form& form = window_.form();
    if (way.tones) SoundReminderTones(state_.platform);
    if (way.popup) {
      // A balloon's reminder carries its title apart.
      std::string text(reminder.title);
      text += reminder.text;
      ShowNotice(form, state_.front, popup_, std::move(text));
    }
    if (way.balloon) {
      if (state_.edition == Edition::Classic) state_.tray.AddTrayIcon(form, kClassicBalloonTrayTip);
      state_.tray.ShowBalloon(form, reminder.text, reminder.title, ui::BalloonIcon::Info);
    }
  }
  classroom_.SpeakReminder(spokenSubject);
  if (removeTrayIcon) state_.tray.RemoveTrayIcon();
}

void ProgramShell::OpenPanel() {
  panel::OpenControlPanel(panel_, window_, state_, [this] { ExitProgram(); });
}

void ProgramShell::OpenDays() {
  if (days_ && days_->Loaded()) {
    days_->BringToFront();
    return;
  }
  // A closed window runs no handler now, so it can go.
  days_ = std::make_unique<panel::FrmDays>(state_, [this] { DayListChanged(); });
  days_->Show();
}

void ProgramShell::OpenExams() {
  if (examsWindow_ && examsWindow_->Loaded()) {
    examsWindow_->BringToFront();
    return;
  }
  examsWindow_ = std::make_unique<panel::FrmExams>(state_, [this](const ExamList& list) {
    TakeExams(program::ExamsOf(program::ExamFileKind::Own, {list, {}, {}}));
  });
  examsWindow_->Show();
}

void ProgramShell::ShowScheduleMenu() {
  // Built afresh each time: the followed source's lines say how it stands now.
  std::vector<ui::MenuItem> items{
      {"mnu_panel", "控制面板...", [this] { OpenPanel(); }},
      {"mnu_import", "导入课表...", [this] { timetableCommands_.ChooseAndImport(); }},
      {"mnu_export", "导出为 CSES...", [this] { timetableCommands_.ChooseAndExport(); }},
      {"mnu_days", "调课与放假...", [this] { OpenDays(); }},
      {"mnu_exams", "考试安排...", [this] { OpenExams(); }},
      board_.MenuItem(),
      {"mnu_notices", std::string(program::kNoticesTitle), [this] { OpenNotices(); }}};
  classroom_.AddMenuItems(items);
  time_.AddMenuItems(items);
  if (follow_.Following()) {
    items.push_back({"mnu_follow_line", "", {}});
    for (std::string& line : follow_.StateLines())
      items.push_back({"mnu_follow_state", std::move(line), {}});
    items.push_back({"mnu_follow_now", "立即更新", [this] {
                       follow_.FetchNow();
                       follow_.FetchNoticesNow();
                     }});
    items.push_back({"mnu_exit_line", "", {}});
  }
  items.push_back({"mnu_exit", "退出", [this] { ExitProgram(); }});
  mnu_schedule_ = ui::PopupMenu("mnu_schedule", "", std::move(items));
  state_.platform.dialogs().ShowPopupMenu(&window_.form(), mnu_schedule_);
}

void ProgramShell::ShowImportedTimetable() {
  if (panel_ && panel_->Loaded())
    panel_->ShowLoadedTimetable();
  else
    program::ShowLockAndFoldAgain(state_, window_);
}

void ProgramShell::ExitProgram() {
  if (ended_) return;
  ended_ = true;
  follow_.Stop();
  TimerClock.SetEnabled(false);
  // The icon first: the system knows it by its window, which is about to close.
  state_.tray.RemoveTrayIcon();
  window_.form().Unload();
  if (popup_) popup_->Unload();
  if (ui::Form* countdown = idle_.OpenCountdown()) countdown->Unload();
  board_.End();
  schoolNotices_.End();
  strip_.End();
  time_.End();
  if (panel_) panel_->Unload();
  if (days_) days_->Unload();
  if (examsWindow_) examsWindow_->Unload();
  if (noticesWindow_) noticesWindow_->Unload();
  // With no form left the process ends.
  state_.platform.Quit();
}

}  // namespace orvel::shell
