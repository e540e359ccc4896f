#include "exchange/follow_settings.h"

#include <algorithm>

#include "platform/text_codec.h"
#include "timetable/file_text.h"
#include "timetable/number_text.h"

namespace orvel::exchange {
namespace {

constexpr std::size_t kMaxFollowFileBytes = 64u << 10;

int MinutesIn(const std::string& value, int fallback, int low, int high) {
  const std::optional<std::int32_t> minutes = ToInt32(value);
  return minutes ? std::clamp<int>(*minutes, low, high) : fallback;
}

}  // namespace

std::optional<FollowSettings> ParseFollowSettings(std::string_view fileBytes) {
  const FileText text = DecideFileText(fileBytes);
  FollowSettings settings;
  std::string_view rest = text.body;
  while (const std::optional<KeyValue> line = TakeKeyValue(rest)) {
    const std::string& key = line->key;
    const std::string value = DecodeField(line->value, text.encoding);
    if (key == "source") {
      settings.source = value;
    } else if (key == "class") {
      settings.className = value;
    } else if (key == "minutes") {
      settings.minutes =
          MinutesIn(value, kDefaultRefreshMinutes, kMinRefreshMinutes, kMaxRefreshMinutes);
    } else if (key == "notices-every") {
      settings.noticeMinutes =
          MinutesIn(value, kDefaultNoticeMinutes, kMinNoticeMinutes, kMaxNoticeMinutes);
    } else if (key == "notices-read") {
      settings.noticesRead = AsciiLower(value) == "on";
    }
  }
  if (settings.source.empty()) return std::nullopt;
  return settings;
}

std::optional<FollowSettings> ReadFollowSettings(const std::filesystem::path& programFolder) {
  const FileBytes read =
      ReadWholeFile(programFolder / PathFromUtf8(kFollowFileName), kMaxFollowFileBytes);
  if (read.status != FileStatus::Ok) return std::nullopt;
  return ParseFollowSettings(read.bytes);
}

std::optional<std::string> FormatFollowSettings(const FollowSettings& settings) {
  if (HasControlCharacter(settings.source) || HasControlCharacter(settings.className))
    return std::nullopt;
  const std::string text = "source=" + settings.source + "\r\nclass=" + settings.className +
                           "\r\nminutes=" + std::to_string(settings.minutes) +
                           "\r\nnotices-every=" + std::to_string(settings.noticeMinutes) +
                           "\r\nnotices-read=" + (settings.noticesRead ? "on" : "off") + "\r\n";
  const std::optional<std::string> ansi = Utf8ToAnsiExact(text);
  if (ansi && DecideFileText(*ansi).encoding == FileEncoding::Ansi) return *ansi;
  return std::string(kUtf8Mark) + text;
}

FileStatus WriteFollowSettings(const std::filesystem::path& programFolder,
                               const FollowSettings& settings) {
  const std::optional<std::string> bytes = FormatFollowSettings(settings);
  if (!bytes) return FileStatus::Failed;
  return ReplaceFileContents(programFolder / PathFromUtf8(kFollowFileName), *bytes);
}

FileStatus RemoveFollowSettings(const std::filesystem::path& programFolder) {
  std::error_code ec;
  std::filesystem::remove(programFolder / PathFromUtf8(kFollowFileName), ec);
  if (!ec) return FileStatus::Ok;
  return ec == std::errc::permission_denied ? FileStatus::AccessDenied : FileStatus::Failed;
}

}  // namespace orvel::exchange
