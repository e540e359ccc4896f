#pragma once
// One program shell for both editions: it plugs what every edition shares into the
// schedule window's seams (the clock and its reminders, the idle shutdown, the control panel, the
// right-click menu and dropped files). Program<Window> below puts an edition together; WinMain
// and the program tests build the program through it, so both run the same wiring.
#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "desktop/frm_tips.h"
#include "desktop/idle_shutdown.h"
#include "platform/ui/controls.h"
#include "program/day_lists.h"
#include "program/program_state.h"
#include "program/schedule_window.h"
#include "shell/class_strip_control.h"
#include "shell/classroom_switches.h"
#include "shell/command_line.h"
#include "shell/exam_control.h"
#include "shell/follow_schedule.h"
#include "shell/notice_control.h"
#include "shell/running_program.h"
#include "shell/school_time_control.h"
#include "shell/start_command.h"
#include "shell/timetable_commands.h"

namespace orvel::panel {
class FrmControl;
class FrmDays;
class FrmExams;
class FrmNotices;
}  // namespace orvel::panel

namespace orvel::shell {

class ProgramShell {
 public:
  // `state` and `window` must outlive the shell.
  ProgramShell(program::ProgramState& state, program::ScheduleWindow& window);
  ProgramShell(const ProgramShell&) = delete;
  ProgramShell& operator=(const ProgramShell&) = delete;
  ~ProgramShell();

  desktop::IdleShutdown& idle() { return idle_; }
  // The window's right-click menu as last shown: "控制面板...", "导入课表...", "导出为 CSES...",
  // "调课与放假...", "考试安排...", "考试看板", "通知", "课堂条" with its modes, "语音提醒", while following the source's state and
  // "立即更新", and "退出".
  const ui::PopupMenu& scheduleMenu() const { return mnu_schedule_; }
  FollowSchedule& follow() { return follow_; }
  // The class strip once shown; nullptr before and while its mode is 关.
  desktop::ClassStrip* classStrip() const { return strip_.strip(); }
  ExamControl& examBoard() { return board_; }
  NoticeControl& schoolNotices() { return schoolNotices_; }

  // The end of the program, by the panel's Exit, a close of the schedule window (Alt+F4, any
  // close request) or the end of the Windows session: the tray icon removed, the schedule
  // window, a reminder popup, a shutdown countdown and the panel closed, the message loop ended.
  // Nothing is saved.
  void ExitProgram();

  // The window is up: it shows today's swapped lessons, the user hears once of lines of the day
  // list and holiday files that cannot be read, and the followed source's first fetch begins.
  void Started();
  // The day lists or holiday files changed on disk: read again, today shown again, the fold
  // following the day.
  void DayListChanged();
  // A followed school's day list, read and checked off the window thread: today decided and
  // shown again with it, the other lists as they were.
  void TakeSchoolDayList(const DayList& school);
  // A later start of the same program has handed over what it came for.
  void TakeRequest(const RunningRequest& request);

 private:
  // Who the notices may name: the followed class and this computer.
  void NoticesAddressed();
  // Today as the day lists and the calendar area make it: the one answer every window is handed.
  const clock::SchoolDay& Today();
  // One second of TimerClock, the program's one tick: the time read once, a new date's step,
  // then the schedule clock's tick while highlighting is on, then the class strip's. The common
  // tick (nothing changes, no strip shown) allocates nothing.
  void ClockTick();
  // The date of `now` as the one decision of today; a date not shown yet is read and shown.
  const clock::SchoolDay& NewDayStep(std::chrono::year_month_day date);
  void RaiseReminder(clock::Reminder& reminder, bool removeTrayIcon);
  // A day the window has not shown yet: its swapped lessons, a make-up day's notice, and once a
  // year on the PC a year without national holiday data.
  void ShowNewDay(const clock::SchoolDay& today);
  // The day lists and holiday files read again; a holiday file newly found unusable is named.
  void ReadDayLists();
  // The day decided again from the day lists and shown, the fold following the day.
  void ShowChangedDay();
  void TellHolidayProblems();
  // The exam list in use is `exams` now: a file's problem not told before is named.
  void TakeExams(program::ExamFilesRead exams);
  // The exam list in use or its files' problems changed: whatever shows them follows.
  void ExamsChanged();
  // A passing notice: a balloon on the icon, or the popup where the edition has no icon. Either
  // shows one text at a time, so a notice waits until the one before it has been up a while.
  void Notify(const std::string& text, std::string_view title = program::kDaysTitle);
  void ShowNextNotice();
  // An ordinary school notice as it starts: a balloon, or the popup where the system holds
  // balloons back (a full-screen program), as reminders are given.
  void ShowOrdinaryNotice(const std::string& text);
  // "通知": today's notices, one window at a time, shown afresh at each opening.
  void OpenNotices();
  void OpenPanel();
  // "调课与放假": one window at a time, brought forward while open.
  void OpenDays();
  // "考试安排", the same way.
  void OpenExams();
  void ShowScheduleMenu();
  // An imported timetable is current: shown by an open panel as after its own load, else the
  // window's lock and fold applied to it again.
  void ShowImportedTimetable();

  program::ProgramState& state_;
  program::ScheduleWindow& window_;
  desktop::IdleShutdown idle_;
  program::ScheduleWindow::RaiseReminder raise_;
  // Made at the first popup reminder and afresh at the next one after it has unloaded; never
  // destroyed from inside its own handlers.
  std::unique_ptr<desktop::FrmTips> popup_;
  // The control panel of the current opening. A closed panel stays until the next opening
  // replaces it: it may close from inside its own handlers, which must not run on a deleted form.
  std::unique_ptr<panel::FrmControl> panel_;
  std::unique_ptr<panel::FrmDays> days_;
  std::unique_ptr<panel::FrmExams> examsWindow_;
  std::unique_ptr<panel::FrmNotices> noticesWindow_;
  TimetableCommands timetableCommands_;
  FollowSchedule follow_;
  ClassroomSwitches classroom_;
  ClassStripControl strip_;
  ExamControl board_;
  NoticeControl schoolNotices_;
  SchoolTimeControl time_;
  ui::PopupMenu mnu_schedule_;
  ui::Timer TimerNotice;
  ui::Timer TimerClock;
  struct Notice {
    std::string text;
    std::string title;  // of the balloon
  };
  std::deque<Notice> notices_;  // waiting to be shown
  bool noticeShown_ = false;    // one is up and TimerNotice runs
  std::vector<exchange::HolidayFileNote> toldHolidayProblems_;
  std::set<std::string> toldExamProblems_;
  bool ended_ = false;
  // The seconds of `remindedOn_` whose reminder has been given.
  std::chrono::year_month_day remindedOn_{};
  std::set<int> remindedSeconds_;
  // The date whose swapped lessons the window shows.
  std::chrono::year_month_day shownDay_{};
};

// An edition put together: the program state, the edition's schedule window and the shell.
// `Window` is an edition's FrmSchedule, made from the state and naming its edition.
template <class Window>
class Program {
 public:
  explicit Program(ui::Platform& platform) : Program(platform, program::FindDataFolder(platform)) {}
  Program(ui::Platform& platform, program::DataFolder dataFolder)
      : state_(platform, Window::kEdition, std::move(dataFolder)),
        window_(state_),
        shell_(state_, window_) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows the schedule window, which runs its start-up, at the program's time now.
  void Start() {
    state_.now = state_.time.Now();
    window_.Show();
    shell_.Started();
  }
  ProgramShell& shell() { return shell_; }

  program::ProgramState& state() { return state_; }
  Window& window() { return window_; }
  desktop::IdleShutdown& idle() { return shell_.idle(); }

 private:
  program::ProgramState state_;
  Window window_;
  ProgramShell shell_;
};

// WinMain of an edition: the command line's work first (command_line.h), then, unless it ends
// the program, the window and the message loop. Returns the process's exit code.
template <class Window>
int RunProgram(ui::Platform& platform, std::string_view programName,
               const std::vector<std::string>& args, const ReportLine& report) {
  const StartCommand command = ParseCommandLine(programName, args);
  // Decided once: the command line's work and the window use the same folder.
  const program::DataFolder dataFolder = program::FindDataFolder(platform);
  const std::filesystem::path& folder = dataFolder.folder;
  const StartOutcome outcome =
      RunStartCommand(command, folder, Window::kEdition, platform.http(), report,
                      static_cast<int>(platform.clock().Now().date.year()),
                      platform.system().ComputerName());
  const std::string name = RunningProgramName(Window::kEdition, folder);
  if (outcome.exitCode) {
    // A running program follows what the job changed at once, rather than at its next start.
    if (command.action == StartAction::Follow || command.action == StartAction::StopFollowing)
      platform.instances().HandOver(name, RequestText({RunningRequestKind::FollowChanged, {}}), 0);
    return *outcome.exitCode;
  }
  // Requests that come before the program is up wait in the message queue until the loop runs.
  std::function<void(const std::string&)> take;
  const std::unique_ptr<ui::InstanceClaim> claim =
      platform.instances().Claim(name, [&take](const std::string& text) {
        if (take) take(text);
      });
  if (!claim) {
    // A second copy would give every reminder twice: the running one shows itself instead.
    RunningRequest request;
    if (!outcome.startupScdFileName.empty())
      request = {RunningRequestKind::Load, outcome.startupScdFileName};
    platform.instances().HandOver(name, RequestText(request), kHandOverWaitMs);
    return kExitSuccess;
  }
  Program<Window> program(platform, dataFolder);
  take = [&program](const std::string& text) {
    if (const std::optional<RunningRequest> request = ReadRequest(text))
      program.shell().TakeRequest(*request);
  };
  if (!outcome.startupScdFileName.empty())
    program.state().startupScdFileName = outcome.startupScdFileName;
  program.Start();
  const int exitCode = platform.Run();
  take = nullptr;
  return exitCode;
}

}  // namespace orvel::shell
