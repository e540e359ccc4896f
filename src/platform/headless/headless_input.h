#pragma once
// The pointer position and the keyboard, as a test sets them.
#include <cstdint>
#include <map>

#include "platform/ui/services.h"

namespace orvel::headless {

class HeadlessInput : public ui::Input {
 public:
  ui::Point CursorPos() const override { return cursor_; }
  bool KeyPressedAndDown() override;
  ui::DoubleClickRule DoubleClick() const override { return doubleClick_; }
  void SetDoubleClick(ui::DoubleClickRule rule) { doubleClick_ = rule; }
  // As the system reads one key: 0x8000 while it is down, plus 0x0001 once after each press.
  std::int16_t AsyncKeyState(int virtualKey);

  void SetCursorPos(ui::Point p) { cursor_ = p; }
  // Holds a key down (a press) or releases it.
  void SetKeyDown(int virtualKey, bool down);
  // A key pressed and released since the program last asked.
  void TapKey(int virtualKey);

 private:
  struct KeyState {
    bool down = false;
    bool pressedSinceAsked = false;
  };
  ui::Point cursor_{};
  ui::DoubleClickRule doubleClick_;
  std::map<int, KeyState> keys_;
};

}  // namespace orvel::headless
