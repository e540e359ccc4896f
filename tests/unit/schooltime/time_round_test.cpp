#include "schooltime/time_round.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_time_queries.h"
#include "sntp_server.h"

namespace orvel::schooltime {
namespace {

using headless::HeadlessTimeQueries;

// A time server `aheadMs` ahead of the PC.
HeadlessTimeQueries::UdpScript Server(HeadlessTimeQueries& queries, std::int64_t aheadMs) {
  return {[&queries, aheadMs](const std::string& request) {
            return test::ServerReply(request, queries.PcClockUnixMs() + aheadMs);
          },
          40};
}

std::vector<std::string> HostsAsked(const HeadlessTimeQueries& queries) {
  std::vector<std::string> hosts;
  for (const auto& sent : queries.Sent()) hosts.push_back(sent.host + ":" + std::to_string(sent.port));
  return hosts;
}

TEST(time_round_test, silent_and_wrong_servers_are_passed_over_in_order_within_the_round) {
  headless::HeadlessClock clock;
  HeadlessTimeQueries queries(clock);
  queries.ScriptShare("nas", {});                           // silent
  queries.ScriptUdp("silent.test", 123, {});                // silent
  queries.ScriptUdp("wrong.test", 123, {[](const std::string& request) {
                                          std::string reply = test::ServerReply(request, 0);
                                          reply[31] ^= 1;  // answers someone else
                                          return reply;
                                        }});
  queries.ScriptUdp("good.test", 12300, Server(queries, 90'000));
  const std::vector<TimeSource> sources = ShareAndTimeServers(
      queries, "nas",
      {{"silent.test", 123}, {"unknown.test", 123}, {"wrong.test", 123}, {"good.test", 12300}});

  const TimeRound round = RunTimeRound(queries, sources);

  ASSERT_TRUE(round.decision.applied);
  EXPECT_EQ(round.decision.applied->source, "good.test");
  EXPECT_NEAR(static_cast<double>(round.decision.applied->offsetMs), 90'000, 1);
  EXPECT_EQ(queries.SharesAsked(), std::vector<std::string>{"nas"});
  EXPECT_EQ(HostsAsked(queries),
            (std::vector<std::string>{"silent.test:123", "unknown.test:123", "wrong.test:123",
                                      "good.test:12300", "good.test:12300", "good.test:12300"}));
  // The share and one server silent for their second each, then three quick tries.
  EXPECT_EQ(queries.WaitedMs(), 2 * 1000 + 20 + 3 * 40);
}

TEST(time_round_test, a_round_of_silent_servers_ends_within_five_seconds) {
  headless::HeadlessClock clock;
  HeadlessTimeQueries queries(clock);
  std::vector<TimeServerAddress> servers;
  for (int port = 1; port <= 8; ++port) {
    queries.ScriptUdp("slow.test", port, {});
    servers.push_back({"slow.test", port});
  }
  const TimeRound round = RunTimeRound(queries, ShareAndTimeServers(queries, {}, servers));
  EXPECT_FALSE(round.decision.applied);
  EXPECT_EQ(round.decision.why, NoOffsetReason::NoSourceAnswered);
  EXPECT_EQ(queries.Sent().size(), 5u);
  EXPECT_EQ(queries.WaitedMs(), 5000);
}

TEST(time_round_test, a_pc_13_years_slow_is_set_when_the_next_server_agrees) {
  headless::HeadlessClock clock;
  HeadlessTimeQueries queries(clock);
  constexpr std::int64_t kThirteenYears = 410'000'000'000;
  queries.ScriptUdp("a.test", 123, Server(queries, kThirteenYears));
  queries.ScriptUdp("b.test", 123, Server(queries, kThirteenYears + 700));
  const TimeRound round =
      RunTimeRound(queries, ShareAndTimeServers(queries, {}, {{"a.test", 123}, {"b.test", 123}}));
  ASSERT_EQ(round.readings.size(), 2u);
  ASSERT_TRUE(round.decision.applied);
  EXPECT_EQ(round.decision.applied->source, "a.test");
}

}  // namespace
}  // namespace orvel::schooltime
