#include <string>

#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "timetable/field_writer.h"
#include "timetable/number_text.h"
#include "timetable/settings.h"

namespace orvel {
namespace {

class Line {
 public:
  Line& Text(std::string_view utf8) { return Raw(QuoteIfSplitting(Utf8ToAnsi(utf8))); }
  Line& Number(long long value) { return Raw(std::to_string(value)); }
  Line& Raw(std::string_view field) {
    if (!first_) text_ += ',';
    first_ = false;
    text_ += field;
    return *this;
  }
  void EndInto(std::string& out) const {
    out += text_;
    out += "\r\n";
  }

 private:
  std::string text_;
  bool first_ = true;
};

}  // namespace

std::string FormatSettings(const SettingsRecord& s, Edition edition) {
  std::string out;
  Line().Text(s.Left).Text(s.Top).EndInto(out);
  Line().Text(s.ScdFileName).EndInto(out);
  Line()
      .Number(s.ChkLock)
      .Number(s.ChkFold)
      .Number(s.ChkFrame)
      .Number(s.ChkAlpha)
      .Number(s.CmbTopFloor)
      .Number(s.CmbColSet)
      .EndInto(out);
  Line colours;
  for (const std::int32_t colour : s.CustomColours) colours.Number(colour);
  colours.EndInto(out);
  if (edition == Edition::Grid)
    Line().Text(s.CmbFontName).Text(s.CmbFontSize).Text(s.CmbFun).EndInto(out);
  Line()
      .Text(s.ChkTimerSchedule)
      .Number(s.Chknodo)
      .Raw(FormatSingle(s.Comduration))
      .Number(s.CmbRemind)
      .Text(s.CmbArea)
      .EndInto(out);
  return out;
}

bool WriteSettings(const std::filesystem::path& programFolder, Edition edition,
                   const SettingsRecord& settings) {
  return ReplaceFileContents(programFolder / SettingsFileName(edition),
                             FormatSettings(settings, edition)) == FileStatus::Ok;
}

}  // namespace orvel
