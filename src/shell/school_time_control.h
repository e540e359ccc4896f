#pragma once
// School time as the shell runs it: rounds of asking for standard time (at start, every hour,
// after the system clock is set or the PC wakes, and on 立即校时), each off the window thread
// and within 5 s; 对齐铃声, which takes the bell's offset from the nearest start or end of a
// period; and the 校时 window. The program's clock (program/school_clock.h) takes what they find;
// the system clock is never changed.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panel/frm_time.h"
#include "platform/ui/controls.h"
#include "program/program_state.h"
#include "program/schedule_window.h"
#include "schooltime/time_readings.h"
#include "schooltime/time_round.h"

namespace orvel::shell {

inline constexpr std::string_view kAlignBellCaption = "对齐铃声";
inline constexpr std::string_view kNoBoundaryNotice =
    "现在离今天任何一节课的上课或下课时间都超过 5 分钟，铃声没有对齐。请在铃声响起时再选择"
    "“对齐铃声”。";
// A round is asked for at most this often by the clock alone.
inline constexpr std::int64_t kTimeRoundEveryMs = 60 * 60 * 1000;

class SchoolTimeControl {
 public:
  using Notify = std::function<void(const std::string& text, std::string_view title)>;
  // The followed web source's address, whose server is asked first in a round (one HEAD, when
  // no fetch brought its Date lately). Nothing while the PC follows no web source.
  using FollowedServerTime = std::function<std::optional<std::string>()>;
  // The Windows server of a followed share (\\server\share\...), if that is what is followed.
  using FollowedShare = std::function<std::optional<std::string>()>;

  // `state` and `window` must outlive the control. `saveClassroom` writes classroom.ini and
  // tells the user when it cannot.
  SchoolTimeControl(program::ProgramState& state, program::ScheduleWindow& window, Notify notify,
                    std::function<void()> saveClassroom);
  SchoolTimeControl(const SchoolTimeControl&) = delete;
  SchoolTimeControl& operator=(const SchoolTimeControl&) = delete;
  ~SchoolTimeControl();

  void SetFollowed(FollowedServerTime serverTime, FollowedShare share);

  // The program is up: the bell's offset from classroom.ini, and the first round.
  void Start();
  // One second of the shell: an hourly round when one is due; the open window shown again.
  void Tick();
  // A round now, unless one is under way or time=off.
  void AskNow();
  // The system clock was set (what was known of it no longer holds) or the PC woke.
  void ClockChanged(bool set);
  // Readings the followed source's fetch has just made of its server's Date: used at once.
  void TakeServerReadings(std::vector<schooltime::TimeReading> readings);
  // "校时...", "立即校时" and "对齐铃声".
  void AddMenuItems(std::vector<ui::MenuItem>& items);
  void End();

  panel::FrmTime* window() const { return window_.get(); }

 private:
  // A round, unless one is under way, time=off, or (unless `evenIfFresh`) a fetch brought the
  // followed server's time within the hour.
  void Round(bool evenIfFresh);
  void Apply(const schooltime::TimeDecision& decision);
  void AlignToBell();
  void SetBell(int seconds);
  void OpenWindow();

  program::ProgramState& state_;
  program::ScheduleWindow& schedule_;
  Notify notify_;
  std::function<void()> saveClassroom_;
  FollowedServerTime followedServerTime_;
  FollowedShare followedShare_;
  std::unique_ptr<panel::FrmTime> window_;
  std::int64_t lastRoundSteadyMs_ = 0;
  // When a fetch last brought a reading of the followed server's Date that was used.
  std::optional<std::int64_t> serverReadingSteadyMs_;
  bool busy_ = false;
  bool asked_ = false;  // a round has been asked for since the start
  bool ended_ = false;
  // Work under way holds a weak copy: once this is gone, its end is not heard.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace orvel::shell
