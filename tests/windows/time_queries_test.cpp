// Asking a time server for real: Winsock against the test's SNTP server on 127.0.0.1
// (sntp_server.py), named in classroom.ini as a school would name its own.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/win32/time_queries_win.h"
#include "schooltime/time_round.h"
#include "timetable/classroom_settings.h"
#include "win_test_support.h"

namespace orvel {
namespace {

std::string FileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(time_queries_test, a_time_server_named_in_classroom_ini_is_read_and_a_silent_one_waited_for_1_s) {
  const std::filesystem::path state = wintest::HostPath(ORVEL_SNTP_SERVER_STATE);
  const wintest::TempFolder folder;
  std::ofstream(folder.path() / "classroom.ini")
      << "timeServers=127.0.0.1:" << FileText(state / "port") << "\n";
  const ClassroomSettings settings = ReadClassroomSettings(folder.path());
  ASSERT_EQ(settings.timeServers.size(), 1u);
  win32::Win32TimeQueries queries;

  std::ofstream(state / "offset") << "300";
  const auto reading = schooltime::AskTimeServer(queries, settings.timeServers[0],
                                                 queries.SteadyMs() + 1000, 7);
  ASSERT_TRUE(reading);
  EXPECT_NEAR(static_cast<double>(reading->offsetMs), 300'000, 2'000);

  std::ofstream(state / "silent") << "";
  const std::int64_t start = queries.SteadyMs();
  const auto round = schooltime::RunTimeRound(
      queries, schooltime::ShareAndTimeServers(queries, {}, settings.timeServers));
  const std::int64_t tookMs = queries.SteadyMs() - start;
  std::filesystem::remove(state / "silent");
  EXPECT_FALSE(round.decision.applied);
  EXPECT_GE(tookMs, 900);
  EXPECT_LE(tookMs, 1300);
}

}  // namespace
}  // namespace orvel
