#pragma once
// Dates of the Spring Festival (Chinese New Year), from the published table.
#include <chrono>
#include <optional>

namespace orvel {

inline constexpr int kFirstSpringFestivalYear = 1986;
inline constexpr int kLastSpringFestivalYear = 2101;

// The Gregorian date of the first day of the first lunar month in `springYear`; nullopt for a
// year outside kFirstSpringFestivalYear..kLastSpringFestivalYear.
std::optional<std::chrono::year_month_day> SpringFestival(std::chrono::year springYear);

}  // namespace orvel
