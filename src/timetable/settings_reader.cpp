#include <optional>

#include "platform/file_io.h"
#include "timetable/field_reader.h"
#include "timetable/number_text.h"
#include "timetable/settings.h"

namespace orvel {
namespace {

// Each read step on its own: a missing field or a failed conversion leaves the target alone.
class SettingsFields {
 public:
  explicit SettingsFields(std::string_view bytes) : fields_(bytes) {}

  void Text(std::string& target) {
    if (std::optional<std::string> text = fields_.Next()) target = std::move(*text);
  }
  void Int16(std::int16_t& target) {
    if (const auto raw = fields_.NextRaw())
      if (const auto value = ToInt16(*raw)) target = *value;
  }
  void Int32(std::int32_t& target) {
    if (const auto raw = fields_.NextRaw())
      if (const auto value = ToInt32(*raw)) target = *value;
  }
  void Single(float& target) {
    if (const auto raw = fields_.NextRaw())
      if (const auto value = ToSingle(*raw)) target = *value;
  }

 private:
  FieldReader fields_;
};

}  // namespace

std::string_view SettingsFileName(Edition edition) {
  return edition == Edition::Grid ? "Orvel2.ini" : "Schedule.ini";
}

SettingsRecord ParseSettings(std::string_view ansiBytes, Edition edition) {
  SettingsRecord s;
  SettingsFields in(ansiBytes);
  in.Text(s.Left);
  in.Text(s.Top);
  in.Text(s.ScdFileName);
  in.Int16(s.ChkLock);
  in.Int16(s.ChkFold);
  in.Int16(s.ChkFrame);
  in.Int16(s.ChkAlpha);
  in.Int16(s.CmbTopFloor);
  in.Int16(s.CmbColSet);
  for (std::int32_t& colour : s.CustomColours) in.Int32(colour);
  if (edition == Edition::Grid) {
    in.Text(s.CmbFontName);
    in.Text(s.CmbFontSize);
    in.Text(s.CmbFun);
  }
  in.Text(s.ChkTimerSchedule);
  in.Int16(s.Chknodo);
  in.Single(s.Comduration);
  in.Int16(s.CmbRemind);
  in.Text(s.CmbArea);
  return s;
}

SettingsRecord ReadSettings(const std::filesystem::path& programFolder, Edition edition) {
  const FileBytes content =
      ReadWholeFile(programFolder / SettingsFileName(edition), kMaxSettingsFileBytes);
  if (content.status != FileStatus::Ok) return SettingsRecord{};
  return ParseSettings(content.bytes, edition);
}

}  // namespace orvel
