#include "clock/notice_schedule.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "platform/text_codec.h"
#include "timetable/file_text.h"

namespace orvel::clock {
namespace {

constexpr std::size_t kIdentityDigits = 16;

std::string NameKey(std::string_view name) {
  return AsciiLower(std::string(TrimBlanks(name)));
}

std::optional<NoticeIdentity> IdentityOf(std::string_view line) {
  if (line.size() != kIdentityDigits) return std::nullopt;
  NoticeIdentity identity = 0;
  for (const char c : line) {
    int digit = 0;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return std::nullopt;
    identity = identity << 4 | static_cast<NoticeIdentity>(digit);
  }
  return identity;
}

}  // namespace

bool IsAddressedTo(const Notice& notice, const NoticeAddressee& pc) {
  if (notice.audience.empty()) return true;
  const std::string className = NameKey(pc.className);
  const std::string computerName = NameKey(pc.computerName);
  return std::any_of(notice.audience.begin(), notice.audience.end(), [&](const std::string& name) {
    const std::string key = NameKey(name);
    return !key.empty() && (key == className || key == computerName);
  });
}

bool SeenNotices::Has(NoticeIdentity identity) const {
  return std::find(identities_.begin(), identities_.end(), identity) != identities_.end();
}

void SeenNotices::Add(NoticeIdentity identity) {
  if (Has(identity)) return;
  identities_.push_back(identity);
  if (identities_.size() > kMaxSeenNotices)
    identities_.erase(
        identities_.begin(),
        identities_.begin() + static_cast<std::ptrdiff_t>(identities_.size() - kMaxSeenNotices));
}

SeenNotices ParseSeenNotices(std::string_view text) {
  SeenNotices seen;
  while (!text.empty())
    if (const std::optional<NoticeIdentity> identity = IdentityOf(TrimBlanks(TakeLine(text))))
      seen.Add(*identity);
  return seen;
}

std::string FormatSeenNotices(const SeenNotices& seen) {
  std::string text;
  for (const NoticeIdentity identity : seen.identities()) {
    char line[kIdentityDigits + 3];
    std::snprintf(line, sizeof line, "%016llx\r\n", static_cast<unsigned long long>(identity));
    text += line;
  }
  return text;
}

NoticeDecision DecideNotices(std::span<const Notice> notices, const LocalDateTime& now,
                             const NoticeAddressee& pc, const SeenNotices& seen) {
  NoticeDecision decision;
  for (const Notice& notice : notices) {
    if (!(notice.start <= now && now < notice.end) || !IsAddressedTo(notice, pc)) continue;
    const auto same = [&](const Notice& other) { return other.identity == notice.identity; };
    if (std::none_of(decision.current.begin(), decision.current.end(), same))
      decision.current.push_back(notice);
  }
  std::stable_sort(decision.current.begin(), decision.current.end(),
                   [](const Notice& a, const Notice& b) {
                     if (a.level != b.level) return a.level == NoticeLevel::Urgent;
                     return a.start < b.start;
                   });
  for (const Notice& notice : decision.current)
    if (!seen.Has(notice.identity)) decision.due.push_back(notice);
  return decision;
}

}  // namespace orvel::clock
