#pragma once
// A time server written from RFC 4330 for the tests: its reply to a request, made as a real
// server would, which each case may then spoil.
#include <cstdint>
#include <string>

namespace orvel::test {

inline std::uint64_t NtpTime(std::int64_t unixMs) {
  const auto seconds = static_cast<std::uint64_t>(unixMs / 1000 + 2'208'988'800);
  return (seconds << 32) + (static_cast<std::uint64_t>(unixMs % 1000) << 32) / 1000;
}

inline void PutNtpTime(std::string& packet, std::size_t at, std::uint64_t time) {
  for (int i = 7; i >= 0; --i, time >>= 8) packet[at + i] = static_cast<char>(time & 0xFF);
}

// Received at `receivedUnixMs` of the server's clock and sent back 1 ms later.
inline std::string ServerReply(const std::string& request, std::int64_t receivedUnixMs) {
  std::string reply(48, '\0');
  reply[0] = static_cast<char>((4 << 3) | 4);  // no leap warning, version 4, server
  reply[1] = 2;                                 // stratum
  reply.replace(24, 8, request.substr(40, 8));  // our transmit time as its originate
  PutNtpTime(reply, 32, NtpTime(receivedUnixMs));
  PutNtpTime(reply, 40, NtpTime(receivedUnixMs + 1));
  return reply;
}

}  // namespace orvel::test
