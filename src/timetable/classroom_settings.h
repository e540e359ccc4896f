#pragma once
// classroom.ini in the program folder: the class strip's mode and place, whether reminders are
// spoken, and where standard time comes from; kept apart from the edition's settings file, whose
// format is fixed. ASCII key=value lines ended by CR LF:
//   strip=fullscreen   off, fullscreen (shown while a full-screen window covers the schedule
//                      window's monitor) or always
//   stripLeft=7200     the strip's place on the desktop in twips, as the screen gives places
//   stripTop=300       (one scale for the whole desktop); both or neither
//   speech=off         on or off
//   time=auto          auto (the followed source's server, then the time servers) or off (the
//                      PC's clock as it is)
//   timeServers=ntp.aliyun.com,ntp.tencent.com
//                      up to 8 names or IPv4 addresses, each with an optional ":port"
//   bellOffset=0       seconds the bell's clock is ahead of standard time (negative: behind),
//                      ±1800
// The last three are written only when they differ from their defaults, so that a file written
// before they existed is written again byte for byte.
// Keys in any case and in any order. Blank lines, lines beginning with "#" or ";", unknown keys
// and values that cannot be read are skipped, the default standing for them. The programs write
// it only when the user changes one of its settings.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"

namespace orvel {

inline constexpr std::string_view kClassroomFileName = "classroom.ini";
// A few dozen bytes; a larger file is not this one. Room enough for a hand-written list of a
// thousand long server names, refused alone while the rest of the file still applies.
inline constexpr std::size_t kMaxClassroomFileBytes = 256u << 10;
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

// A time server: a host name or IPv4 address and its UDP port.
struct TimeServerAddress {
  std::string host;
  int port = 123;
  friend bool operator==(const TimeServerAddress&, const TimeServerAddress&) = default;
};

inline constexpr std::size_t kMaxTimeServers = 8;
inline constexpr int kMaxBellOffsetSeconds = 1800;

// ntp.aliyun.com and ntp.tencent.com: reachable from schools in China.
std::vector<TimeServerAddress> DefaultTimeServers();

struct ClassroomSettings {
  StripMode strip = StripMode::FullScreen;
  // Nothing until the strip has been placed: it then takes a place of its own choosing.
  std::optional<StripPlace> stripPlace;
  bool speech = false;  // "语音提醒"
  bool standardTime = true;  // time=auto: the clock is set from the servers
  std::vector<TimeServerAddress> timeServers = DefaultTimeServers();
  int bellOffsetSeconds = 0;

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
