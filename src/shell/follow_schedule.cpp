#include "shell/follow_schedule.h"

#include <system_error>
#include <utility>

#include "exchange/notice_receipt.h"
#include "platform/file_io.h"
#include "platform/ui/platform.h"
#include "schooltime/dated_http.h"
#include "shell/exchange_texts.h"
#include "timetable/program_folder.h"

namespace orvel::shell {
namespace {

constexpr std::string_view kFailureTitle = "课表同步失败";
constexpr std::string_view kKeptTitle = "课表同步";
// The classic edition has an icon only around a balloon; it takes the tip of its reminders.
constexpr std::string_view kClassicTrayTip = "课程表";
// Notices are asked for within this much after their period, so that the PCs of a school
// switched on together do not ask together, yet a notice arrives within its period and seconds.
constexpr std::int64_t kNoticeSpreadMs = 10'000;

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string ClockText(const ui::LocalTime& time) {
  return std::to_string(time.secondsOfDay / 3600) + ":" + TwoDigits(time.secondsOfDay / 60 % 60);
}

bool Exists(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::exists(file, ec);
}

}  // namespace

FollowSchedule::FollowSchedule(program::ProgramState& state, program::ScheduleWindow& window,
                               std::function<void()> afterLoad,
                               std::function<void()> dayListChanged)
    : state_(state),
      window_(window),
      afterLoad_(std::move(afterLoad)),
      dayListChanged_(std::move(dayListChanged)),
      settings_(exchange::ReadFollowSettings(state.programFolder)),
      TimerFollow(&window.form(), "TimerFollow", 0, false),
      TimerNotices(&window.form(), "TimerNotices", 0, false),
      alive_(std::make_shared<int>(0)) {
  TimerFollow.onTimer = [this] { FetchNow(); };
  TimerNotices.onTimer = [this] { FetchNoticesNow(); };
  ReadSettings();
}

void FollowSchedule::ReadSettings() {
  if (!settings_) return;
  period_ = std::chrono::minutes(settings_->minutes);
  noticePeriod_ = std::chrono::minutes(settings_->noticeMinutes);
  exchange::SourceResolution resolved = exchange::ResolveSource(
      settings_->source, settings_->className, state_.platform.system().ComputerName());
  source_ = std::move(resolved.source);
  sourceProblem_ = std::move(resolved.problem);
  state_.followedSource =
      source_ ? source_->shown : exchange::WithoutCredentials(settings_->source);
  // The last good copy at once; the fetch follows once the window is up.
  if (source_ && Exists(TimetableCopy())) state_.startupScdFileName = source_->scdFileName;
}

FollowSchedule::~FollowSchedule() = default;

void FollowSchedule::Start() {
  // Every PC has its own spread, however many start in the same second.
  const ui::LocalTime& now = state_.now;
  spreadSeed_ = (static_cast<std::uint32_t>(state_.platform.clock().SteadyMs()) * 2654435761u ^
                 static_cast<std::uint32_t>(now.secondsOfDay) ^
                 static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(this))) |
                1u;  // xorshift stays at 0 once there
  FetchNow();
  FetchNoticesNow();
}

void FollowSchedule::Reload() {
  Stop();
  alive_ = std::make_shared<int>(0);
  busy_ = noticesBusy_ = false;
  source_.reset();
  sourceProblem_ = {};
  timetableKnown_ = dayListKnown_ = examsKnown_ = noticesKnown_ = {};
  noticeFailure_ = {};
  holidaysAsked_ = {};
  lastSuccess_.reset();
  failure_ = toldFailure_ = {};
  state_.followedSource.clear();
  settings_ = exchange::ReadFollowSettings(state_.programFolder);
  ReadSettings();
  if (settings_) {
    FetchNow();
    FetchNoticesNow();
  }
}

void FollowSchedule::Stop() {
  TimerFollow.SetEnabled(false);
  TimerNotices.SetEnabled(false);
  settings_.reset();
  alive_.reset();
}

std::filesystem::path FollowSchedule::TimetableCopy() const {
  // The source's name was checked when it was resolved: it is a file of "scd".
  return TimetableFilePath(state_.programFolder, source_->scdFileName)
      .value_or(std::filesystem::path());
}

exchange::Validators FollowSchedule::OnDisk(const exchange::Validators& known,
                                            const std::filesystem::path& copy) const {
  // A copy that has gone from the disk is fetched whole again.
  return Exists(copy) ? known : exchange::Validators{};
}

void FollowSchedule::FetchNow() {
  if (!settings_ || busy_) return;
  TimerFollow.SetEnabled(false);
  if (!source_) {
    Report(sourceProblem_);
    ScheduleNext();
    return;
  }
  busy_ = true;
  auto round = std::make_shared<exchange::FetchRound>();
  round->timetable.problem = exchange::ProblemOf(exchange::FollowProblem::Kind::NotFetched);
  auto checked = std::make_shared<exchange::CheckedTimetable>();
  auto dayListChecked = std::make_shared<exchange::CheckedDayList>();
  checked->problem = round->timetable.problem;
  const std::chrono::year_month_day today = state_.now.date;
  std::vector<exchange::HolidayFileAsk> holidayAsks;
  if (today != holidaysAsked_)
    holidayAsks = holidays_.Asks(static_cast<int>(today.year()), state_.programFolder);
  auto holidays = std::make_shared<std::vector<exchange::FetchedHolidayFile>>();
  // The files are read and checked there too: only writing them is left to the window thread.
  auto exams = std::make_shared<std::optional<exchange::FetchedExamFile>>();
  auto serverTime = std::make_shared<std::vector<schooltime::TimeReading>>();
  state_.platform.background().RunTimed(
      [round, checked, dayListChecked, holidays, holidayAsks, exams, serverTime, source = *source_,
       edition = state_.edition, timetable = OnDisk(timetableKnown_, TimetableCopy()),
       dayList = OnDisk(dayListKnown_, state_.programFolder / PathFromUtf8(kSchoolDayListFileName)),
       examsKnown =
           OnDisk(examsKnown_, state_.programFolder / PathFromUtf8(exchange::kSchoolExamFileName))](
          ui::Http& client, ui::TimeQueries& queries) {
        // Each answer's Date is read on the way: standard time without a request of its own.
        schooltime::DatedHttp http(client, queries);
        *round = exchange::FetchSource(http, source, timetable, dayList);
        *checked = exchange::CheckTimetable(round->timetable, source, edition);
        // The day list is read here too; the other files are asked only of a source that
        // answered, as the day list is.
        if (round->dayList) {
          *dayListChecked = exchange::CheckDayList(*round->dayList);
          *holidays = exchange::FetchSchoolHolidays(http, source, holidayAsks);
          *exams = exchange::FetchSchoolExams(http, source, examsKnown);
        }
        *serverTime = http.readings();
      },
      [this, alive = std::weak_ptr<int>(alive_), round, checked, dayListChecked, holidays, exams,
       serverTime] {
        if (alive.expired()) return;
        Fetched(*round, *checked, *dayListChecked, *holidays, *exams);
        if (!alive.expired() && serverTime_ && !serverTime->empty())
          serverTime_(std::move(*serverTime));
      });
}

void FollowSchedule::Fetched(const exchange::FetchRound& round,
                             const exchange::CheckedTimetable& checked,
                             const exchange::CheckedDayList& dayListChecked,
                             const std::vector<exchange::FetchedHolidayFile>& holidays,
                             const std::optional<exchange::FetchedExamFile>& exams) {
  busy_ = false;
  const exchange::Update timetable =
      exchange::UpdateTimetable(checked, *source_, state_.programFolder, state_.edition);
  exchange::FollowProblem problem = timetable.problem;
  if (timetable.outcome != exchange::UpdateOutcome::Failed) {
    timetableKnown_ = round.timetable.validators;
    // New cells, the first copy of a program that started without one, or a copy that did not
    // read back before.
    const bool current = state_.values.ScdFileName == source_->scdFileName && !copyUnshown_;
    if ((timetable.outcome == exchange::UpdateOutcome::Changed || !current) && checked.prepared) {
      // Shown as the round read and checked it: the copy just written is not read again.
      window_.ShowFetchedTimetable(source_->scdFileName, checked.prepared->timetable);
      copyUnshown_ = false;
      if (afterLoad_) afterLoad_();
    } else if (!current && Exists(TimetableCopy())) {
      // Unchanged at the source: the copy on disk is all there is to show. Nobody started the
      // round to hear of it in a box, in the middle of a lesson: a copy that does not read back
      // (a scanner holding it, a disk error) is the round's problem.
      const TimetableRead shown = window_.LoadTimetableQuietly(source_->scdFileName);
      copyUnshown_ = shown.fault != ReadFault::None;
      if (copyUnshown_) {
        // Fetched whole next time, in case the disk spoilt it.
        timetableKnown_ = {};
        problem = exchange::ProblemOf(exchange::FollowProblem::Kind::CopyNotShown,
                                      source_->scdFileName);
        problem.copyRead = shown;
      } else if (afterLoad_) {
        afterLoad_();
      }
    }
  }
  if (round.dayList) {
    const exchange::Update dayList =
        exchange::UpdateSchoolDayList(*round.dayList, dayListChecked, state_.programFolder);
    if (dayList.outcome != exchange::UpdateOutcome::Failed)
      dayListKnown_ = round.dayList->validators;
    if (dayList.outcome == exchange::UpdateOutcome::Changed) {
      // Handed over as it was read: the copy is not read again to be shown.
      if (schoolDaysTaker_ && dayListChecked.list)
        schoolDaysTaker_(*dayListChecked.list);
      else if (dayListChanged_)
        dayListChanged_();
    } else if (!problem.Any())
      problem = dayList.problem;
  }
  if (!holidays.empty()) {
    const exchange::HolidayUpdate kept = holidays_.Keep(holidays, state_.programFolder);
    // A file that failed is asked for again next round.
    if (!kept.problem.Any()) holidaysAsked_ = state_.now.date;
    if (!problem.Any()) problem = kept.problem;
    if (kept.changed && dayListChanged_) dayListChanged_();
  }
  if (exams) {
    const exchange::ExamUpdate kept = exchange::KeepSchoolExams(*exams, state_.programFolder);
    if (!kept.problem.Any()) examsKnown_ = exams->file.validators;
    if (!problem.Any()) problem = kept.problem;
    // Handed over as it was read: the copy is not read again to be shown.
    if (kept.changed && examsTaker_) examsTaker_(exams->read);
  }
  Report(problem);
  // Said once: the next replacement is of the program's own copy.
  if (!timetable.keptAs.empty())
    Balloon(FollowKeptOwnFileText(source_->scdFileName, timetable.keptAs), kKeptTitle,
            ui::BalloonIcon::Info);
  ScheduleNext();
}

void FollowSchedule::Report(const exchange::FollowProblem& problem) {
  if (!problem.Any()) {
    lastSuccess_ = state_.now;
    failure_ = {};
    toldFailure_ = {};
    state_.tray.SetStatus("已同步 " + ClockText(*lastSuccess_));
    return;
  }
  failure_ = problem;
  const std::string text = OneLine(FollowProblemText(problem));
  state_.tray.SetStatus("同步失败：" + text);
  if (problem == toldFailure_) return;
  toldFailure_ = problem;
  Balloon("来源：" + state_.followedSource + "\n" + text, kFailureTitle, ui::BalloonIcon::Warning);
}

void FollowSchedule::Balloon(const std::string& text, std::string_view title,
                             ui::BalloonIcon icon) {
  ui::Form& form = window_.form();
  if (!state_.tray.Shown())
    state_.tray.AddTrayIcon(form, state_.tray.Tip().empty() ? kClassicTrayTip : state_.tray.Tip());
  state_.tray.ShowBalloon(form, text, title, icon);
}

std::int64_t FollowSchedule::Spread(std::int64_t bound) {
  // xorshift: enough to spread the PCs, and the same in every build.
  spreadSeed_ ^= spreadSeed_ << 13;
  spreadSeed_ ^= spreadSeed_ >> 17;
  spreadSeed_ ^= spreadSeed_ << 5;
  return static_cast<std::int64_t>(spreadSeed_ % static_cast<std::uint64_t>(bound));
}

void FollowSchedule::ScheduleNext() {
  if (!settings_) return;
  const std::int64_t period = period_.count();
  TimerFollow.SetInterval(static_cast<int>(period + Spread(period / 5 + 1)));
  TimerFollow.SetEnabled(true);
}

void FollowSchedule::ScheduleNextNotices() {
  if (!settings_) return;
  TimerNotices.SetInterval(static_cast<int>(noticePeriod_.count() + Spread(kNoticeSpreadMs + 1)));
  TimerNotices.SetEnabled(true);
}

void FollowSchedule::FetchNoticesNow() {
  if (!settings_ || noticesBusy_) return;
  TimerNotices.SetEnabled(false);
  if (!source_) {
    ScheduleNextNotices();
    return;
  }
  noticesBusy_ = true;
  auto fetched = std::make_shared<exchange::FetchedNoticeFile>();
  fetched->file.problem = exchange::ProblemOf(exchange::FollowProblem::Kind::NotFetched);
  state_.platform.background().RunTimed(
      [fetched, source = *source_,
       known = OnDisk(noticesKnown_,
                      state_.programFolder / PathFromUtf8(exchange::kSchoolNoticeFileName))](
          ui::Http& http, ui::TimeQueries&) {
        *fetched = exchange::FetchSchoolNotices(http, source, known);
      },
      [this, alive = std::weak_ptr<int>(alive_), fetched] {
        if (alive.expired()) return;
        NoticesFetched(*fetched);
      });
}

void FollowSchedule::NoticesFetched(const exchange::FetchedNoticeFile& fetched) {
  noticesBusy_ = false;
  const exchange::NoticeUpdate kept = exchange::KeepSchoolNotices(fetched, state_.programFolder);
  if (!kept.problem.Any()) noticesKnown_ = fetched.file.validators;
  // Handed over as it was read: the copy is not read again to be shown.
  if (kept.changed && noticesTaker_) noticesTaker_(kept.read);
  // A source out of reach is told by the timetable's round; told here too, it would come as a
  // balloon of its own every few minutes. What is wrong with the notices alone is told here.
  const exchange::FollowProblem& problem = kept.problem;
  const bool ownProblem = problem.kind == exchange::FollowProblem::Kind::NoticeFileUnusable ||
                          problem.kind == exchange::FollowProblem::Kind::CannotWriteCopy;
  if (ownProblem) {
    noticeFailure_ = problem;
    Report(problem);
  } else if (!problem.Any() && noticeFailure_.Any()) {
    if (failure_ == noticeFailure_) Report({});
    noticeFailure_ = {};
  }
  ScheduleNextNotices();
}

void FollowSchedule::SendReadReceipt(const Notice& notice, const LocalDateTime& pressedAt) {
  if (!settings_ || !settings_->noticesRead || !source_) return;
  const std::string computer = state_.platform.system().ComputerName();
  const std::optional<std::filesystem::path> file = exchange::ReceiptFile(*source_, computer);
  if (!file) return;
  const std::string line =
      exchange::ReceiptLine({pressedAt, source_->className, computer, notice.start, notice.text});
  auto status = std::make_shared<FileStatus>(FileStatus::Failed);
  state_.platform.background().Run(
      [status, file = *file, line](ui::Http&) { *status = exchange::AppendReceipt(file, line); },
      [this, alive = std::weak_ptr<int>(alive_), status, computer] {
        if (alive.expired() || *status == FileStatus::Ok) return;
        // Not worth a balloon in the middle of a lesson: the tip tells whoever looks.
        failure_ = exchange::ProblemOf(
            exchange::FollowProblem::Kind::ReceiptNotWritten,
            std::string(exchange::kReceiptFolderName) + "\\" + computer + ".csv");
        failure_.fileStatus = *status;
        state_.tray.SetStatus("同步失败：" + OneLine(FollowProblemText(failure_)));
      });
}

std::vector<std::string> FollowSchedule::StateLines() const {
  std::vector<std::string> lines{"课表来源：" + state_.followedSource};
  if (!lastSuccess_) {
    lines.push_back(busy_ ? "正在同步…" : "尚未同步");
  } else {
    const ui::LocalTime now = state_.now;
    std::string when = ClockText(*lastSuccess_);
    if (lastSuccess_->date != now.date)
      when = std::to_string(static_cast<unsigned>(lastSuccess_->date.month())) + "月" +
             std::to_string(static_cast<unsigned>(lastSuccess_->date.day())) + "日 " + when;
    lines.push_back("上次同步：" + when);
  }
  if (failure_.Any()) lines.push_back("同步失败：" + OneLine(FollowProblemText(failure_)));
  return lines;
}

}  // namespace orvel::shell
