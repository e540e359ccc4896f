#include "desktop/reminder_way.h"

#include <gtest/gtest.h>

namespace orvel::desktop {
namespace {

using State = ui::NotificationState;

struct WayCase {
  RemindMode mode;
  State state;
  ReminderWay way;
};

TEST(reminder_way_test, full_screen_states_turn_a_balloon_into_the_popup_and_direct3d_into_sound) {
  const ReminderWay tones{.tones = true}, popup{.popup = true}, balloon{.balloon = true};
  const ReminderWay tonesAndPopup{.tones = true, .popup = true}, none{};
  const WayCase cases[] = {
      {RemindMode::Popup, State::AcceptsNotifications, tonesAndPopup},
      {RemindMode::Popup, State::Busy, tonesAndPopup},
      {RemindMode::Popup, State::PresentationMode, tonesAndPopup},
      {RemindMode::Popup, State::Direct3DFullScreen, tones},
      {RemindMode::Balloon, State::AcceptsNotifications, balloon},
      {RemindMode::Balloon, State::Busy, popup},
      {RemindMode::Balloon, State::PresentationMode, popup},
      {RemindMode::Balloon, State::FullScreenApp, popup},
      {RemindMode::Balloon, State::Direct3DFullScreen, tones},
      {RemindMode::Balloon, State::QuietTime, balloon},
      {RemindMode::Balloon, State::NotPresent, balloon},
      {RemindMode::None, State::Busy, none},
      {RemindMode::None, State::Direct3DFullScreen, none},
      {static_cast<RemindMode>(7), State::Busy, none},
  };
  for (const WayCase& c : cases) {
    const ReminderWay way = WayToRemind(c.mode, c.state);
    EXPECT_EQ(way, c.way) << "mode " << static_cast<int>(c.mode) << ", state "
                          << static_cast<int>(c.state) << ": tones " << way.tones << " popup "
                          << way.popup << " balloon " << way.balloon;
  }
}

}  // namespace
}  // namespace orvel::desktop
