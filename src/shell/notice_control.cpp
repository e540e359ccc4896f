#include "shell/notice_control.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "platform/file_io.h"
#include "platform/ui/platform.h"
#include "shell/popup_reminder.h"

namespace orvel::shell {
namespace {

constexpr std::string_view kSpokenUrgentStart = "紧急通知：";

exchange::NoticeFileRead ReadNotices(const std::filesystem::path& path) {
  const FileBytes file = ReadWholeFile(path, exchange::kMaxNoticeFileBytes);
  if (file.status == FileStatus::TooLarge) {
    exchange::NoticeFileRead read;
    read.problem.kind = exchange::NoticeFileProblem::Kind::TooLarge;
    return read;
  }
  // A file that is missing or cannot be read now holds no notices.
  if (file.status != FileStatus::Ok) return {};
  return exchange::ReadNoticeFile(file.bytes);
}

std::int64_t MinuteOf(const LocalDateTime& now) {
  const std::int64_t seconds = WallSeconds(now);
  return seconds >= 0 ? seconds / 60 : (seconds - 59) / 60;
}

bool Holds(const std::vector<Notice>& notices, NoticeIdentity identity) {
  return std::any_of(notices.begin(), notices.end(),
                     [identity](const Notice& n) { return n.identity == identity; });
}

}  // namespace

NoticeControl::NoticeControl(program::ProgramState& state, program::ScheduleWindow& window,
                             ClassStripControl& strip, ShowOrdinary showOrdinary,
                             std::function<bool()> speechOn, std::function<bool()> quiet)
    : state_(state),
      window_(window),
      strip_(strip),
      showOrdinary_(std::move(showOrdinary)),
      speechOn_(std::move(speechOn)),
      quiet_(std::move(quiet)) {}

NoticeControl::~NoticeControl() = default;

void NoticeControl::Start() {
  const std::filesystem::path& folder = state_.programFolder;
  const FileBytes record = ReadWholeFile(folder / clock::kNoticesSeenFileName, 64 * 1024);
  if (record.status == FileStatus::Ok) record_ = clock::ParseNoticeRecord(record.bytes);
  school_ = ReadNotices(folder / program::kSchoolNoticeFileName);
  ReadOwnFile();
}

void NoticeControl::SetAddressee(clock::NoticeAddressee pc) {
  addressee_ = std::move(pc);
  changed_ = true;
}

void NoticeControl::SchoolNoticesChanged(const exchange::NoticeFileRead& read) {
  school_ = read;
  JoinNotices();
}

NoticeControl::FileStamp NoticeControl::StampOfOwnFile() const {
  const std::filesystem::path path = state_.programFolder / exchange::kNoticeFileName;
  std::error_code error;
  FileStamp stamp;
  stamp.size = std::filesystem::file_size(path, error);
  if (error) return {};
  stamp.modified = std::filesystem::last_write_time(path, error).time_since_epoch().count();
  stamp.exists = !error;
  return stamp;
}

void NoticeControl::ReadOwnFile() {
  ownStamp_ = StampOfOwnFile();
  own_ = ownStamp_.exists ? ReadNotices(state_.programFolder / exchange::kNoticeFileName)
                          : exchange::NoticeFileRead{};
  JoinNotices();
}

void NoticeControl::JoinNotices() {
  notices_.clear();
  for (const exchange::NoticeFileRead* read : {&school_, &own_})
    if (read->notices) notices_.insert(notices_.end(), read->notices->begin(), read->notices->end());
  changed_ = true;
}

void NoticeControl::Tick(const LocalDateTime& now) {
  if (ended_) return;
  now_ = now;
  // Notices start and end on the minute: between minutes nothing can change but the inputs.
  const std::int64_t minute = MinuteOf(now);
  if (minute != decidedMinute_) {
    if (decidedMinute_ != kNever && StampOfOwnFile() != ownStamp_) ReadOwnFile();
    decidedMinute_ = minute;
    changed_ = true;
  }
  if (!changed_) return;
  changed_ = false;
  Decide(now);
}

void NoticeControl::Decide(const LocalDateTime& now) {
  const clock::NoticeDecision decision =
      clock::DecideNotices(notices_, now, addressee_, record_.shown);
  bool recordChanged = false;
  std::vector<std::string> ordinary;
  for (const Notice& notice : decision.current)
    if (notice.level == NoticeLevel::Ordinary) ordinary.push_back(notice.text);

  // An urgent notice whose span has ended leaves the line, answered or not.
  const bool firstEnded = !urgent_.empty() && !Holds(decision.current, urgent_.front().identity);
  std::erase_if(urgent_,
                [&](const Notice& notice) { return !Holds(decision.current, notice.identity); });
  const bool wasEmpty = urgent_.empty();
  for (const Notice& notice : clock::NoticesToShow(decision.current, record_, openedThisRun_)) {
    if (!record_.shown.Has(notice.identity)) {
      record_.shown.Add(notice.identity);
      recordChanged = true;
    }
    if (notice.level == NoticeLevel::Urgent) {
      openedThisRun_.Add(notice.identity);
      urgent_.push_back(notice);
    } else if (showOrdinary_) {
      showOrdinary_(notice.text);
    }
  }
  if (firstEnded || (wasEmpty && !urgent_.empty())) ShowFirstUrgent();
  strip_.ShowNotices(std::move(ordinary));
  if (recordChanged) WriteRecord();
}

void NoticeControl::ShowFirstUrgent() {
  if (urgent_.empty()) {
    if (noticeWindow_) noticeWindow_->Hide();
    return;
  }
  if (!noticeWindow_) {
    noticeWindow_ =
        std::make_unique<desktop::NoticeWindow>(state_.platform, window_.form(), state_.front);
    noticeWindow_->onAcknowledge = [this] { Acknowledge(); };
  }
  const Notice& notice = urgent_.front();
  noticeWindow_->ShowNotice(notice.text);
  // The tone sounds into an exam too; the voice does not.
  SoundReminderTones(state_.platform);
  if (speechOn_ && speechOn_() && !(quiet_ && quiet_()))
    state_.platform.speech().Speak(std::string(kSpokenUrgentStart) + notice.text);
}

void NoticeControl::Acknowledge() {
  if (ended_ || urgent_.empty()) return;
  const Notice notice = urgent_.front();
  urgent_.erase(urgent_.begin());
  record_.acknowledged.Add(notice.identity);
  WriteRecord();
  ShowFirstUrgent();
  if (onAcknowledged) onAcknowledged(notice, now_);
}

void NoticeControl::WriteRecord() {
  // A record that cannot be written costs at most a notice shown once more after a restart.
  ReplaceFileContents(state_.programFolder / clock::kNoticesSeenFileName,
                      clock::FormatNoticeRecord(record_));
}

std::vector<NoticeControl::DayNotice> NoticeControl::TodaysNotices() const {
  std::vector<DayNotice> day;
  for (Notice& notice : clock::NoticesOfDay(notices_, state_.now.date, addressee_)) {
    program::NoticeProgress progress = program::NoticeProgress::NotShown;
    if (record_.acknowledged.Has(notice.identity))
      progress = program::NoticeProgress::Acknowledged;
    else if (record_.shown.Has(notice.identity))
      progress = program::NoticeProgress::Shown;
    day.push_back({std::move(notice), progress});
  }
  return day;
}

std::vector<std::string> NoticeControl::FileProblems() const {
  std::vector<std::string> texts = program::NoticeFileTexts(exchange::kNoticeFileName, own_);
  for (std::string& text : program::NoticeFileTexts(program::kSchoolNoticeFileName, school_))
    texts.push_back(std::move(text));
  return texts;
}

desktop::NoticeWindow* NoticeControl::noticeWindow() const {
  return noticeWindow_ && noticeWindow_->Visible() ? noticeWindow_.get() : nullptr;
}

void NoticeControl::End() {
  if (ended_) return;
  ended_ = true;
  // Unloaded, not destroyed: the end may come from inside its button's handler.
  if (noticeWindow_) noticeWindow_->Unload();
}

}  // namespace orvel::shell
