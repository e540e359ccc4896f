#include "schooltime/http_date.h"

#include <gtest/gtest.h>

namespace orvel::schooltime {
namespace {

TEST(http_date_test, the_three_forms_are_read_and_anything_else_is_not) {
  constexpr std::int64_t k1994 = 784'111'777;  // Sun, 06 Nov 1994 08:49:37 GMT
  struct Case {
    const char* date;
    std::optional<std::int64_t> seconds;
  };
  const Case cases[] = {
      {"Sun, 06 Nov 1994 08:49:37 GMT", k1994},
      {"Sunday, 06-Nov-94 08:49:37 GMT", k1994},
      {"Sun Nov  6 08:49:37 1994", k1994},
      {"Thu, 07 Feb 2036 06:28:16 GMT", 2'085'978'496},
      {"Tue, 01 Sep 2043 00:00:00 GMT", 2'324'678'400},
      {"Friday, 01-Sep-28 00:00:00 GMT", 1'851'379'200},
      {"Sun, 06 Nov 1994 08:49:37 UTC", std::nullopt},
      {"Sun, 31 Nov 1994 08:49:37 GMT", std::nullopt},
      {"Sun, 06 Nov 1994 24:00:00 GMT", std::nullopt},
      {"Sun, 06 Nov 1994 8:49:37 GMT", std::nullopt},
      {"Sun, 06 Xyz 1994 08:49:37 GMT", std::nullopt},
      {"1994-11-06T08:49:37Z", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseHttpDate(c.date), c.seconds) << c.date;
}

TEST(http_date_test, a_date_is_read_at_the_middle_of_its_request_and_second) {
  // The server's clock read 08:49:37.x while the PC sent at .000 and heard back 400 ms later,
  // 10 s behind.
  const std::int64_t sent = 784'111'767'000;
  const auto reading = ReadDateHeader("Sun, 06 Nov 1994 08:49:37 GMT", sent, sent + 400, "school");
  ASSERT_TRUE(reading);
  EXPECT_EQ(reading->offsetMs, 10'000 + 500 - 200);
  EXPECT_EQ(reading->roundTripMs, 400);
  EXPECT_EQ(reading->kind, TimeSourceKind::FollowedServer);
  EXPECT_FALSE(ReadDateHeader("Sun, 06 Nov 1994 08:49:37 GMT", sent, sent + 2500, "school"));
}

}  // namespace
}  // namespace orvel::schooltime
