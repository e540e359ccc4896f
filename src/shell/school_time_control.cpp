#include "shell/school_time_control.h"

#include <algorithm>
#include <utility>

#include "clock/bell_alignment.h"
#include "clock/time_of_day.h"
#include "schooltime/dated_http.h"
#include "panel/school_time_text.h"
#include "platform/ui/platform.h"

namespace orvel::shell {

SchoolTimeControl::SchoolTimeControl(program::ProgramState& state,
                                     program::ScheduleWindow& window, Notify notify,
                                     std::function<void()> saveClassroom)
    : state_(state),
      schedule_(window),
      notify_(std::move(notify)),
      saveClassroom_(std::move(saveClassroom)) {}

SchoolTimeControl::~SchoolTimeControl() = default;

void SchoolTimeControl::SetFollowed(FollowedServerTime serverTime, FollowedShare share) {
  followedServerTime_ = std::move(serverTime);
  followedShare_ = std::move(share);
}

void SchoolTimeControl::Start() {
  state_.time.SetBellOffset(state_.classroom.bellOffsetSeconds);
  AskNow();
}

void SchoolTimeControl::Tick() {
  if (ended_) return;
  if (asked_ && state_.platform.clock().SteadyMs() - lastRoundSteadyMs_ >= kTimeRoundEveryMs)
    Round(false);
  if (window_ && window_->Loaded()) window_->ShowTime();
}

void SchoolTimeControl::AskNow() {
  Round(true);
}

void SchoolTimeControl::Round(bool evenIfFresh) {
  if (ended_ || busy_ || !state_.classroom.standardTime) return;
  asked_ = true;
  const std::int64_t nowMs = state_.platform.clock().SteadyMs();
  lastRoundSteadyMs_ = nowMs;
  // The followed server's Date came with a fetch lately: it stands, and nobody is asked.
  if (!evenIfFresh && serverReadingSteadyMs_ &&
      nowMs - *serverReadingSteadyMs_ < kTimeRoundEveryMs)
    return;
  busy_ = true;
  auto round = std::make_shared<schooltime::TimeRound>();
  // Read here, on the window thread: the work below touches nothing of the program.
  const std::optional<std::string> share =
      followedShare_ ? followedShare_() : std::optional<std::string>();
  const std::optional<std::string> web =
      followedServerTime_ ? followedServerTime_() : std::optional<std::string>();
  state_.platform.background().RunTimed(
      [round, share, web, servers = state_.classroom.timeServers](ui::Http& http,
                                                                   ui::TimeQueries& queries) {
        std::vector<schooltime::TimeSource> sources;
        if (web)
          sources.push_back([&http, &queries, url = *web](std::int64_t deadlineSteadyMs) {
            const std::int64_t leftMs = std::min<std::int64_t>(
                deadlineSteadyMs - queries.SteadyMs(), schooltime::kMaxSourceMs);
            return leftMs > 0 ? schooltime::AskWebServer(http, queries, url,
                                                         static_cast<int>(leftMs))
                              : std::nullopt;
          });
        for (schooltime::TimeSource& source :
             schooltime::ShareAndTimeServers(queries, share, servers))
          sources.push_back(std::move(source));
        *round = schooltime::RunTimeRound(queries, sources);
      },
      [this, alive = std::weak_ptr<int>(alive_), round] {
        if (alive.expired()) return;
        busy_ = false;
        Apply(round->decision);
      });
}

void SchoolTimeControl::ClockChanged(bool set) {
  // An offset measured against the old setting of the clock would now be wrong by the change.
  if (set) state_.time.SetStandard(std::nullopt);
  serverReadingSteadyMs_.reset();
  AskNow();
}

void SchoolTimeControl::TakeServerReadings(std::vector<schooltime::TimeReading> readings) {
  if (!state_.classroom.standardTime || readings.empty()) return;
  const schooltime::TimeDecision decision = schooltime::DecideOffset(readings);
  if (!decision.applied) return;
  serverReadingSteadyMs_ = state_.platform.clock().SteadyMs();
  Apply(decision);
}

void SchoolTimeControl::Apply(const schooltime::TimeDecision& decision) {
  // A round that found nothing keeps what an earlier one found: the PC's clock drifts slowly.
  if (!decision.applied) return;
  state_.time.SetStandard(
      program::StandardTime{decision.applied->source, decision.applied->offsetMs, {}});
  // When it was set, by the clock it set.
  program::StandardTime standard = *state_.time.standard();
  standard.takenAt = state_.time.Now();
  state_.time.SetStandard(std::move(standard));
  if (window_ && window_->Loaded()) window_->ShowTime();
}

void SchoolTimeControl::AlignToBell() {
  const std::optional<Timetable> timetable = schedule_.CurrentTimetable();
  const std::int32_t standardNow =
      program::SchoolClock::LocalTimeOfMs(state_.time.StandardMs()).secondsOfDay;
  const std::optional<std::int32_t> boundary =
      timetable ? clock::NearestPeriodBoundary(*timetable, standardNow) : std::nullopt;
  if (!boundary) {
    notify_(std::string(kNoBoundaryNotice), kAlignBellCaption);
    return;
  }
  std::int32_t seconds = *boundary - standardNow;
  // A boundary on the other side of midnight.
  if (seconds > clock::kSecondsPerDay / 2) seconds -= clock::kSecondsPerDay;
  if (seconds < -clock::kSecondsPerDay / 2) seconds += clock::kSecondsPerDay;
  SetBell(seconds);
  notify_(panel::BellText(seconds), kAlignBellCaption);
}

void SchoolTimeControl::SetBell(int seconds) {
  state_.time.SetBellOffset(seconds);
  if (state_.classroom.bellOffsetSeconds == seconds) return;
  state_.classroom.bellOffsetSeconds = seconds;
  if (saveClassroom_) saveClassroom_();
}

void SchoolTimeControl::OpenWindow() {
  if (window_ && window_->Loaded()) {
    window_->BringToFront();
    return;
  }
  window_ = std::make_unique<panel::FrmTime>(
      state_, panel::FrmTime::Actions{[this] { AskNow(); }, [this](int s) { SetBell(s); }});
  window_->Show();
}

void SchoolTimeControl::AddMenuItems(std::vector<ui::MenuItem>& items) {
  items.push_back({"mnu_time", std::string(panel::kTimeTitle) + "...", [this] { OpenWindow(); }});
  items.push_back({"mnu_time_now", "立即校时", [this] { AskNow(); }});
  items.push_back({"mnu_bell", std::string(kAlignBellCaption), [this] { AlignToBell(); }});
}

void SchoolTimeControl::End() {
  ended_ = true;
  alive_.reset();
  if (window_) window_->Unload();
}

}  // namespace orvel::shell
