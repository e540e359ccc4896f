#include "schooltime/time_readings.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvel::schooltime {
namespace {

TEST(time_readings_test, a_large_offset_applies_only_when_a_second_reading_agrees) {
  constexpr std::int64_t kMinute = 60'000;
  constexpr std::int64_t kThirteenYears = 410'000'000'000;
  const auto server = [](const char* name, std::int64_t offsetMs) {
    return TimeReading{TimeSourceKind::TimeServer, name, offsetMs, 30};
  };
  struct Case {
    const char* what;
    std::vector<TimeReading> readings;
    std::optional<std::string> applied;  // the source of the applied reading
    NoOffsetReason why;
  };
  const Case cases[] = {
      {"nothing answered", {}, std::nullopt, NoOffsetReason::NoSourceAnswered},
      {"a few seconds", {server("a", 3'000)}, "a", {}},
      {"ten minutes exactly", {server("a", -10 * kMinute)}, "a", {}},
      {"eleven minutes alone", {server("a", 11 * kMinute)}, std::nullopt,
       NoOffsetReason::NotConfirmed},
      {"13 years, the next source within 2 s",
       {server("a", kThirteenYears), server("b", kThirteenYears - 2'000)}, "a", {}},
      {"13 years, the same source again",
       {server("a", kThirteenYears), server("a", kThirteenYears + 900)}, "a", {}},
      {"13 years, the next source 2.1 s apart",
       {server("a", kThirteenYears), server("b", kThirteenYears + 2'100)}, std::nullopt,
       NoOffsetReason::NotConfirmed},
      {"a wrong first server, a right second one",
       {server("a", 3 * 60 * kMinute), server("b", 1'500)}, "b", {}},
      {"confirmed by the third reading",
       {server("a", 20 * kMinute), server("b", 40 * kMinute), server("c", 20 * kMinute + 5)}, "a",
       {}},
  };
  for (const Case& c : cases) {
    const TimeDecision decision = DecideOffset(c.readings);
    EXPECT_EQ(decision.applied ? std::optional(decision.applied->source) : std::nullopt, c.applied)
        << c.what;
    if (!c.applied) {
      EXPECT_EQ(decision.why, c.why) << c.what;
    }
  }
}

}  // namespace
}  // namespace orvel::schooltime
