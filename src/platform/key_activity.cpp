#include "platform/key_activity.h"

#include "platform/win32/system_numbers.h"

namespace orvel {

bool KeyPressedAndDown(const AsyncKeyStateReader& asyncKeyState) {
  constexpr std::uint16_t kDownAndPressed = win32::kKeyDown | win32::kKeyPressedSinceAsked;
  bool any = false;
  for (int key = win32::kVkFirstActivityKey; key <= win32::kVkLastActivityKey; ++key)
    if (static_cast<std::uint16_t>(asyncKeyState(key)) == kDownAndPressed) any = true;
  return any;
}

}  // namespace orvel
