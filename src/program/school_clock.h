#pragma once
// The program's one clock: the PC's clock (the platform's, the one reader of the system's local
// time) set right by the offset to standard time that the last time round found, then moved to
// the school's bell by the bell's own offset. The shell reads it once a second and hands that
// instant to every view. The system clock itself is never changed: that needs an administrator.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "platform/ui/services.h"

namespace orvel::program {

struct StandardTime {
  std::string source;         // the server that gave it, as the user reads it
  std::int64_t offsetMs = 0;  // standard time − the PC's clock
  ui::LocalTime takenAt{};    // the program's time when it was taken
};

class SchoolClock {
 public:
  explicit SchoolClock(const ui::Clock& pc) : pc_(pc) {}

  // The bell's time: the PC's clock, corrected to standard time, then to the bell.
  ui::LocalTime Now() const { return LocalTimeOfMs(NowMs()); }
  // The same in milliseconds since 1970-01-01 00:00 of local time.
  std::int64_t NowMs() const { return StandardMs() + bellSeconds_ * std::int64_t{1000}; }
  // Standard time (the PC's clock where none is known), without the bell.
  std::int64_t StandardMs() const { return pc_.LocalMs() + (standard_ ? standard_->offsetMs : 0); }

  const std::optional<StandardTime>& standard() const { return standard_; }
  void SetStandard(std::optional<StandardTime> standard) { standard_ = std::move(standard); }
  // The bell − standard time: positive when the bell is fast.
  int bellOffsetSeconds() const { return bellSeconds_; }
  void SetBellOffset(int seconds) { bellSeconds_ = seconds; }

  static ui::LocalTime LocalTimeOfMs(std::int64_t ms);

 private:
  const ui::Clock& pc_;
  std::optional<StandardTime> standard_;
  int bellSeconds_ = 0;
};

}  // namespace orvel::program
