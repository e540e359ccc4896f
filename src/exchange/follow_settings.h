#pragma once
// follow.ini in the program folder: the timetable this PC follows, as school IT staff set it with
// "/follow" or copy the file. Key=value lines in the ANSI code page like the other files (UTF-8
// read as such), any order, keys in any case; lines that begin with "#" or ";" and unknown keys
// are skipped:
//   source=https://edu.example.internal/tt/{class}.yaml
//   class=初二(3)班
//   minutes=30
//   notices-every=2
//   notices-read=off
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_io.h"

namespace orvel::exchange {

inline constexpr std::string_view kFollowFileName = "follow.ini";

// How often a followed source is fetched again, in minutes.
inline constexpr int kDefaultRefreshMinutes = 30;
inline constexpr int kMinRefreshMinutes = 5;
inline constexpr int kMaxRefreshMinutes = 1440;

// How often the source's notices.csv is asked for, in minutes.
inline constexpr int kDefaultNoticeMinutes = 2;
inline constexpr int kMinNoticeMinutes = 1;
inline constexpr int kMaxNoticeMinutes = 60;

struct FollowSettings {
  std::string source;     // as written, {class} not yet replaced
  std::string className;  // what {class} in the source stands for
  int minutes = kDefaultRefreshMinutes;
  int noticeMinutes = kDefaultNoticeMinutes;
  // A notice's 知道了 is written back to the source (a file source only): notices.read\<PC>.csv.
  bool noticesRead = false;

  friend bool operator==(const FollowSettings&, const FollowSettings&) = default;
};

// The file's settings; nothing when there is no file or it names no source. Minutes that are not
// a number read as the default; numbers outside 5 to 1440 (notices: 1 to 60) as the nearer bound.
// notices-read is on only when it says "on".
std::optional<FollowSettings> ParseFollowSettings(std::string_view fileBytes);
std::optional<FollowSettings> ReadFollowSettings(const std::filesystem::path& programFolder);

// The file's bytes: in the ANSI code page when every text has an exact form there that reads
// back the same, else UTF-8 with a byte-order mark, which reads back the same. Nothing when a
// value holds a line break or another control character, which would read back as more lines.
std::optional<std::string> FormatFollowSettings(const FollowSettings& settings);

// Written with the safe replacement of the other files; Failed when it cannot be formatted.
FileStatus WriteFollowSettings(const std::filesystem::path& programFolder,
                               const FollowSettings& settings);

// Stops following: the file removed. Ok also when there was none.
FileStatus RemoveFollowSettings(const std::filesystem::path& programFolder);

}  // namespace orvel::exchange
