#pragma once
// Time servers and share servers in memory: each answers as the test scripts it, after a delay
// that passes on a virtual clock, so that a round of silent servers takes no real time.
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless_clock.h"
#include "platform/ui/time_queries.h"

namespace orvel::headless {

class HeadlessTimeQueries : public ui::TimeQueries {
 public:
  // The reply to a request's bytes, made halfway through the delay; no function: silence.
  struct UdpScript {
    std::function<std::string(const std::string& request)> reply;
    int delayMs = 20;
  };
  struct ShareScript {
    std::optional<std::int64_t> offsetMs;  // the server's clock − the PC's; nothing: silence
    int delayMs = 20;
  };
  struct SentDatagram {
    std::string host;
    int port = 0;
    std::string bytes;
  };

  // The PC's clock starts at `clock`'s wall time (taken as UTC) and moves on by itself while
  // the queries wait, leaving `clock` alone.
  explicit HeadlessTimeQueries(const HeadlessClock& clock) : clock_(clock) {}

  std::int64_t PcClockUnixMs() override;
  std::int64_t SteadyMs() override;
  ui::UdpAnswer ExchangeUdp(const ui::UdpExchange& exchange) override;
  std::optional<std::int64_t> ShareServerUnixMs(const std::string& server,
                                                int timeoutMs) override;

  // Hosts without a script do not resolve; shares without one are silent.
  void ScriptUdp(const std::string& host, int port, UdpScript script);
  void ScriptShare(const std::string& server, ShareScript script);
  // Every datagram sent, and every share asked, in order.
  std::vector<SentDatagram> Sent() const;
  std::vector<std::string> SharesAsked() const;
  // Virtual milliseconds spent waiting so far.
  std::int64_t WaitedMs() const;

 private:
  std::int64_t WallMsLocked() const;

  const HeadlessClock& clock_;
  mutable std::mutex mutex_;
  std::int64_t waitedMs_ = 0;
  std::map<std::pair<std::string, int>, UdpScript> udp_;
  std::map<std::string, ShareScript> shares_;
  std::vector<SentDatagram> sent_;
  std::vector<std::string> sharesAsked_;
};

}  // namespace orvel::headless
