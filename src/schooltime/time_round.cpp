#include "schooltime/time_round.h"

#include <algorithm>
#include <utility>

#include "schooltime/sntp.h"

namespace orvel::schooltime {
namespace {

int RemainingMs(ui::TimeQueries& queries, std::int64_t deadlineSteadyMs) {
  return static_cast<int>(std::clamp<std::int64_t>(deadlineSteadyMs - queries.SteadyMs(), 0,
                                                   kMaxRoundMs));
}

// Random enough that replies meant for another request do not match ours; not a secret.
std::uint32_t MixNonce(std::uint64_t seed) {
  seed += 0x9E37'79B9'7F4A'7C15u;
  seed = (seed ^ (seed >> 30)) * 0xBF58'476D'1CE4'E5B9u;
  seed = (seed ^ (seed >> 27)) * 0x94D0'49BB'1331'11EBu;
  return static_cast<std::uint32_t>(seed ^ (seed >> 31));
}

}  // namespace

std::optional<TimeReading> AskTimeServer(ui::TimeQueries& queries,
                                         const TimeServerAddress& server,
                                         std::int64_t deadlineSteadyMs, std::uint32_t nonce) {
  std::vector<SntpSample> samples;
  for (int attempt = 0; attempt < kSntpTries; ++attempt) {
    const int remainingMs = RemainingMs(queries, deadlineSteadyMs);
    if (remainingMs <= 0) break;
    const SntpRequest request =
        MakeSntpRequest(queries.PcClockUnixMs(), MixNonce(nonce + static_cast<unsigned>(attempt)));
    const ui::UdpAnswer answer =
        queries.ExchangeUdp({server.host, server.port, request.bytes, remainingMs});
    const std::int64_t receivedMs = queries.PcClockUnixMs();
    if (answer.failure != ui::UdpFailure::None) break;
    const SntpSample sample = ReadSntpReply(answer.reply, request.originate, receivedMs);
    if (!sample.accepted()) return std::nullopt;
    samples.push_back(sample);
  }
  const std::optional<SntpSample> best = BestSntpSample(samples);
  if (!best) return std::nullopt;
  return TimeReading{TimeSourceKind::TimeServer, server.host, best->offsetMs, best->roundTripMs};
}

std::optional<TimeReading> AskShare(ui::TimeQueries& queries, const std::string& server,
                                    std::int64_t deadlineSteadyMs) {
  const int remainingMs = RemainingMs(queries, deadlineSteadyMs);
  if (remainingMs <= 0) return std::nullopt;
  const std::int64_t sentMs = queries.PcClockUnixMs();
  const std::optional<std::int64_t> serverMs = queries.ShareServerUnixMs(server, remainingMs);
  const std::int64_t roundTripMs = queries.PcClockUnixMs() - sentMs;
  if (!serverMs || roundTripMs < 0 || roundTripMs > kMaxSourceMs) return std::nullopt;
  return TimeReading{TimeSourceKind::Share, server, *serverMs - (sentMs + roundTripMs / 2),
                     roundTripMs};
}

std::vector<TimeSource> ShareAndTimeServers(ui::TimeQueries& queries,
                                            const std::optional<std::string>& shareServer,
                                            const std::vector<TimeServerAddress>& servers) {
  std::vector<TimeSource> sources;
  if (shareServer)
    sources.push_back([&queries, server = *shareServer](std::int64_t deadline) {
      return AskShare(queries, server, deadline);
    });
  for (const TimeServerAddress& server : servers)
    sources.push_back([&queries, server](std::int64_t deadline) {
      const auto seed = static_cast<std::uint64_t>(queries.PcClockUnixMs()) ^
                        static_cast<std::uint64_t>(queries.SteadyMs()) << 20;
      return AskTimeServer(queries, server, deadline, MixNonce(seed));
    });
  return sources;
}

std::optional<std::string> ShareServerOf(std::string_view path) {
  if (path.size() < 3 || (path[0] != '\\' && path[0] != '/') || path[1] != path[0])
    return std::nullopt;
  const std::string_view rest = path.substr(2);
  const std::string_view server = rest.substr(0, rest.find_first_of("\\/"));
  // \\?\ and \\.\ name the local machine's devices, not a server.
  if (server.empty() || server == "?" || server == ".") return std::nullopt;
  return std::string(server);
}

TimeRound RunTimeRound(ui::TimeQueries& queries, std::span<const TimeSource> sources) {
  TimeRound round;
  const std::int64_t roundEnd = queries.SteadyMs() + kMaxRoundMs;
  std::vector<std::size_t> answered;
  // True once a reading applies or the round's time is up.
  auto ask = [&](std::size_t index) {
    const std::int64_t now = queries.SteadyMs();
    if (now >= roundEnd) return true;
    std::optional<TimeReading> reading = sources[index](std::min(now + kMaxSourceMs, roundEnd));
    if (!reading) return false;
    answered.push_back(index);
    round.readings.push_back(std::move(*reading));
    round.decision = DecideOffset(round.readings);
    return round.decision.applied.has_value();
  };
  for (std::size_t index = 0; index < sources.size(); ++index)
    if (ask(index)) return round;
  for (const std::size_t index : std::vector<std::size_t>(answered))
    if (ask(index)) return round;
  round.decision = DecideOffset(round.readings);
  return round;
}

}  // namespace orvel::schooltime
