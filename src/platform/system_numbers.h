#pragma once
// Numbers Windows defines, for platform code that speaks them without <windows.h>: the in-memory
// backend, which mirrors the system, and the key scan both backends share. The Win32 backend
// checks each against the system's headers (win32/system_numbers_check.cpp).
#include <cstdint>

namespace orvel::sys {

inline constexpr unsigned kWmMouseMove = 0x0200;
inline constexpr unsigned kWmLButtonUp = 0x0202;
inline constexpr unsigned kWmUser = 0x0400;
// The program's own message from its notification-area icon.
inline constexpr unsigned kTrayCallbackMessage = kWmUser + 1001;

// Virtual keys from the left mouse button to Scroll Lock: the keys the idle check reads.
inline constexpr int kVkFirstActivityKey = 0x01;  // VK_LBUTTON
inline constexpr int kVkLastActivityKey = 0x91;   // VK_SCROLL
// GetAsyncKeyState: down now, and pressed since the previous query.
inline constexpr std::uint16_t kKeyDown = 0x8000;
inline constexpr std::uint16_t kKeyPressedSinceAsked = 0x0001;

}  // namespace orvel::sys
