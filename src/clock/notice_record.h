#pragma once
// What this PC has done with its notices, kept in notices_seen.txt: the notices shown, one
// identity a line as ParseSeenNotices reads them, and the urgent ones someone answered with 知道了,
// as "ack " and the identity, a line that reader passes over.
//
// An urgent notice must reach someone: one shown but not answered before the program ended shows
// again after a restart while its span lasts. An ordinary one shows once.
#include <chrono>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "clock/notice_schedule.h"

namespace orvel::clock {

struct NoticeRecord {
  SeenNotices shown;
  SeenNotices acknowledged;
};

NoticeRecord ParseNoticeRecord(std::string_view text);
std::string FormatNoticeRecord(const NoticeRecord& record);

// Of `current` (DecideNotices' current), those to show now: an ordinary notice not shown before,
// an urgent one not answered and not yet opened in this run.
std::vector<Notice> NoticesToShow(std::span<const Notice> current, const NoticeRecord& record,
                                  const SeenNotices& openedThisRun);

// The notices for this PC whose span touches `date`, by their start: the 通知 window's list.
std::vector<Notice> NoticesOfDay(std::span<const Notice> notices, std::chrono::year_month_day date,
                                 const NoticeAddressee& pc);

}  // namespace orvel::clock
