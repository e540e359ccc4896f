// School notices on any bytes: refused whole, or notices that each hold a real span of whole
// minutes and a line of text, with every skipped line named once in order; each notice shows at
// its start on a PC it names and no longer at its end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "clock/notice_schedule.h"
#include "exchange/notice_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvel;
  using namespace orvel::exchange;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const NoticeFileRead read = ReadNoticeFile(bytes);
  fuzz::Check(read.notices.has_value() == (read.problem.kind == NoticeFileProblem::Kind::None));
  if (!read.notices) return 0;
  fuzz::Check(read.notices->size() + read.skipped.size() <= kMaxNoticeFileLines);
  int lastSkipped = 0;
  for (const SkippedNoticeLine& skipped : read.skipped) {
    fuzz::Check(skipped.line > lastSkipped && skipped.line <= int{kMaxNoticeFileLines});
    lastSkipped = skipped.line;
  }
  for (const Notice& notice : *read.notices) {
    fuzz::Check(notice.start.date.ok() && notice.end.date.ok() && notice.start < notice.end);
    for (const LocalDateTime& time : {notice.start, notice.end})
      fuzz::Check(time.secondOfDay >= 0 && time.secondOfDay < 86400 && time.secondOfDay % 60 == 0);
    fuzz::Check(!notice.text.empty() && notice.text.find_first_of("\r\n") == std::string::npos);
    for (const std::string& name : notice.audience) fuzz::Check(!name.empty());
    const clock::NoticeAddressee pc{notice.audience.empty() ? "" : notice.audience.front(), ""};
    const Notice one[] = {notice};
    fuzz::Check(clock::DecideNotices(one, notice.start, pc, {}).due.size() == 1);
    fuzz::Check(clock::DecideNotices(one, notice.end, pc, {}).current.empty());
  }
  return 0;
}
