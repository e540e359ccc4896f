#pragma once
// Standard time from a web server's Date header, which every answer carries: the followed
// source's own server then needs no time server of its own to be reachable.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "schooltime/time_readings.h"

namespace orvel::schooltime {

// A request that took longer leaves its server's moment too uncertain.
inline constexpr std::int64_t kMaxDateRoundTripMs = 2000;

// Seconds since 1970 UTC of "Sun, 06 Nov 1994 08:49:37 GMT", or of the obsolete forms
// "Sunday, 06-Nov-94 08:49:37 GMT" and "Sun Nov  6 08:49:37 1994"; nothing for anything else.
std::optional<std::int64_t> ParseHttpDate(std::string_view text);

// The reading of an answer's Date, given when the PC sent the request and received the answer's
// headers: the server stamped some moment in the middle of the request, and its second (which it
// truncates) is taken at its middle. Nothing when the header cannot be read or the request took
// longer than kMaxDateRoundTripMs.
std::optional<TimeReading> ReadDateHeader(std::string_view date, std::int64_t sentUnixMs,
                                          std::int64_t receivedUnixMs, std::string host);

}  // namespace orvel::schooltime
