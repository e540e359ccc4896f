// The record of notices shown and answered: an urgent notice comes back until answered, an
// ordinary one once; the answers survive a read of the record by the plain reader and its own.
#include "clock/notice_record.h"

#include <gtest/gtest.h>

#include "clock_fixtures.h"

namespace orvel::clock {
namespace {

using namespace std::chrono;
using test::At;

constexpr year_month_day kDay = 2026y / December / 9;

Notice NoticeOf(NoticeIdentity identity, NoticeLevel level) {
  return {{kDay, At(7, 30)}, {kDay, At(12, 0)}, level, "集合", {}, identity};
}

TEST(notice_record_test, what_shows_by_level_record_and_this_run) {
  const struct {
    NoticeLevel level;
    bool shown, answered, openedThisRun, shows;
  } cases[] = {
      {NoticeLevel::Ordinary, false, false, false, true},
      {NoticeLevel::Ordinary, true, false, false, false},
      {NoticeLevel::Urgent, true, false, false, true},  // shown before a restart, unanswered
      {NoticeLevel::Urgent, true, false, true, false},
      {NoticeLevel::Urgent, true, true, false, false},
  };
  for (const auto& c : cases) {
    NoticeRecord record;
    if (c.shown) record.shown.Add(7);
    if (c.answered) record.acknowledged.Add(7);
    SeenNotices opened;
    if (c.openedThisRun) opened.Add(7);
    const Notice current[] = {NoticeOf(7, c.level)};
    EXPECT_EQ(NoticesToShow(current, record, opened).size(), c.shows ? 1u : 0u);
  }
}

TEST(notice_record_test, the_record_reads_back_and_the_plain_reader_skips_the_answers) {
  NoticeRecord record;
  record.shown.Add(0x1234);
  record.shown.Add(0xfedcba9876543210);
  record.acknowledged.Add(0xfedcba9876543210);
  const std::string text = FormatNoticeRecord(record);
  const NoticeRecord back = ParseNoticeRecord(text);
  EXPECT_EQ(back.shown.identities(), record.shown.identities());
  EXPECT_EQ(back.acknowledged.identities(), record.acknowledged.identities());
  EXPECT_EQ(ParseSeenNotices(text).identities(), record.shown.identities());
}

}  // namespace
}  // namespace orvel::clock
