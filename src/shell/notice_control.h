#pragma once
// School notices as the shell runs them: the PC's own notices.csv (looked at once a minute, read
// again when its size or time changed) and the school's (notices.school.csv, then each fetched
// copy), decided against the program's clock once a minute or when they change. An ordinary
// notice comes as a balloon (a popup where the shell holds balloons back) and takes turns with the
// class strip's line while it lasts; an urgent one opens the notice window with the reminder's
// tone and, while 语音提醒 is on and no exam runs, the voice. What was shown and answered is kept
// in notices_seen.txt.
//
// Several urgent notices open one after the other: the next once 知道了 has answered the one
// before. A notice's window closes when its span ends, answered or not.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "clock/notice_record.h"
#include "desktop/notice_window.h"
#include "exchange/notice_file.h"
#include "program/notice_texts.h"
#include "program/program_state.h"
#include "program/schedule_window.h"
#include "shell/class_strip_control.h"

namespace orvel::shell {

class NoticeControl {
 public:
  // Shows an ordinary notice's text the way a passing notice is shown.
  using ShowOrdinary = std::function<void(const std::string& text)>;
  // `speechOn` says whether 语音提醒 is on, `quiet` whether an exam keeps the room quiet. All
  // references must outlive the control.
  NoticeControl(program::ProgramState& state, program::ScheduleWindow& window,
                ClassStripControl& strip, ShowOrdinary showOrdinary,
                std::function<bool()> speechOn, std::function<bool()> quiet);
  NoticeControl(const NoticeControl&) = delete;
  NoticeControl& operator=(const NoticeControl&) = delete;
  ~NoticeControl();

  // Reads both notice files and the record; the first tick decides.
  void Start();
  // Whom notices name: the /class value and the computer's name.
  void SetAddressee(clock::NoticeAddressee pc);
  // A fetched notices file, changed since the last.
  void SchoolNoticesChanged(const exchange::NoticeFileRead& read);
  // One second of the program's clock.
  void Tick(const LocalDateTime& now);
  // 知道了 on the window: recorded, and handed on (the read receipt).
  void Acknowledge();
  std::function<void(const Notice& notice, const LocalDateTime& pressedAt)> onAcknowledged;

  struct DayNotice {
    Notice notice;
    program::NoticeProgress progress;
  };
  // The 通知 window's list for the date of the last tick, and its status line's sentences.
  std::vector<DayNotice> TodaysNotices() const;
  std::vector<std::string> FileProblems() const;

  // The urgent notice's window while shown; nullptr otherwise.
  desktop::NoticeWindow* noticeWindow() const;
  void End();

 private:
  struct FileStamp {
    std::uintmax_t size = 0;
    std::int64_t modified = 0;
    bool exists = false;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
  };
  FileStamp StampOfOwnFile() const;
  void ReadOwnFile();
  void JoinNotices();
  void Decide(const LocalDateTime& now);
  // The urgent notice first in line in the window, with its tone and voice; or the window hidden.
  void ShowFirstUrgent();
  void WriteRecord();

  program::ProgramState& state_;
  program::ScheduleWindow& window_;
  ClassStripControl& strip_;
  ShowOrdinary showOrdinary_;
  std::function<bool()> speechOn_;
  std::function<bool()> quiet_;
  clock::NoticeAddressee addressee_;
  exchange::NoticeFileRead own_, school_;
  std::vector<Notice> notices_;  // both files'
  FileStamp ownStamp_;
  clock::NoticeRecord record_;
  clock::SeenNotices openedThisRun_;
  // Urgent notices opened and not answered; the first is in the window.
  std::vector<Notice> urgent_;
  std::unique_ptr<desktop::NoticeWindow> noticeWindow_;
  LocalDateTime now_{};
  static constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::min();
  std::int64_t decidedMinute_ = kNever;
  bool changed_ = true;  // inputs changed since the last decision
  bool ended_ = false;
};

}  // namespace orvel::shell
