#include "schooltime/sntp.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "sntp_server.h"

namespace orvel::schooltime {
namespace {

TEST(sntp_test, a_reply_is_read_or_refused_for_what_is_wrong_with_it) {
  // Monday 1 September 2025 08:00 UTC on the PC; the wire takes 20 ms each way.
  constexpr std::int64_t kSent = 1'756'713'600'000;
  // 2036-02-07 06:28:16 UTC: NTP's seconds have just wrapped to zero.
  constexpr std::int64_t kAfterWrap = 2'085'978'496'000;
  struct Case {
    const char* what;
    std::int64_t sentMs;
    std::int64_t serverAheadMs;
    std::int64_t wireMs;  // each way
    std::function<void(std::string&)> spoil;
    SntpRefusal refusal;
  };
  const auto none = [](std::string&) {};
  const Case cases[] = {
      {"a good reply", kSent, 300'000, 20, none, SntpRefusal::None},
      {"a PC 13 years slow", kSent, -410'000'000'000, 20, none, SntpRefusal::None},
      {"a PC back at 2013 after 2036's wrap", kAfterWrap - 725'000'000'000, 725'000'000'000, 20,
       none, SntpRefusal::None},
      {"a reply to another request", kSent, 0, 20, [](std::string& r) { r[31] ^= 1; },
       SntpRefusal::NotOurRequest},
      {"leap indicator 3", kSent, 0, 20, [](std::string& r) { r[0] |= char(0xC0); },
       SntpRefusal::Unsynchronized},
      {"stratum 0, a kiss code", kSent, 0, 20, [](std::string& r) { r[1] = 0; },
       SntpRefusal::KissOfDeath},
      {"stratum 16", kSent, 0, 20, [](std::string& r) { r[1] = 16; },
       SntpRefusal::StratumTooHigh},
      {"client mode 3", kSent, 0, 20, [](std::string& r) { r[0] = (4 << 3) | 3; },
       SntpRefusal::NotServerMode},
      {"broadcast mode 5", kSent, 0, 20, [](std::string& r) { r[0] = (4 << 3) | 5; },
       SntpRefusal::NotServerMode},
      {"no transmit time", kSent, 0, 20, [](std::string& r) { r.replace(40, 8, 8, '\0'); },
       SntpRefusal::NoTransmitTime},
      {"1 KB of garbage", kSent, 0, 20, [](std::string& r) { r.assign(1024, '\x5A'); },
       SntpRefusal::WrongSize},
      {"a short packet", kSent, 0, 20, [](std::string& r) { r.pop_back(); },
       SntpRefusal::WrongSize},
      {"sent before it was received", kSent, 0, 20, [](std::string& r) { r[36] = 0x7F; },
       SntpRefusal::ImpossibleTimes},
      {"a round trip over 1 s", kSent, 0, 600, none, SntpRefusal::RoundTripTooLong},
  };
  for (const Case& c : cases) {
    const SntpRequest request = MakeSntpRequest(c.sentMs, 0xABCDE);
    ASSERT_EQ(request.bytes.size(), 48u);
    EXPECT_EQ(request.bytes[0], (4 << 3) | 3) << c.what;
    std::string reply = test::ServerReply(request.bytes, c.sentMs + c.wireMs + c.serverAheadMs);
    c.spoil(reply);
    const SntpSample sample = ReadSntpReply(reply, request.originate, c.sentMs + 2 * c.wireMs + 1);
    EXPECT_EQ(sample.refusal, c.refusal) << c.what;
    if (c.refusal != SntpRefusal::None) continue;
    EXPECT_NEAR(static_cast<double>(sample.offsetMs), static_cast<double>(c.serverAheadMs), 1)
        << c.what;
    EXPECT_NEAR(static_cast<double>(sample.roundTripMs), 2.0 * static_cast<double>(c.wireMs), 1) << c.what;
  }
}

TEST(sntp_test, the_try_least_delayed_is_the_best) {
  const SntpSample tries[] = {{SntpRefusal::None, 900, 80},
                              {SntpRefusal::RoundTripTooLong, 0, 1},
                              {SntpRefusal::None, 1000, 30},
                              {SntpRefusal::None, 1100, 60}};
  EXPECT_EQ(BestSntpSample(tries)->offsetMs, 1000);
  EXPECT_FALSE(BestSntpSample(std::span(tries).subspan(1, 1)));
}

}  // namespace
}  // namespace orvel::schooltime
