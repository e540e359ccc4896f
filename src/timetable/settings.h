#pragma once
// The settings file: every user setting, one field per control of the control panel, plus the
// window position, the timetable file name and the custom colours. The fields are named after
// the controls they come from and typed by what they mean; the reader and the writer convert
// them from and to the stored numbers and texts.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "timetable/colour_table.h"
#include "timetable/edition.h"
#include "timetable/field_writer.h"
#include "timetable/setting_choices.h"

namespace orvel {

struct SettingsRecord {
  // Line 1: the window's edges in twips, stored as texts of single-precision numbers.
  float Left = 0;
  float Top = 0;
  // Line 2: the timetable file inside "scd".
  std::string ScdFileName = "Schedule.csv";
  // Line 3: check boxes (a stored 1 is on, anything else off) and list positions.
  bool ChkLock = false;
  bool ChkFold = false;
  bool ChkFrame = false;
  bool ChkAlpha = false;  // transparency
  WindowLayer CmbTopFloor = WindowLayer::Normal;
  SchemeChoice CmbColSet = SchemeChoice::First;
  // Line 4: the custom colour scheme, colour numbers 1 to 8, 0x00BBGGRR.
  std::array<std::int32_t, 8> CustomColours{};
  // Line 5, grid edition only: the font boxes' texts as they stand.
  std::string CmbFontName;
  std::string CmbFontSize;
  std::string CmbFun;  // text effect
  // Line 6.
  bool ChkTimerSchedule = false;  // highlighting: a stored number other than 0 is on
  bool Chknodo = false;           // idle shutdown
  float Comduration = 0;          // idle hours
  RemindMode CmbRemind = RemindMode::None;
  CalendarArea CmbArea;

  friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};

// Settings files are a few hundred bytes; a larger file is not read past this.
inline constexpr std::size_t kMaxSettingsFileBytes = 64u << 10;

// "Orvel2.ini" or "Schedule.ini".
std::string_view SettingsFileName(Edition edition);

// Reads the fields in file order as a stream of fields, in the groups they are written in. A group
// the input ends in keeps its defaults; a field that cannot be converted keeps its default while
// the fields after it are still read. Texts used as numbers count by their leading number (an
// empty or non-numeric text as 0). The bytes are in the ANSI code page, or UTF-8 when the
// whole file is (file_text.h). Never fails.
SettingsRecord ParseSettings(std::string_view fileBytes, Edition edition);

// The edition's settings file in programFolder; all defaults when it cannot be read.
SettingsRecord ReadSettings(const std::filesystem::path& programFolder, Edition edition);

// The text fields of the record, to say which one cannot be written.
enum class SettingsText { ScdFileName, FontName, FontSize, TextEffect };

struct UnwritableSetting {
  SettingsText field = SettingsText::ScdFileName;
  FieldRefusal refusal;

  friend bool operator==(const UnwritableSetting&, const UnwritableSetting&) = default;
};

// The file's bytes: six lines in the grid edition, five in the classic one (no font line), each
// ended by CR LF, in the ANSI code page, texts as they stand, switches as 0 or 1. Nothing when a text field would read
// back differently (field_writer.h); FindUnwritableSetting names it.
std::optional<std::string> FormatSettings(const SettingsRecord& settings, Edition edition);
std::optional<UnwritableSetting> FindUnwritableSetting(const SettingsRecord& settings,
                                                       Edition edition);

struct SettingsSaveResult {
  bool saved = false;
  std::optional<UnwritableSetting> refused;  // the field that stopped the save
};

// Replaces the edition's settings file in programFolder. When a field cannot be written or the
// file cannot be replaced, nothing is written and the old file is left as it was.
SettingsSaveResult WriteSettings(const std::filesystem::path& programFolder, Edition edition,
                                 const SettingsRecord& settings);

}  // namespace orvel
