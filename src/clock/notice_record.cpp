#include "clock/notice_record.h"

#include <algorithm>
#include <cstdio>

#include "timetable/file_text.h"

namespace orvel::clock {
namespace {

constexpr std::string_view kAcknowledgedMark = "ack ";

}  // namespace

NoticeRecord ParseNoticeRecord(std::string_view text) {
  NoticeRecord record{ParseSeenNotices(text), {}};
  std::string answered;
  while (!text.empty()) {
    const std::string_view line = TrimBlanks(TakeLine(text));
    if (line.starts_with(kAcknowledgedMark)) {
      answered += line.substr(kAcknowledgedMark.size());
      answered += '\n';
    }
  }
  record.acknowledged = ParseSeenNotices(answered);
  return record;
}

std::string FormatNoticeRecord(const NoticeRecord& record) {
  std::string text = FormatSeenNotices(record.shown);
  for (const NoticeIdentity identity : record.acknowledged.identities()) {
    char line[32];
    std::snprintf(line, sizeof line, "%016llx\r\n", static_cast<unsigned long long>(identity));
    text += kAcknowledgedMark;
    text += line;
  }
  return text;
}

std::vector<Notice> NoticesToShow(std::span<const Notice> current, const NoticeRecord& record,
                                  const SeenNotices& openedThisRun) {
  std::vector<Notice> due;
  for (const Notice& notice : current) {
    const bool shown = notice.level == NoticeLevel::Urgent
                           ? record.acknowledged.Has(notice.identity) ||
                                 openedThisRun.Has(notice.identity)
                           : record.shown.Has(notice.identity);
    if (!shown) due.push_back(notice);
  }
  return due;
}

std::vector<Notice> NoticesOfDay(std::span<const Notice> notices, std::chrono::year_month_day date,
                                 const NoticeAddressee& pc) {
  const LocalDateTime dayStart{date, 0};
  const LocalDateTime nextDay{std::chrono::sys_days(date) + std::chrono::days(1), 0};
  std::vector<Notice> day;
  for (const Notice& notice : notices) {
    if (notice.end <= dayStart || !(notice.start < nextDay) || !IsAddressedTo(notice, pc)) continue;
    const auto same = [&](const Notice& other) { return other.identity == notice.identity; };
    if (std::none_of(day.begin(), day.end(), same)) day.push_back(notice);
  }
  std::stable_sort(day.begin(), day.end(),
                   [](const Notice& a, const Notice& b) { return a.start < b.start; });
  return day;
}

}  // namespace orvel::clock
