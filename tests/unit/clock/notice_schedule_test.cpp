// Which notices a PC shows: only inside their span, only those for its class or its name, once
// each, and the record of those shown reads back and stays bounded.
#include "clock/notice_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock_fixtures.h"

namespace orvel::clock {
namespace {

using namespace std::chrono;
using test::At;

constexpr year_month_day kDay = 2026y / December / 9;

Notice NoticeOf(NoticeIdentity identity, std::vector<std::string> audience = {},
                NoticeLevel level = NoticeLevel::Ordinary, std::int32_t start = At(7, 30)) {
  return {{kDay, start}, {kDay, At(12, 0)}, level, "集合", std::move(audience), identity};
}

std::vector<NoticeIdentity> IdentitiesOf(const std::vector<Notice>& notices) {
  std::vector<NoticeIdentity> identities;
  for (const Notice& notice : notices) identities.push_back(notice.identity);
  return identities;
}

const NoticeAddressee kPc{"初二(3)班", "PC-07"};

TEST(notice_schedule_test, a_notice_shows_from_its_start_until_before_its_end) {
  const Notice notices[] = {NoticeOf(1)};
  const struct {
    LocalDateTime now;
    bool shows;
  } cases[] = {
      {{kDay, At(7, 29, 59)}, false},
      {{kDay, At(7, 30)}, true},
      {{kDay, At(11, 59, 59)}, true},
      {{kDay, At(12, 0)}, false},
      {{2026y / December / 10, At(8, 0)}, false},  // the PC was off all morning: never late
      {{2026y / December / 8, At(9, 0)}, false},
  };
  for (const auto& c : cases) {
    const NoticeDecision decision = DecideNotices(notices, c.now, kPc, {});
    EXPECT_EQ(decision.due.size(), c.shows ? 1u : 0u) << c.now.secondOfDay;
    EXPECT_EQ(decision.current.size(), c.shows ? 1u : 0u) << c.now.secondOfDay;
  }
}

TEST(notice_schedule_test, a_notice_for_some_shows_on_their_pcs_only) {
  const struct {
    std::vector<std::string> audience;
    bool shows;
  } cases[] = {
      {{"初二(4)班", "初二(3)班"}, true},
      {{" 初二(3)班 "}, true},
      {{"pc-07"}, true},  // Windows spells the name in capitals, the school may not
      {{"初二(4)班", "PC-08"}, false},
      {{"初二(3)"}, false},
  };
  const LocalDateTime now{kDay, At(9, 0)};
  for (const auto& c : cases) {
    const Notice notices[] = {NoticeOf(1, c.audience)};
    EXPECT_EQ(DecideNotices(notices, now, kPc, {}).due.size(), c.shows ? 1u : 0u)
        << c.audience.front();
  }
  // A PC without a class name is reached by its computer name only.
  const Notice blank[] = {NoticeOf(1, {""})};
  EXPECT_TRUE(DecideNotices(blank, now, {"", "PC-07"}, {}).due.empty());
}

TEST(notice_schedule_test, each_notice_is_due_once_and_current_while_it_lasts) {
  // The PC's own file repeats the school's line 2; the urgent one goes first.
  const Notice notices[] = {NoticeOf(1), NoticeOf(2, {}, NoticeLevel::Ordinary, At(7, 0)),
                            NoticeOf(3, {}, NoticeLevel::Urgent, At(9, 0)), NoticeOf(2)};
  SeenNotices seen;
  seen.Add(1);
  const NoticeDecision decision = DecideNotices(notices, {kDay, At(9, 30)}, kPc, seen);
  EXPECT_EQ(IdentitiesOf(decision.current), (std::vector<NoticeIdentity>{3, 2, 1}));
  EXPECT_EQ(IdentitiesOf(decision.due), (std::vector<NoticeIdentity>{3, 2}));
}

TEST(notice_schedule_test, the_record_of_shown_notices_reads_back_and_stays_bounded) {
  SeenNotices seen;
  for (NoticeIdentity i = 1; i <= kMaxSeenNotices + 2; ++i) seen.Add(i * 0x9E3779B97F4A7C15ull);
  seen.Add(3 * 0x9E3779B97F4A7C15ull);  // already there: stays where it was
  const SeenNotices again = ParseSeenNotices(FormatSeenNotices(seen));
  EXPECT_EQ(again.identities(), seen.identities());
  EXPECT_EQ(seen.identities().size(), kMaxSeenNotices);
  EXPECT_FALSE(seen.Has(2 * 0x9E3779B97F4A7C15ull));  // the oldest are forgotten
  EXPECT_TRUE(seen.Has(3 * 0x9E3779B97F4A7C15ull));
  // A damaged record keeps what it can read.
  EXPECT_EQ(ParseSeenNotices("00000000000000ff\nxyz\n\n00000000000000FF\r\n0000000000000010")
                .identities(),
            (std::vector<NoticeIdentity>{0xff, 0x10}));
}

}  // namespace
}  // namespace orvel::clock
