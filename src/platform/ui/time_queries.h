#pragma once
// What the time sources need from the system: the PC's clock, one UDP exchange with a time
// server, and a share server's time of day. Every call returns within its time limit whatever the
// network does, and may be made from several threads at once, never from the window thread.
#include <cstdint>
#include <optional>
#include <string>

namespace orvel::ui {

// A reply larger than this is nobody's answer to a 48-byte question.
inline constexpr std::size_t kMaxUdpReplyBytes = 1024;

struct UdpExchange {
  std::string host;     // a name or an IPv4 address
  int port = 123;
  std::string request;  // bytes
  int timeoutMs = 1000; // name lookup included
};

enum class UdpFailure {
  None,
  NoAddress,  // the name does not resolve
  NoAnswer,   // nothing within the time limit
  TooLarge,   // a datagram over kMaxUdpReplyBytes
  Network,    // no socket, or the send failed
};

struct UdpAnswer {
  UdpFailure failure = UdpFailure::None;
  std::string reply;  // bytes, when failure is None
};

class TimeQueries {
 public:
  virtual ~TimeQueries() = default;
  // The PC's clock, in milliseconds since 1970-01-01 00:00 UTC: what offsets are measured from.
  virtual std::int64_t PcClockUnixMs() = 0;
  // A monotonic reading for time limits; a changed PC clock does not move it.
  virtual std::int64_t SteadyMs() = 0;
  // Sends `request` to host:port and waits for one datagram from there.
  virtual UdpAnswer ExchangeUdp(const UdpExchange& exchange) = 0;
  // The clock of the Windows server `server` (a name, as in \\server\share), in milliseconds
  // since 1970 UTC; nothing when it does not answer within `timeoutMs`.
  virtual std::optional<std::int64_t> ShareServerUnixMs(const std::string& server,
                                                         int timeoutMs) = 0;
};

}  // namespace orvel::ui
