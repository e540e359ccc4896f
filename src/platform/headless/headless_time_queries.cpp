#include "platform/headless/headless_time_queries.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace orvel::headless {

std::int64_t HeadlessTimeQueries::WallMsLocked() const {
  const ui::LocalTime now = clock_.Now();
  const std::int64_t days = std::chrono::sys_days{now.date}.time_since_epoch().count();
  return days * 86'400'000 + static_cast<std::int64_t>(now.secondsOfDay) * 1000 + waitedMs_;
}

std::int64_t HeadlessTimeQueries::PcClockUnixMs() {
  const std::lock_guard lock(mutex_);
  return WallMsLocked();
}

std::int64_t HeadlessTimeQueries::SteadyMs() {
  const std::lock_guard lock(mutex_);
  return clock_.SteadyMs() + waitedMs_;
}

ui::UdpAnswer HeadlessTimeQueries::ExchangeUdp(const ui::UdpExchange& exchange) {
  std::function<std::string(const std::string&)> reply;
  int delayMs = 0;
  {
    const std::lock_guard lock(mutex_);
    sent_.push_back({exchange.host, exchange.port, exchange.request});
    const auto script = udp_.find({exchange.host, exchange.port});
    if (script == udp_.end()) return {ui::UdpFailure::NoAddress, {}};
    reply = script->second.reply;
    delayMs = script->second.delayMs;
    if (!reply || delayMs >= exchange.timeoutMs) {
      waitedMs_ += std::max(exchange.timeoutMs, 0);
      return {ui::UdpFailure::NoAnswer, {}};
    }
    waitedMs_ += delayMs / 2;
  }
  // Unlocked: the script reads the clock to stamp its reply.
  std::string bytes = reply(exchange.request);
  const std::lock_guard lock(mutex_);
  waitedMs_ += delayMs - delayMs / 2;
  if (bytes.size() > ui::kMaxUdpReplyBytes) return {ui::UdpFailure::TooLarge, {}};
  return {ui::UdpFailure::None, std::move(bytes)};
}

std::optional<std::int64_t> HeadlessTimeQueries::ShareServerUnixMs(const std::string& server,
                                                                   int timeoutMs) {
  const std::lock_guard lock(mutex_);
  sharesAsked_.push_back(server);
  const auto script = shares_.find(server);
  if (script == shares_.end() || !script->second.offsetMs ||
      script->second.delayMs >= timeoutMs) {
    waitedMs_ += std::max(timeoutMs, 0);
    return std::nullopt;
  }
  waitedMs_ += script->second.delayMs / 2;
  const std::int64_t serverMs = WallMsLocked() + *script->second.offsetMs;
  waitedMs_ += script->second.delayMs - script->second.delayMs / 2;
  return serverMs;
}

void HeadlessTimeQueries::ScriptUdp(const std::string& host, int port, UdpScript script) {
  const std::lock_guard lock(mutex_);
  udp_[{host, port}] = std::move(script);
}

void HeadlessTimeQueries::ScriptShare(const std::string& server, ShareScript script) {
  const std::lock_guard lock(mutex_);
  shares_[server] = std::move(script);
}

std::vector<HeadlessTimeQueries::SentDatagram> HeadlessTimeQueries::Sent() const {
  const std::lock_guard lock(mutex_);
  return sent_;
}

std::vector<std::string> HeadlessTimeQueries::SharesAsked() const {
  const std::lock_guard lock(mutex_);
  return sharesAsked_;
}

std::int64_t HeadlessTimeQueries::WaitedMs() const {
  const std::lock_guard lock(mutex_);
  return waitedMs_;
}

}  // namespace orvel::headless
