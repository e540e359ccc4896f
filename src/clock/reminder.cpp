#include "clock/reminder.h"

#include "clock/period_search.h"

namespace orvel::clock {

ColourScheme SchemeColours(const ColourTable& table, SchemeChoice scheme) {
  ColourScheme colours{};
  for (int number = 1; number <= kColoursPerScheme; ++number)
    colours[static_cast<std::size_t>(number - 1)] = table.Get(scheme, number);
  return colours;
}

std::string_view ReminderSubject(const Reminder& reminder) {
  const std::string_view text = reminder.text;
  switch (reminder.kind) {
    case RemindMode::Popup:
      return text.starts_with(kReminderTitle) ? text.substr(kReminderTitle.size()) : text;
    case RemindMode::Balloon:
      return text;
    default:
      return {};
  }
}

void DecideReminder(std::string_view subject, std::int32_t nextStartSeconds,
                    std::int32_t nowSeconds, RemindMode remindMode, Reminder& reminder,
                    bool& removeTrayIcon) {
  if (subject.empty()) return;
  const double distance = ReminderDistance(nextStartSeconds, nowSeconds);
  if (InReminderWindow(distance)) {
    if (remindMode == RemindMode::Popup) {
      reminder.kind = RemindMode::Popup;
      reminder.text.reserve(kReminderTitle.size() + subject.size());
      reminder.text.append(kReminderTitle).append(subject);
    } else if (remindMode == RemindMode::Balloon) {
      reminder.kind = RemindMode::Balloon;
      reminder.text.assign(subject);
      reminder.title = kReminderTitle;
    }
  }
  removeTrayIcon = remindMode == RemindMode::Balloon && InTrayRemovalWindow(distance);
}

}  // namespace orvel::clock
