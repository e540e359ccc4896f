#pragma once
// A simple network time client's packets (RFC 4330), as pure functions over bytes and times so
// that every check can be tried with crafted replies. Times are the PC's clock in milliseconds
// since 1970 UTC; on the wire they are 64-bit NTP timestamps, seconds since 1900 in the high half.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvel::schooltime {

inline constexpr std::size_t kSntpPacketBytes = 48;
// A reply that took longer says little about when the server read its clock.
inline constexpr std::int64_t kMaxSntpRoundTripMs = 1000;

using NtpTimestamp = std::uint64_t;

// The seconds wrap every 136 years (the next era begins in February 2036); the wrap is harmless
// because only differences of timestamps are used, and they are right within 68 years.
NtpTimestamp NtpFromUnixMs(std::int64_t unixMs);

struct SntpRequest {
  std::string bytes;        // kSntpPacketBytes
  NtpTimestamp originate;   // what the server must echo
};
// Version 4, client mode, `sentUnixMs` as the transmit time. `nonce` fills the low bits of the
// fraction, below a millisecond, so that a reply made for someone else's request does not match.
SntpRequest MakeSntpRequest(std::int64_t sentUnixMs, std::uint32_t nonce);

enum class SntpRefusal {
  None,
  WrongSize,            // not 48 bytes (a longer packet would carry keys we never asked for)
  NotOurRequest,        // the originate is not the transmit time we sent
  Unsynchronized,       // leap indicator 3: the server's clock is not set
  KissOfDeath,          // stratum 0: a refusal or rate-limit code, not a time
  StratumTooHigh,       // above 15
  NotServerMode,        // a mode other than 4
  NoTransmitTime,       // the server left its clock reading out
  ImpossibleTimes,      // the server held the request longer than the whole round trip
  RoundTripTooLong,     // over kMaxSntpRoundTripMs
};

// One try: the offset of the server's clock from the PC's (standard − PC) and the round trip,
// both corrected as RFC 4330 says, or why the reply was refused.
struct SntpSample {
  SntpRefusal refusal = SntpRefusal::None;
  std::int64_t offsetMs = 0;
  std::int64_t roundTripMs = 0;
  bool accepted() const { return refusal == SntpRefusal::None; }
};

SntpSample ReadSntpReply(std::string_view reply, NtpTimestamp originate,
                         std::int64_t receivedUnixMs);

// The accepted try with the least round trip: the one whose time was least disturbed on the way.
std::optional<SntpSample> BestSntpSample(std::span<const SntpSample> samples);

}  // namespace orvel::schooltime
