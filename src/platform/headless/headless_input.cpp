#include "platform/headless/headless_input.h"

#include "platform/key_activity.h"

namespace orvel::headless {

std::int16_t HeadlessInput::AsyncKeyState(int virtualKey) {
  KeyState& key = keys_[virtualKey];
  std::uint16_t state = key.down ? 0x8000u : 0u;
  if (key.pressedSinceAsked) state |= 0x0001u;
  key.pressedSinceAsked = false;
  return static_cast<std::int16_t>(state);
}

bool HeadlessInput::KeyPressedAndDown() {
  return orvel::KeyPressedAndDown([this](int key) { return AsyncKeyState(key); });
}

void HeadlessInput::SetKeyDown(int virtualKey, bool down) {
  KeyState& key = keys_[virtualKey];
  if (down && !key.down) key.pressedSinceAsked = true;
  key.down = down;
}

void HeadlessInput::TapKey(int virtualKey) {
  keys_[virtualKey].pressedSinceAsked = true;
}

}  // namespace orvel::headless
