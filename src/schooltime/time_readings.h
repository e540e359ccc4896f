#pragma once
// The readings of one round of asking for standard time, and which of them sets the program's
// clock. A wrong clock at a school is usually minutes off, but a PC whose battery died is years
// off and must still be put right; only a large correction needs a second reading to agree,
// since a single wrong server would otherwise move every bell by hours.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orvel::schooltime {

// In the order they are asked: the first that answers wins.
enum class TimeSourceKind { FollowedServer, Share, TimeServer };

struct TimeReading {
  TimeSourceKind kind = TimeSourceKind::TimeServer;
  std::string source;         // the host or server name
  std::int64_t offsetMs = 0;  // standard time − the PC's clock
  std::int64_t roundTripMs = 0;
  friend bool operator==(const TimeReading&, const TimeReading&) = default;
};

// Larger corrections are applied only when a later reading agrees within kAgreementMs.
inline constexpr std::int64_t kConfirmAboveMs = 10 * 60 * 1000;
inline constexpr std::int64_t kAgreementMs = 2000;

enum class NoOffsetReason { NoSourceAnswered, NotConfirmed };

struct TimeDecision {
  std::optional<TimeReading> applied;
  NoOffsetReason why = NoOffsetReason::NoSourceAnswered;  // when nothing is applied
};

bool NeedsConfirmation(const TimeReading& reading);

// `readings` in the order they were taken. The first reading that is small enough, or that a
// later reading (the next source, or the same one asked again) confirms, is applied.
TimeDecision DecideOffset(std::span<const TimeReading> readings);

}  // namespace orvel::schooltime
