#pragma once
// Which school notices a PC shows, and the record of those it has shown (notices_seen.txt beside
// the program), as pure decisions on values: the shell reads the files, keeps the record on disk
// and opens the 通知 window.
//
// A notice shows from its 开始 up to, not including, its 结束 by the program's clock, once per PC:
// a notice already shown is not shown again after a restart, and one whose span passed while the
// PC was off is never shown late.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "timetable/notice_list.h"

namespace orvel::clock {

inline constexpr std::string_view kNoticesSeenFileName = "notices_seen.txt";
// The record keeps the newest identities; a notice older than these has long ended.
inline constexpr std::size_t kMaxSeenNotices = 500;

// Who this PC is to a notice's 对象: the /class value and the computer's name.
struct NoticeAddressee {
  std::string className;
  std::string computerName;
};

// Whether the notice is for this PC: it names nobody, or it names the class or the computer.
// Names compare without blanks around them and ignoring the case of Latin letters, as Windows
// spells computer names in capitals.
bool IsAddressedTo(const Notice& notice, const NoticeAddressee& pc);

// The identities of the notices shown on this PC, oldest first, at most kMaxSeenNotices.
class SeenNotices {
 public:
  bool Has(NoticeIdentity identity) const;
  // Once each; past the bound the oldest is forgotten.
  void Add(NoticeIdentity identity);
  const std::vector<NoticeIdentity>& identities() const { return identities_; }

 private:
  std::vector<NoticeIdentity> identities_;
};

// notices_seen.txt: one identity a line, 16 hexadecimal digits; other lines are ignored, so that
// a damaged record at worst shows a notice once more.
SeenNotices ParseSeenNotices(std::string_view text);
std::string FormatSeenNotices(const SeenNotices& seen);

struct NoticeDecision {
  // The notices for this PC whose span holds `now`, urgent ones first, then by their start; the
  // strip alternates them. A line in both files counts once.
  std::vector<Notice> current;
  // Those of `current` not shown before: to show now, and to add to the record.
  std::vector<Notice> due;
};

// `notices`: those of every file, the followed source's and the PC's own.
NoticeDecision DecideNotices(std::span<const Notice> notices, const LocalDateTime& now,
                             const NoticeAddressee& pc, const SeenNotices& seen);

}  // namespace orvel::clock
