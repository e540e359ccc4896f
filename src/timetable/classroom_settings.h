#pragma once
// classroom.ini in the program folder: the class strip's mode and place, and whether reminders
// are spoken; kept apart from the edition's settings file, whose format is fixed. ASCII
// key=value lines ended by CR LF:
//   strip=fullscreen   off, fullscreen (shown while a full-screen window covers the schedule
//                      window's monitor) or always
//   stripLeft=7200     the strip's place on the desktop in twips, as the screen gives places
//   stripTop=300       (one scale for the whole desktop); both or neither
//   speech=off         on or off
// Keys in any case and in any order. Blank lines, lines beginning with "#" or ";", unknown keys
// and values that cannot be read are skipped, the default standing for them. The programs write
// it only when the user changes one of its settings.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_io.h"

namespace orvel {

inline constexpr std::string_view kClassroomFileName = "classroom.ini";
// A few dozen bytes; a larger file is not this one.
inline constexpr std::size_t kMaxClassroomFileBytes = 16u << 10;
// Places farther from the desktop's origin lie on no desktop (a hundred 8K monitors side by side
// stay within it).
inline constexpr int kMaxStripPlaceTwips = 100'000'000;

// The right-click menu's "课堂条": 关, 全屏时显示, 始终显示.
enum class StripMode { Off, FullScreen, Always };

struct StripPlace {
  int left = 0;  // twips of the desktop
  int top = 0;
  friend bool operator==(const StripPlace&, const StripPlace&) = default;
};

struct ClassroomSettings {
  StripMode strip = StripMode::FullScreen;
  // Nothing until the strip has been placed: it then takes a place of its own choosing.
  std::optional<StripPlace> stripPlace;
  bool speech = false;  // "语音提醒"

  friend bool operator==(const ClassroomSettings&, const ClassroomSettings&) = default;
};

// Never fails: what cannot be read keeps its default.
ClassroomSettings ParseClassroomSettings(std::string_view fileBytes);
// All defaults when there is no file or it cannot be read.
ClassroomSettings ReadClassroomSettings(const std::filesystem::path& programFolder);

std::string FormatClassroomSettings(const ClassroomSettings& settings);
// Written with the safe replacement of the other files.
FileStatus WriteClassroomSettings(const std::filesystem::path& programFolder,
                                  const ClassroomSettings& settings);

}  // namespace orvel
