#pragma once
// The program's working copy of the settings: what the windows act on between start-up and the
// next OK of the control panel. The program object owns one; there is no global instance.
#include <string>

#include "timetable/colour_table.h"
#include "timetable/setting_choices.h"
#include "timetable/settings.h"

namespace orvel {

struct WorkingValues {
  double left = 0;  // window position in twips
  double top = 0;
  std::string ScdFileName = "Schedule.csv";
  bool lock = false;
  bool fold = false;
  bool frame = false;
  bool transparency = false;
  WindowLayer layer = WindowLayer::Normal;
  SchemeChoice scheme = SchemeChoice::First;
  std::string fontName;  // empty: keep the grid's font
  double fontSize = 0;
  double textEffect = 0;
  bool highlight = false;  // the schedule clock runs
  bool idleShutdown = false;
  float idleHours = 0;
  RemindMode remindMode = RemindMode::None;

  friend bool operator==(const WorkingValues&, const WorkingValues&) = default;
};

// The font boxes' texts count by their leading number, an empty text as 0.
WorkingValues WorkingValuesFromSettings(const SettingsRecord& settings);

}  // namespace orvel
