// Which notices a PC shows: inside their span only, for its class or its name only, once each;
// the record of those shown reads back and stays bounded.
#include "clock/notice_schedule.h"

#include <gtest/gtest.h>

#include "clock_fixtures.h"

namespace orvel::clock {
namespace {

using namespace std::chrono;
using test::At;

constexpr year_month_day kDay = 2026y / December / 9;
const NoticeAddressee kPc{"初二(3)班", "PC-07"};

Notice NoticeOf(NoticeIdentity identity, std::vector<std::string> audience = {},
                NoticeLevel level = NoticeLevel::Ordinary, std::int32_t start = At(7, 30)) {
  return {{kDay, start}, {kDay, At(12, 0)}, level, "集合", std::move(audience), identity};
}

TEST(notice_schedule_test, a_notice_shows_inside_its_span_on_the_pcs_it_names) {
  const struct {
    std::vector<std::string> audience;
    LocalDateTime now;
    bool shows;
  } cases[] = {
      {{}, {kDay, At(7, 29, 59)}, false},
      {{}, {kDay, At(7, 30)}, true},
      {{}, {kDay, At(11, 59, 59)}, true},
      {{}, {kDay, At(12, 0)}, false},
      {{}, {2026y / December / 10, At(8, 0)}, false},  // off all morning: never shown late
      {{"初二(4)班", " 初二(3)班 "}, {kDay, At(9, 0)}, true},
      {{"pc-07"}, {kDay, At(9, 0)}, true},  // Windows spells the name in capitals
      {{"初二(4)班", "PC-08", "初二(3)"}, {kDay, At(9, 0)}, false},
  };
  for (const auto& c : cases) {
    const Notice notices[] = {NoticeOf(1, c.audience)};
    const NoticeDecision decision = DecideNotices(notices, c.now, kPc, {});
    EXPECT_EQ(decision.due.size(), c.shows ? 1u : 0u) << c.now.secondOfDay;
    EXPECT_EQ(decision.current, decision.due);
  }
}

TEST(notice_schedule_test, each_notice_is_due_once_and_current_while_it_lasts) {
  // The PC's own file repeats the school's notice 2; the urgent one goes first.
  const Notice notices[] = {NoticeOf(1), NoticeOf(2, {}, NoticeLevel::Ordinary, At(7, 0)),
                            NoticeOf(3, {}, NoticeLevel::Urgent, At(9, 0)), NoticeOf(2)};
  SeenNotices seen;
  seen.Add(1);
  const NoticeDecision decision = DecideNotices(notices, {kDay, At(9, 30)}, kPc, seen);
  EXPECT_EQ(decision.current, (std::vector<Notice>{notices[2], notices[1], notices[0]}));
  EXPECT_EQ(decision.due, (std::vector<Notice>{notices[2], notices[1]}));
}

TEST(notice_schedule_test, the_record_of_shown_notices_reads_back_and_stays_bounded) {
  constexpr NoticeIdentity kStep = 0x9E3779B97F4A7C15ull;  // spreads over all 16 digits
  SeenNotices seen;
  for (NoticeIdentity i = 1; i <= kMaxSeenNotices + 2; ++i) seen.Add(i * kStep);
  seen.Add(3 * kStep);
  EXPECT_EQ(ParseSeenNotices(FormatSeenNotices(seen)).identities(), seen.identities());
  EXPECT_EQ(seen.identities().size(), kMaxSeenNotices);
  EXPECT_FALSE(seen.Has(2 * kStep));  // the oldest are forgotten
  EXPECT_TRUE(seen.Has(3 * kStep));
  // A damaged record keeps what it can read.
  EXPECT_EQ(ParseSeenNotices("00000000000000ff\nxyz\n\n00000000000000FF\r\n0000000000000010")
                .identities(),
            (std::vector<NoticeIdentity>{0xff, 0x10}));
}

}  // namespace
}  // namespace orvel::clock
