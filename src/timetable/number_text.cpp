#include "timetable/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <type_traits>

#include "timetable/file_text.h"

namespace orvel {
namespace {

// The smallest single-precision number above 0 needs 45 decimals to read back exactly.
constexpr int kMaxFixedDecimals = 50;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view s, std::size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// Length of the decimal number at the start of s: [sign] digits [. digits] [e [sign] digits],
// with at least one digit before the exponent; 0 when s does not start with one. An exponent
// marker without digits is not part of the number.
std::size_t ScanNumber(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t intStart = i;
  i = SkipDigits(s, i);
  bool anyDigit = i > intStart;
  if (i < s.size() && s[i] == '.') {
    const std::size_t fracStart = i + 1;
    const std::size_t fracEnd = SkipDigits(s, fracStart);
    anyDigit = anyDigit || fracEnd > fracStart;
    i = fracEnd;
  }
  if (!anyDigit) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t expEnd = SkipDigits(s, j);
    if (expEnd > j) i = expEnd;
  }
  return i;
}

// Parses a text ScanNumber accepted, in the C library's reading of decimals (the program never
// changes the C locale). Out of range gives nothing. The C library rather than from_chars: the
// latter's floating-point tables weigh 200 KB in a statically linked program.
template <typename T>
std::optional<T> ParseScanned(std::string_view number) {
  const std::string text(number);
  char* end = nullptr;
  errno = 0;
  const T value = std::is_same_v<T, float> ? std::strtof(text.c_str(), &end)
                                           : static_cast<T>(std::strtod(text.c_str(), &end));
  if (errno == ERANGE || end != text.c_str() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<double> WholeNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty() || ScanNumber(text) != text.size()) return std::nullopt;
  return ParseScanned<double>(text);
}

double RoundHalfToEven(double x) {
  const double nearest = std::round(x);  // halves away from zero
  if (std::fabs(x - std::trunc(x)) == 0.5) return 2.0 * std::round(x / 2.0);
  return nearest;
}

template <typename Int>
std::optional<Int> ToWhole(std::string_view text) {
  const std::optional<double> value = WholeNumber(text);
  if (!value) return std::nullopt;
  const double rounded = RoundHalfToEven(*value);
  if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
    return std::nullopt;
  return static_cast<Int>(rounded);
}

}  // namespace

std::optional<std::int16_t> ToInt16(std::string_view text) {
  return ToWhole<std::int16_t>(text);
}

std::optional<std::int32_t> ToInt32(std::string_view text) {
  return ToWhole<std::int32_t>(text);
}

std::optional<float> ToSingle(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty() || ScanNumber(text) != text.size()) return std::nullopt;
  return ParseScanned<float>(text);
}

double LeadingValue(std::string_view text) {
  while (!text.empty() && (IsBlank(text.front()) || text.front() == '\r' || text.front() == '\n'))
    text.remove_prefix(1);
  const std::size_t length = ScanNumber(text);
  if (length == 0) return 0.0;
  return ParseScanned<double>(text.substr(0, length)).value_or(0.0);
}

std::string FormatSingle(float value) {
  if (!std::isfinite(value)) return "0";
  // The fewest decimals that read back as the same single-precision number.
  char buffer[128];
  for (int decimals = 0; decimals <= kMaxFixedDecimals; ++decimals) {
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
    if (std::strtof(buffer, nullptr) == value) break;
  }
  return buffer;
}

std::string FormatShortest(double value) {
  if (!std::isfinite(value)) return "0";
  char buffer[64];
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    if (std::strtod(buffer, nullptr) == value) break;
  }
  return buffer;
}

}  // namespace orvel
