#include "schooltime/sntp.h"

namespace orvel::schooltime {
namespace {

// 1900-01-01 to 1970-01-01.
constexpr std::int64_t kUnixEpochInNtpSeconds = 2'208'988'800;
constexpr std::uint8_t kVersion4 = 4;
constexpr std::uint8_t kClientMode = 3;
constexpr std::uint8_t kServerMode = 4;
constexpr std::uint8_t kUnsynchronized = 3;
constexpr int kMaxStratum = 15;
constexpr std::size_t kReceiveAt = 32;
constexpr std::size_t kOriginateAt = 24;
constexpr std::size_t kTransmitAt = 40;
// 2^20 units of 2^-32 s: a quarter of a millisecond, below what the offset is read to.
constexpr std::uint32_t kNonceMask = (1u << 20) - 1;

NtpTimestamp ReadTimestamp(std::string_view bytes, std::size_t at) {
  NtpTimestamp value = 0;
  for (std::size_t i = 0; i < 8; ++i)
    value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

void WriteTimestamp(std::string& bytes, std::size_t at, NtpTimestamp value) {
  for (std::size_t i = 0; i < 8; ++i)
    bytes[at + i] = static_cast<char>((value >> (56 - 8 * i)) & 0xFF);
}

// later − earlier in milliseconds, rounded down; right whenever the true difference is within
// 68 years, across an era's wrap too.
std::int64_t DifferenceMs(NtpTimestamp later, NtpTimestamp earlier) {
  const auto units = static_cast<std::int64_t>(later - earlier);
  const std::int64_t seconds = units >> 32;  // floor, also below zero
  const auto fraction = static_cast<std::uint64_t>(units) & 0xFFFF'FFFFu;
  return seconds * 1000 + static_cast<std::int64_t>((fraction * 1000) >> 32);
}

}  // namespace

NtpTimestamp NtpFromUnixMs(std::int64_t unixMs) {
  std::int64_t seconds = unixMs / 1000;
  std::int64_t ms = unixMs % 1000;
  if (ms < 0) {
    ms += 1000;
    --seconds;
  }
  const auto ntpSeconds = static_cast<std::uint64_t>(seconds + kUnixEpochInNtpSeconds);
  const std::uint64_t fraction = (static_cast<std::uint64_t>(ms) << 32) / 1000;
  return (ntpSeconds << 32) | fraction;
}

SntpRequest MakeSntpRequest(std::int64_t sentUnixMs, std::uint32_t nonce) {
  SntpRequest request{std::string(kSntpPacketBytes, '\0'), 0};
  request.bytes[0] = static_cast<char>((kVersion4 << 3) | kClientMode);
  request.originate = NtpFromUnixMs(sentUnixMs) | (nonce & kNonceMask);
  WriteTimestamp(request.bytes, kTransmitAt, request.originate);
  return request;
}

SntpSample ReadSntpReply(std::string_view reply, NtpTimestamp originate,
                         std::int64_t receivedUnixMs) {
  SntpSample sample;
  auto refuse = [&sample](SntpRefusal why) {
    sample.refusal = why;
    return sample;
  };
  if (reply.size() != kSntpPacketBytes) return refuse(SntpRefusal::WrongSize);
  if (ReadTimestamp(reply, kOriginateAt) != originate) return refuse(SntpRefusal::NotOurRequest);
  const auto first = static_cast<std::uint8_t>(reply[0]);
  if ((first >> 6) == kUnsynchronized) return refuse(SntpRefusal::Unsynchronized);
  const int stratum = static_cast<std::uint8_t>(reply[1]);
  if (stratum == 0) return refuse(SntpRefusal::KissOfDeath);
  if (stratum > kMaxStratum) return refuse(SntpRefusal::StratumTooHigh);
  if ((first & 7) != kServerMode) return refuse(SntpRefusal::NotServerMode);
  const NtpTimestamp transmit = ReadTimestamp(reply, kTransmitAt);
  if (transmit == 0) return refuse(SntpRefusal::NoTransmitTime);

  const NtpTimestamp received = ReadTimestamp(reply, kReceiveAt);
  const NtpTimestamp arrived = NtpFromUnixMs(receivedUnixMs);
  const std::int64_t held = DifferenceMs(transmit, received);
  const std::int64_t away = DifferenceMs(arrived, originate);
  if (held < 0 || held > away) return refuse(SntpRefusal::ImpossibleTimes);
  sample.roundTripMs = away - held;
  if (sample.roundTripMs > kMaxSntpRoundTripMs) return refuse(SntpRefusal::RoundTripTooLong);
  // ((T2 − T1) + (T3 − T4)) / 2, each half alone so that large offsets cannot overflow.
  const std::int64_t there = DifferenceMs(received, originate);
  const std::int64_t back = DifferenceMs(transmit, arrived);
  sample.offsetMs = there / 2 + back / 2 + (there % 2 + back % 2) / 2;
  return sample;
}

std::optional<SntpSample> BestSntpSample(std::span<const SntpSample> samples) {
  std::optional<SntpSample> best;
  for (const SntpSample& sample : samples)
    if (sample.accepted() && (!best || sample.roundTripMs < best->roundTripMs)) best = sample;
  return best;
}

}  // namespace orvel::schooltime
