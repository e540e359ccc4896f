#include <optional>
#include <string>
#include <utility>

#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "timetable/file_text.h"
#include "timetable/number_text.h"
#include "timetable/settings.h"

namespace orvel {
namespace {

// The file, line by line; the first text that cannot be written stops it.
class SettingsBytes {
 public:
  SettingsBytes& Text(SettingsText field, std::string_view utf8) {
    if (refused_) return *this;
    EncodedField encoded = EncodeField(utf8);
    if (encoded.refusal) {
      refused_ = UnwritableSetting{field, std::move(*encoded.refusal)};
      return *this;
    }
    if (!firstNonAscii_ && !IsAscii(utf8)) firstNonAscii_.emplace(field, std::string(utf8));
    return Raw(encoded.ansi);
  }
  SettingsBytes& Number(long long value) { return Raw(std::to_string(value)); }
  SettingsBytes& Switch(bool on) { return Number(on ? 1 : 0); }
  template <class Choice>
  SettingsBytes& ListPosition(Choice choice) {
    return Number(static_cast<std::int16_t>(choice));
  }
  SettingsBytes& Raw(std::string_view field) {
    if (!lineStart_) bytes_ += ',';
    lineStart_ = false;
    bytes_ += field;
    return *this;
  }
  SettingsBytes& EndLine() {
    bytes_ += "\r\n";
    lineStart_ = true;
    return *this;
  }

  // The bytes, or the field that stops them.
  std::optional<UnwritableSetting> Finish() {
    if (!refused_ && firstNonAscii_) {
      if (std::optional<FieldRefusal> refusal =
              RefuseIfTakenForUtf8(bytes_, firstNonAscii_->second))
        refused_ = UnwritableSetting{firstNonAscii_->first, std::move(*refusal)};
    }
    return refused_;
  }
  std::string& bytes() { return bytes_; }

 private:
  std::string bytes_;
  bool lineStart_ = true;
  std::optional<UnwritableSetting> refused_;
  std::optional<std::pair<SettingsText, std::string>> firstNonAscii_;
};

SettingsBytes Encode(const SettingsRecord& s, Edition edition) {
  SettingsBytes out;
  out.Raw(FormatSingle(s.Left))
      .Raw(FormatSingle(s.Top))
      .EndLine();
  out.Text(SettingsText::ScdFileName, s.ScdFileName).EndLine();
  out.Switch(s.ChkLock)
      .Switch(s.ChkFold)
      .Switch(s.ChkFrame)
      .Switch(s.ChkAlpha)
      .ListPosition(s.CmbTopFloor)
      .ListPosition(s.CmbColSet)
      .EndLine();
  for (const std::int32_t colour : s.CustomColours) out.Number(colour);
  out.EndLine();
  if (edition == Edition::Grid)
    out.Text(SettingsText::FontName, s.CmbFontName)
        .Text(SettingsText::FontSize, s.CmbFontSize)
        .Text(SettingsText::TextEffect, s.CmbFun)
        .EndLine();
  out.Switch(s.ChkTimerSchedule)
      .Switch(s.Chknodo)
      .Raw(FormatSingle(s.Comduration))
      .ListPosition(s.CmbRemind)
      .Raw(s.CmbArea.StoredText())
      .EndLine();
  return out;
}

}  // namespace

std::optional<std::string> FormatSettings(const SettingsRecord& settings, Edition edition) {
  SettingsBytes encoded = Encode(settings, edition);
  if (encoded.Finish()) return std::nullopt;
  return std::move(encoded.bytes());
}

std::optional<UnwritableSetting> FindUnwritableSetting(const SettingsRecord& settings,
                                                       Edition edition) {
  return Encode(settings, edition).Finish();
}

SettingsSaveResult WriteSettings(const std::filesystem::path& programFolder, Edition edition,
                                 const SettingsRecord& settings) {
  SettingsSaveResult result;
  SettingsBytes encoded = Encode(settings, edition);
  result.refused = encoded.Finish();
  if (result.refused) return result;
  result.saved = ReplaceFileContents(programFolder / SettingsFileName(edition), encoded.bytes()) ==
                 FileStatus::Ok;
  return result;
}

}  // namespace orvel
