#pragma once
// Numbers in the program's text files: whole numbers, single-precision numbers and the number a
// text starts with.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// The whole text as a number (blanks around it allowed; sign, digits, fraction, exponent),
// rounded to a whole number with halves to even ("2.5" -> 2, "3.5" -> 4). Nothing when the text
// is not a number or the result is out of range.
std::optional<std::int16_t> ToInt16(std::string_view text);
std::optional<std::int32_t> ToInt32(std::string_view text);

// The whole text as the nearest single-precision number; nothing when it is not a number or
// does not fit.
std::optional<float> ToSingle(std::string_view text);

// The number the text starts with, after leading blanks: "12abc" -> 12, "abc" -> 0, "" -> 0.
// A number too large for a double counts as 0 as well.
double LeadingValue(std::string_view text);

// The plain decimal text with the fewest decimals that reads back as the same float:
// 1200 -> "1200", 0.1f -> "0.1", never an exponent.
std::string FormatSingle(float value);

// The shortest text that reads back as the same double, with an exponent where that is shorter:
// 0 -> "0", 1 -> "1", 0.5 -> "0.5", 1e20 -> "1e+20".
std::string FormatShortest(double value);

}  // namespace orvel
