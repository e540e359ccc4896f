#pragma once
// The timetable this PC follows (follow.ini), kept current: the last good copy shown at start-up,
// then a fetch off the window thread at once, again every refresh period with a random spread of
// up to a fifth of it (so that the PCs of a school switched on together do not come back
// together), and whenever the user picks "立即更新". What comes goes through the import and its
// writer into "scd" and is shown (read and checked off the window thread too; the window thread
// only writes); a failure changes nothing on disk. The state shows in the tray tip and the
// right-click menu, a failure of a new kind in one balloon, and a teacher's own file that the
// first copy replaced (kept as .bak) in another. No round, whoever started it, opens a message
// box: a copy that does not read back is a problem told there too, and the window keeps what it
// shows.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "exchange/follow_settings.h"
#include "exchange/followed_source.h"
#include "exchange/school_exams.h"
#include "exchange/school_holidays.h"
#include "exchange/school_notices.h"
#include "platform/ui/controls.h"
#include "program/program_state.h"
#include "program/schedule_window.h"
#include "schooltime/time_readings.h"

namespace orvel::shell {

class FollowSchedule {
 public:
  // Reads follow.ini. While following, the state names the source (the timetable is managed) and
  // the window starts with the last good copy when there is one. `afterLoad` runs once a fetched
  // timetable is current, `dayListChanged` once fetched holiday files are kept (and a fetched day
  // list, while no taker of school days is set). `state` and `window` must outlive the schedule.
  FollowSchedule(program::ProgramState& state, program::ScheduleWindow& window,
                 std::function<void()> afterLoad, std::function<void()> dayListChanged);
  FollowSchedule(const FollowSchedule&) = delete;
  FollowSchedule& operator=(const FollowSchedule&) = delete;
  ~FollowSchedule();

  bool Following() const { return settings_.has_value(); }
  // What is followed, once follow.ini's source could be resolved.
  const std::optional<exchange::FollowedSource>& source() const { return source_; }
  // The window is up: the first fetch.
  void Start();
  // A fetch now, unless one is under way.
  void FetchNow();
  // The program ends: work under way is forgotten, nothing more is fetched.
  void Stop();
  // follow.ini has changed (a later start ran /follow or /follow off): read again, work under
  // way forgotten, and a fetch at once of the source it now names.
  void Reload();

  // The menu's lines about the source: where the timetable comes from, when it was last fetched
  // and, after a failure, what went wrong.
  std::vector<std::string> StateLines() const;

  // Each round's readings of the server's Date go here (a web source's answers all carry one).
  void SetServerTimeTaker(std::function<void(std::vector<schooltime::TimeReading>)> take) {
    serverTime_ = std::move(take);
  }

  // A fetched exam list, read off the window thread, once it is kept as exams.school.json.
  void SetExamsTaker(std::function<void(const exchange::ExamFileRead&)> take) {
    examsTaker_ = std::move(take);
  }

  // A fetched day list, read and checked off the window thread, once it is kept as
  // days.school.csv.
  void SetSchoolDaysTaker(std::function<void(const DayList&)> take) {
    schoolDaysTaker_ = std::move(take);
  }

  // The source's notices, read off the window thread, once notices.school.csv changed (no
  // notices once the source withdrew its file).
  void SetNoticesTaker(std::function<void(const exchange::NoticeFileRead&)> take) {
    noticesTaker_ = std::move(take);
  }
  // notices.csv now, unless a fetch of it is under way; then every notice period.
  void FetchNoticesNow();
  // Someone pressed 知道了 on `notice`: with notices-read=on and a file source, one line in the
  // source's notices.read folder, written off the window thread. A share that refuses it changes
  // nothing on the PC; the tip says so.
  void SendReadReceipt(const Notice& notice, const LocalDateTime& pressedAt);

  // The refresh period, from follow.ini; a test shortens it.
  void SetRefreshPeriod(std::chrono::milliseconds period) { period_ = period; }
  // The notice period, from follow.ini's notices-every.
  void SetNoticePeriod(std::chrono::milliseconds period) { noticePeriod_ = period; }

 private:
  void Fetched(const exchange::FetchRound& round, const exchange::CheckedTimetable& checked,
               const exchange::CheckedDayList& dayList,
               const std::vector<exchange::FetchedHolidayFile>& holidays,
               const std::optional<exchange::FetchedExamFile>& exams);
  // The state in the tray tip and, for a failure not told before, a balloon.
  void Report(const exchange::FollowProblem& problem);
  // A balloon on the icon, which is added first where it is not shown (the classic edition).
  void Balloon(const std::string& text, std::string_view title, ui::BalloonIcon icon);
  void ScheduleNext();
  void NoticesFetched(const exchange::FetchedNoticeFile& fetched);
  void ScheduleNextNotices();
  // The next draw of the spread that keeps the PCs of a school apart, below `bound`.
  std::int64_t Spread(std::int64_t bound);
  // follow.ini's source resolved, and the copy the window starts with named.
  void ReadSettings();
  // The copy of the followed timetable in "scd".
  std::filesystem::path TimetableCopy() const;
  exchange::Validators OnDisk(const exchange::Validators& known,
                              const std::filesystem::path& copy) const;

  program::ProgramState& state_;
  program::ScheduleWindow& window_;
  std::function<void()> afterLoad_;
  std::function<void()> dayListChanged_;
  std::function<void(std::vector<schooltime::TimeReading>)> serverTime_;
  std::function<void(const exchange::ExamFileRead&)> examsTaker_;
  std::function<void(const DayList&)> schoolDaysTaker_;
  std::function<void(const exchange::NoticeFileRead&)> noticesTaker_;
  std::optional<exchange::FollowSettings> settings_;
  std::optional<exchange::FollowedSource> source_;
  exchange::FollowProblem sourceProblem_;  // why follow.ini's source cannot be followed
  std::chrono::milliseconds period_{0};
  std::chrono::milliseconds noticePeriod_{0};
  ui::Timer TimerFollow;
  ui::Timer TimerNotices;
  exchange::Validators timetableKnown_;
  exchange::Validators dayListKnown_;
  exchange::Validators examsKnown_;
  exchange::Validators noticesKnown_;
  // The national holiday files, asked for in the first round of each day that the source
  // answers: they change once a year.
  exchange::SchoolHolidayFiles holidays_;
  std::chrono::year_month_day holidaysAsked_{};
  std::optional<ui::LocalTime> lastSuccess_;
  exchange::FollowProblem failure_;      // the last fetch's problem; none after a success
  exchange::FollowProblem toldFailure_;  // the failure a balloon told; none after a success
  std::uint32_t spreadSeed_ = 0;
  bool copyUnshown_ = false;  // the copy did not read back into the window; tried every round
  bool busy_ = false;
  bool noticesBusy_ = false;
  // The notices' own problem: told as the round's are, and cleared by the notices' next success.
  exchange::FollowProblem noticeFailure_;
  // Work under way holds a weak copy: once this is gone, its end is not heard.
  std::shared_ptr<int> alive_;
};

}  // namespace orvel::shell
