#include <array>
#include <cmath>
#include <optional>

#include "platform/file_io.h"
#include "timetable/field_reader.h"
#include "timetable/number_text.h"
#include "timetable/settings.h"

namespace orvel {
namespace {

// The fields are read in the groups the file was written in (two position fields, the file name,
// line 3, the colours, the font line, line 6). A group the file ends in the middle of is not
// read at all, so a grid-edition reader given a classic file takes line 6 as the font line and
// leaves its own line 6 at the defaults rather than half filled. Each field of a group that was
// read converts on its own: one that fails keeps its default and the others still count.
template <std::size_t N>
std::optional<std::array<std::string_view, N>> ReadGroup(FieldReader& fields) {
  std::array<std::string_view, N> group;
  for (std::string_view& field : group) {
    const std::optional<std::string_view> raw = fields.NextRaw();
    if (!raw) return std::nullopt;
    field = *raw;
  }
  return group;
}

void SetText(std::string& target, std::string_view raw, FileEncoding encoding) {
  target = DecodeField(raw, encoding);
}

// A check box: a stored 1 is ticked; any other number is not, as the box cannot show it.
void SetSwitch(bool& target, std::string_view raw) {
  if (const auto value = ToInt16(raw)) target = *value == 1;
}

// A list position, kept as stored even outside the list.
template <class Choice>
void SetChoice(Choice& target, std::string_view raw) {
  if (const auto value = ToInt16(raw)) target = static_cast<Choice>(*value);
}

// A text used as a number; one too large for single precision keeps the default.
void SetLeadingValue(float& target, std::string_view raw, FileEncoding encoding) {
  const double value = LeadingValue(DecodeField(raw, encoding));
  if (std::isfinite(static_cast<float>(value))) target = static_cast<float>(value);
}

void SetInt32(std::int32_t& target, std::string_view raw) {
  if (const auto value = ToInt32(raw)) target = *value;
}

void SetSingle(float& target, std::string_view raw) {
  if (const auto value = ToSingle(raw)) target = *value;
}

}  // namespace

std::string_view SettingsFileName(Edition edition) {
  return edition == Edition::Grid ? "Orvel2.ini" : "Schedule.ini";
}

SettingsRecord ParseSettings(std::string_view fileBytes, Edition edition) {
  SettingsRecord s;
  const FileText text = DecideFileText(fileBytes);
  const FileEncoding encoding = text.encoding;
  FieldReader fields(text.body, encoding);
  if (const auto position = ReadGroup<2>(fields)) {
    SetLeadingValue(s.Left, (*position)[0], encoding);
    SetLeadingValue(s.Top, (*position)[1], encoding);
  }
  if (const auto name = ReadGroup<1>(fields)) SetText(s.ScdFileName, (*name)[0], encoding);
  if (const auto line3 = ReadGroup<6>(fields)) {
    SetSwitch(s.ChkLock, (*line3)[0]);
    SetSwitch(s.ChkFold, (*line3)[1]);
    SetSwitch(s.ChkFrame, (*line3)[2]);
    SetSwitch(s.ChkAlpha, (*line3)[3]);
    SetChoice(s.CmbTopFloor, (*line3)[4]);
    SetChoice(s.CmbColSet, (*line3)[5]);
  }
  if (const auto colours = ReadGroup<8>(fields))
    for (std::size_t i = 0; i < colours->size(); ++i) SetInt32(s.CustomColours[i], (*colours)[i]);
  if (edition == Edition::Grid) {
    if (const auto fonts = ReadGroup<3>(fields)) {
      SetText(s.CmbFontName, (*fonts)[0], encoding);
      SetText(s.CmbFontSize, (*fonts)[1], encoding);
      SetText(s.CmbFun, (*fonts)[2], encoding);
    }
  }
  if (const auto line6 = ReadGroup<5>(fields)) {
    s.ChkTimerSchedule = LeadingValue(DecodeField((*line6)[0], encoding)) != 0;
    SetSwitch(s.Chknodo, (*line6)[1]);
    SetSingle(s.Comduration, (*line6)[2]);
    SetChoice(s.CmbRemind, (*line6)[3]);
    s.CmbArea = CalendarArea::FromStoredText(DecodeField((*line6)[4], encoding));
  }
  return s;
}

SettingsRecord ReadSettings(const std::filesystem::path& programFolder, Edition edition) {
  const FileBytes content =
      ReadWholeFile(programFolder / SettingsFileName(edition), kMaxSettingsFileBytes);
  if (content.status != FileStatus::Ok) return SettingsRecord{};
  return ParseSettings(content.bytes, edition);
}

}  // namespace orvel
