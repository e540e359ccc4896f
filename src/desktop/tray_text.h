#pragma once
// Texts of the notification-area record: stored in fixed fields of the ANSI code page together
// with their terminating zero, so a longer text is cut to the field.
#include <cstddef>
#include <string>
#include <string_view>

namespace orvel::desktop {

// Field sizes in bytes, terminating zero included.
inline constexpr std::size_t kTipBytes = 128;
inline constexpr std::size_t kBalloonTextBytes = 256;
inline constexpr std::size_t kBalloonTitleBytes = 64;

// The longest start of `ansi` that fits in maxBytes without cutting a double-byte character
// (in GBK a byte from 0x81 to 0xFE begins a two-byte character).
std::string CutAnsi(std::string_view ansi, std::size_t maxBytes);

// A UTF-8 text in the ANSI code page, cut so that it and its terminating zero fit fieldBytes.
std::string AnsiField(std::string_view utf8, std::size_t fieldBytes);

}  // namespace orvel::desktop
