#pragma once
// The reminder both editions' clocks give three minutes before a period with a subject today,
// and the settings every clock tick reads.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "timetable/colour_table.h"
#include "timetable/setting_choices.h"

namespace orvel::clock {

// Title of the balloon, and the start of the popup's text.
inline constexpr std::string_view kReminderTitle = "下节课有课：";

// The two tones before the popup, in order.
struct BeepTone {
  int frequencyHz;
  int durationMs;
};
inline constexpr std::array<BeepTone, 2> kReminderTones{{{700, 350}, {550, 350}}};

struct ClockSettings {
  ColourScheme colours{};  // colour number n at index n − 1
  // A mode outside the list reminds in no way.
  RemindMode remindMode = RemindMode::None;
};

struct Reminder {
  RemindMode kind = RemindMode::None;
  std::string text;        // popup: "下节课有课：" and the subject; balloon: the subject
  std::string_view title;  // balloon: "下节课有课："; popup: empty
};

// The colours of scheme `scheme` of the table.
ColourScheme SchemeColours(const ColourTable& table, SchemeChoice scheme);

// Colour number `number` (1 to 8) of the settings' scheme.
inline Colour SchemeColour(const ClockSettings& settings, int number) {
  return settings.colours[static_cast<std::size_t>(number - 1)];
}

// The subject a reminder names: the balloon's text, or the popup's after its title; empty for
// none.
std::string_view ReminderSubject(const Reminder& reminder);

// For a next subject that is not empty, the popup or balloon 180 s before its start, and in
// balloon mode the icon's removal 163 s before it. Leaves `reminder` and `removeTrayIcon` alone
// otherwise.
void DecideReminder(std::string_view subject, std::int32_t nextStartSeconds,
                    std::int32_t nowSeconds, RemindMode remindMode, Reminder& reminder,
                    bool& removeTrayIcon);

}  // namespace orvel::clock
