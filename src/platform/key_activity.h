#pragma once
// The keyboard and mouse buttons as the idle check reads them, the same on every backend.
#include <cstdint>
#include <functional>

namespace orvel {

// GetAsyncKeyState's reading of one virtual key.
using AsyncKeyStateReader = std::function<std::int16_t(int virtualKey)>;

// True when a key or mouse button, from the left button to Scroll Lock, was pressed since it was
// last read and is still down. Every one of them is read once, in order, with no early exit:
// each reading clears that key's "pressed" state.
bool KeyPressedAndDown(const AsyncKeyStateReader& asyncKeyState);

}  // namespace orvel
