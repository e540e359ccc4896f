#pragma once
// The reminder both editions' clocks give three minutes before a period with a subject today,
// and the settings every clock tick reads.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "timetable/colour_table.h"

namespace orvel::clock {

// Title of the balloon, and the start of the popup's text.
inline constexpr std::string_view kReminderTitle = "下节课有课：";

// The two tones before the popup, in order.
struct BeepTone {
  int frequencyHz;
  int durationMs;
};
inline constexpr std::array<BeepTone, 2> kReminderTones{{{700, 350}, {550, 350}}};

// How the user is reminded. The numbers are those the settings file stores and the positions of
// the panel's list ("无上课提醒", "弹出框提醒", "气泡提醒").
enum class RemindMode : std::int16_t { None = 0, Popup = 1, Balloon = 2 };

// A stored mode; one the program does not know reminds in no way.
RemindMode RemindModeFromStored(std::int16_t stored);

struct ClockSettings {
  ColourScheme colours{};  // colour number n at index n − 1
  RemindMode remindMode = RemindMode::None;
  double area = 0;  // calendar area: 0 "上海", else "其他"
};

enum class ReminderKind { None, Popup, Balloon };

struct Reminder {
  ReminderKind kind = ReminderKind::None;
  std::string text;        // popup: "下节课有课：" and the subject; balloon: the subject
  std::string_view title;  // balloon: "下节课有课："; popup: empty
};

// The colours of scheme `scheme` of the table.
ColourScheme SchemeColours(const ColourTable& table, int scheme);

// Colour number `number` (1 to 8) of the settings' scheme.
inline Colour SchemeColour(const ClockSettings& settings, int number) {
  return settings.colours[static_cast<std::size_t>(number - 1)];
}

// For a next subject that is not empty, the popup or balloon 180 s before its start, and in
// balloon mode the icon's removal 163 s before it. Leaves `reminder` and `removeTrayIcon` alone
// otherwise.
void DecideReminder(std::string_view subject, std::int32_t nextStartSeconds,
                    std::int32_t nowSeconds, RemindMode remindMode, Reminder& reminder,
                    bool& removeTrayIcon);

}  // namespace orvel::clock
