#pragma once
// The program's working copy of the settings: what the windows act on between start-up and the
// next OK of the control panel. The program object owns one; there is no global instance.
#include <cstdint>
#include <string>

#include "timetable/settings.h"

namespace orvel {

struct WorkingValues {
  double left = 0;  // window position in twips
  double top = 0;
  std::string ScdFileName = "Schedule.csv";
  std::int16_t lock = 0;
  std::int16_t fold = 0;
  std::int16_t frame = 0;
  std::int16_t transparency = 0;
  std::int16_t layer = 0;   // 0 normal, 1 always on top, 2 always at the bottom
  std::int16_t scheme = 0;  // colour scheme 0, 1, 2 (colour_table.h)
  std::string fontName;     // empty: keep the grid's font
  double fontSize = 0;
  double textEffect = 0;
  double highlight = 0;  // not 0: the schedule clock runs
  std::int16_t idleShutdown = 0;
  float idleHours = 0;
  std::int16_t remindMode = 0;  // as stored; the clock reads it as clock::RemindMode
  double area = 0;              // calendar area: 0 "上海", 1 "其他"

  friend bool operator==(const WorkingValues&, const WorkingValues&) = default;
};

// Texts that are used as numbers count by their leading numeric value, empty text as 0.
WorkingValues WorkingValuesFromSettings(const SettingsRecord& settings);

}  // namespace orvel
