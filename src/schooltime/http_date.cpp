#include "schooltime/http_date.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <utility>
#include <vector>

namespace orvel::schooltime {
namespace {

constexpr std::array<std::string_view, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 7> kDays{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr std::array<std::string_view, 7> kLongDays{"Monday", "Tuesday", "Wednesday", "Thursday",
                                                    "Friday", "Saturday", "Sunday"};
constexpr std::size_t kMaxDateLength = 64;

// The pieces between spaces, commas and (RFC 850's date) hyphens.
std::vector<std::string_view> Pieces(std::string_view text) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != ' ' && text[i] != ',' && text[i] != '-') continue;
    if (i > start) pieces.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  return pieces;
}

std::optional<int> Number(std::string_view digits, std::size_t minLength, std::size_t maxLength) {
  if (digits.size() < minLength || digits.size() > maxLength) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::optional<unsigned> Month(std::string_view name) {
  for (std::size_t i = 0; i < kMonths.size(); ++i)
    if (name == kMonths[i]) return static_cast<unsigned>(i + 1);
  return std::nullopt;
}

bool IsDayName(std::string_view name, bool longForm) {
  for (std::string_view day : longForm ? kLongDays : kDays)
    if (name == day) return true;
  return false;
}

// "08:49:37" as seconds of the day; a leap second counts as the one before it.
std::optional<int> TimeOfDay(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  const auto hours = Number(text.substr(0, 2), 2, 2);
  const auto minutes = Number(text.substr(3, 2), 2, 2);
  const auto seconds = Number(text.substr(6, 2), 2, 2);
  if (!hours || !minutes || !seconds || *hours > 23 || *minutes > 59 || *seconds > 60)
    return std::nullopt;
  return *hours * 3600 + *minutes * 60 + std::min(*seconds, 59);
}

}  // namespace

std::optional<std::int64_t> ParseHttpDate(std::string_view text) {
  if (text.size() > kMaxDateLength) return std::nullopt;
  const std::vector<std::string_view> pieces = Pieces(text);
  std::optional<int> year, day, seconds;
  std::optional<unsigned> month;
  if (pieces.size() == 6 && pieces[5] == "GMT") {
    // IMF-fixdate, or RFC 850's with its two-digit year.
    const bool rfc850 = pieces[3].size() == 2;
    if (!IsDayName(pieces[0], rfc850)) return std::nullopt;
    day = Number(pieces[1], 2, 2);
    month = Month(pieces[2]);
    year = rfc850 ? Number(pieces[3], 2, 2) : Number(pieces[3], 4, 4);
    // RFC 9110: a two-digit year more than 50 years ahead is of the century before.
    if (rfc850 && year) *year += *year < 70 ? 2000 : 1900;
    seconds = TimeOfDay(pieces[4]);
  } else if (pieces.size() == 5) {
    // asctime: "Sun Nov  6 08:49:37 1994".
    if (!IsDayName(pieces[0], false)) return std::nullopt;
    month = Month(pieces[1]);
    day = Number(pieces[2], 1, 2);
    seconds = TimeOfDay(pieces[3]);
    year = Number(pieces[4], 4, 4);
  }
  if (!year || !month || !day || !seconds) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{*year}, std::chrono::month{*month},
                                         std::chrono::day{static_cast<unsigned>(*day)}};
  if (!date.ok()) return std::nullopt;
  const std::int64_t days = std::chrono::sys_days{date}.time_since_epoch().count();
  return days * 86'400 + *seconds;
}

std::optional<TimeReading> ReadDateHeader(std::string_view date, std::int64_t sentUnixMs,
                                          std::int64_t receivedUnixMs, std::string host) {
  const std::optional<std::int64_t> seconds = ParseHttpDate(date);
  const std::int64_t roundTripMs = receivedUnixMs - sentUnixMs;
  if (!seconds || roundTripMs < 0 || roundTripMs > kMaxDateRoundTripMs) return std::nullopt;
  const std::int64_t serverMs = *seconds * 1000 + 500;
  const std::int64_t middleMs = sentUnixMs + roundTripMs / 2;
  return TimeReading{TimeSourceKind::FollowedServer, std::move(host), serverMs - middleMs,
                     roundTripMs};
}

}  // namespace orvel::schooltime
