#pragma once
// One round of asking for standard time, on a background thread: the sources in order, each
// within 1 s and the whole round within 5 s, so that a dead network delays nothing but the
// round itself. Waiting happens only inside ui::TimeQueries, which the headless backend answers
// at once on a virtual clock.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/time_queries.h"
#include "schooltime/time_readings.h"
#include "timetable/classroom_settings.h"

namespace orvel::schooltime {

inline constexpr std::int64_t kMaxSourceMs = 1000;
inline constexpr std::int64_t kMaxRoundMs = 5000;
inline constexpr int kSntpTries = 3;

// A source asked for a reading, to be given (or given up) by `deadlineSteadyMs` on
// TimeQueries::SteadyMs. The followed source's server is one the caller makes: a Date header
// its fetch already got, or one HEAD of its address.
using TimeSource = std::function<std::optional<TimeReading>(std::int64_t deadlineSteadyMs)>;

// Up to kSntpTries exchanges, the best one read; nothing when the server is silent or any reply
// is refused. `nonce` varies the requests' originate times.
std::optional<TimeReading> AskTimeServer(ui::TimeQueries& queries,
                                         const TimeServerAddress& server,
                                         std::int64_t deadlineSteadyMs, std::uint32_t nonce);
// The time of day of the Windows server holding the followed share.
std::optional<TimeReading> AskShare(ui::TimeQueries& queries, const std::string& server,
                                    std::int64_t deadlineSteadyMs);

// The share's server (when the followed source is on a share), then classroom.ini's time
// servers: what follows the followed source's own server in a round.
std::vector<TimeSource> ShareAndTimeServers(ui::TimeQueries& queries,
                                            const std::optional<std::string>& shareServer,
                                            const std::vector<TimeServerAddress>& servers);

// The server of a share path such as \\server\share\folder; nothing for any other path.
std::optional<std::string> ShareServerOf(std::string_view path);

struct TimeRound {
  std::vector<TimeReading> readings;  // in the order they were taken
  TimeDecision decision;
};

// Asks `sources` in order until a reading applies. A reading that needs confirmation is
// followed by the next source; when the sources run out unconfirmed, those that answered are
// asked once more.
TimeRound RunTimeRound(ui::TimeQueries& queries, std::span<const TimeSource> sources);

}  // namespace orvel::schooltime
