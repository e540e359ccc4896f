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

}  // namespace

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
  return text;
}

FileStatus WriteClassroomSettings(const std::filesystem::path& programFolder,
                                  const ClassroomSettings& settings) {
  return ReplaceFileContents(programFolder / PathFromUtf8(kClassroomFileName),
                             FormatClassroomSettings(settings));
}

}  // namespace orvel
