#include "timetable/classroom_settings.h"

#include <array>
#include <charconv>
#include <utility>

#include "platform/text_codec.h"
#include "timetable/file_text.h"

namespace orvel {
namespace {

constexpr std::string_view kStripKey = "strip";
constexpr std::string_view kLeftKey = "stripleft";  // compared in lower case
constexpr std::string_view kTopKey = "striptop";
constexpr std::string_view kSpeechKey = "speech";
constexpr std::string_view kTimeKey = "time";
constexpr std::string_view kTimeServersKey = "timeservers";
constexpr std::string_view kBellOffsetKey = "belloffset";
constexpr std::string_view kAuto = "auto";
constexpr int kNtpPort = 123;
// The longest name DNS allows.
constexpr std::size_t kMaxHostLength = 253;

constexpr std::array<std::pair<StripMode, std::string_view>, 3> kStripModes{
    {{StripMode::Off, "off"},
     {StripMode::FullScreen, "fullscreen"},
     {StripMode::Always, "always"}}};
constexpr std::string_view kOn = "on";
constexpr std::string_view kOff = "off";

std::optional<StripMode> ParseStripMode(std::string_view value) {
  for (const auto& [mode, text] : kStripModes)
    if (value == text) return mode;
  return std::nullopt;
}

std::string_view StripModeText(StripMode mode) {
  for (const auto& [known, text] : kStripModes)
    if (mode == known) return text;
  return kStripModes[1].second;
}

std::optional<bool> ParseSwitch(std::string_view value) {
  if (value == kOn) return true;
  if (value == kOff) return false;
  return std::nullopt;
}

// Whole twips, a sign allowed, within the desktop's bound.
std::optional<int> ParsePlace(std::string_view value) {
  int number = 0;
  const char* first = value.data();
  const char* last = value.data() + value.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, number);
  if (value.empty() || error != std::errc() || end != last) return std::nullopt;
  if (number < -kMaxStripPlaceTwips || number > kMaxStripPlaceTwips) return std::nullopt;
  return number;
}

// Whole seconds, a sign allowed, within the bell's bound.
std::optional<int> ParseBellOffset(std::string_view value) {
  const std::optional<int> seconds = ParsePlace(value);
  if (!seconds || *seconds < -kMaxBellOffsetSeconds || *seconds > kMaxBellOffsetSeconds)
    return std::nullopt;
  return seconds;
}

// Letters, digits, dots and hyphens: a host name or an IPv4 address, nothing a resolver could
// take for something else.
bool IsHostName(std::string_view host) {
  if (host.empty() || host.size() > kMaxHostLength || host.front() == '.' || host.front() == '-')
    return false;
  for (const char c : host)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-')) return false;
  return true;
}

std::optional<TimeServerAddress> ParseTimeServer(std::string_view item) {
  TimeServerAddress address{std::string(item), kNtpPort};
  if (const std::size_t colon = item.find(':'); colon != std::string_view::npos) {
    const std::string_view port = item.substr(colon + 1);
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), address.port);
    if (port.empty() || port.front() == '+' || error != std::errc() ||
        end != port.data() + port.size() || address.port < 1 || address.port > 65535)
      return std::nullopt;
    address.host = std::string(item.substr(0, colon));
  }
  if (!IsHostName(address.host)) return std::nullopt;
  return address;
}

// Names that cannot be read are dropped; a list that leaves none, or that holds more names than
// any school needs (a pasted file, not a choice), is no list.
std::optional<std::vector<TimeServerAddress>> ParseTimeServers(std::string_view value) {
  std::vector<TimeServerAddress> servers;
  std::size_t items = 0;
  while (!value.empty()) {
    const std::size_t comma = value.find(',');
    const std::string_view item = TrimBlanks(value.substr(0, comma));
    value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
    if (item.empty()) continue;
    if (++items > kMaxTimeServers) return std::nullopt;
    if (std::optional<TimeServerAddress> server = ParseTimeServer(item))
      servers.push_back(std::move(*server));
  }
  if (servers.empty()) return std::nullopt;
  return servers;
}

std::string TimeServersText(const std::vector<TimeServerAddress>& servers) {
  std::string text;
  for (const TimeServerAddress& server : servers) {
    if (!text.empty()) text += ',';
    text += server.host;
    if (server.port != kNtpPort) text += ':' + std::to_string(server.port);
  }
  return text;
}

}  // namespace

std::vector<TimeServerAddress> DefaultTimeServers() {
  return {{"ntp.aliyun.com", kNtpPort}, {"ntp.tencent.com", kNtpPort}};
}

ClassroomSettings ParseClassroomSettings(std::string_view fileBytes) {
  const FileText text = DecideFileText(fileBytes);
  ClassroomSettings settings;
  std::optional<int> left, top;
  std::string_view rest = text.body;
  while (const std::optional<KeyValue> line = TakeKeyValue(rest)) {
    const std::string& key = line->key;
    const std::string value = AsciiLower(std::string(line->value));
    if (key == kStripKey) {
      if (const std::optional<StripMode> mode = ParseStripMode(value)) settings.strip = *mode;
    } else if (key == kSpeechKey) {
      if (const std::optional<bool> on = ParseSwitch(value)) settings.speech = *on;
    } else if (key == kTimeKey) {
      if (value == kAuto) settings.standardTime = true;
      if (value == kOff) settings.standardTime = false;
    } else if (key == kTimeServersKey) {
      if (auto servers = ParseTimeServers(value)) settings.timeServers = std::move(*servers);
    } else if (key == kBellOffsetKey) {
      if (const std::optional<int> seconds = ParseBellOffset(value))
        settings.bellOffsetSeconds = *seconds;
    } else if (key == kLeftKey) {
      left = ParsePlace(value);
    } else if (key == kTopKey) {
      top = ParsePlace(value);
    }
  }
  if (left && top) settings.stripPlace = StripPlace{*left, *top};
  return settings;
}

ClassroomSettings ReadClassroomSettings(const std::filesystem::path& programFolder) {
  const FileBytes read =
      ReadWholeFile(programFolder / PathFromUtf8(kClassroomFileName), kMaxClassroomFileBytes);
  if (read.status != FileStatus::Ok) return ClassroomSettings{};
  return ParseClassroomSettings(read.bytes);
}

std::string FormatClassroomSettings(const ClassroomSettings& settings) {
  std::string text = "strip=" + std::string(StripModeText(settings.strip)) + "\r\n";
  if (settings.stripPlace) {
    text += "stripLeft=" + std::to_string(settings.stripPlace->left) + "\r\n";
    text += "stripTop=" + std::to_string(settings.stripPlace->top) + "\r\n";
  }
  text += "speech=" + std::string(settings.speech ? kOn : kOff) + "\r\n";
  if (!settings.standardTime) text += "time=off\r\n";
  if (settings.timeServers != DefaultTimeServers())
    text += "timeServers=" + TimeServersText(settings.timeServers) + "\r\n";
  if (settings.bellOffsetSeconds != 0)
    text += "bellOffset=" + std::to_string(settings.bellOffsetSeconds) + "\r\n";
  return text;
}

FileStatus WriteClassroomSettings(const std::filesystem::path& programFolder,
                                  const ClassroomSettings& settings) {
  return ReplaceFileContents(programFolder / PathFromUtf8(kClassroomFileName),
                             FormatClassroomSettings(settings));
}

}  // namespace orvel
