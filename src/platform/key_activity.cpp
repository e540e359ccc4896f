#include "platform/key_activity.h"

#include "platform/system_numbers.h"

namespace orvel {

bool KeyPressedAndDown(const AsyncKeyStateReader& asyncKeyState) {
  constexpr std::uint16_t kDownAndPressed = sys::kKeyDown | sys::kKeyPressedSinceAsked;
  bool any = false;
  for (int key = sys::kVkFirstActivityKey; key <= sys::kVkLastActivityKey; ++key)
    if (static_cast<std::uint16_t>(asyncKeyState(key)) == kDownAndPressed) any = true;
  return any;
}

}  // namespace orvel
