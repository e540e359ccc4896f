#pragma once
// The programs' command line, for the people who set up many PCs at once:
//   /import FILE       FILE (CSES or CSV) is imported into "scd" and the program starts with it
//   /export-cses FILE  the current timetable is written to FILE as CSES; no window opens
//   /follow SOURCE [/class NAME] [/every MINUTES] [/notices-every MINUTES]
//                      the PC follows the timetable the school publishes at SOURCE (follow.ini);
//                      fetched once now, no window opens
//   /follow off        the PC stops following
//   /install-settings NAME=VALUE...
//                      what an installation hands the program (follow, class, every, strip,
//                      speech, timeServers), written into the data folder; an empty VALUE is a
//                      setting not given. No window opens
// Switches are read in any case and may start with "-" instead of "/". Anything else (an unknown
// switch, a switch without its file, a second file) is refused, so that a mistyped set-up
// script fails loudly instead of starting a program nobody asked for.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exchange/follow_settings.h"

namespace orvel::shell {

enum class StartAction {
  Start,          // no arguments: the program as usual
  Import,         // /import FILE
  ExportCses,     // /export-cses FILE
  Follow,         // /follow SOURCE [/class NAME] [/every MINUTES] [/notices-every MINUTES]
  StopFollowing,  // /follow off
  InstallSettings,  // /install-settings NAME=VALUE...
  Refuse,         // arguments the program does not understand
};

struct StartCommand {
  StartAction action = StartAction::Start;
  std::string file;       // Import and ExportCses: the file as given; Follow: the source
  std::string problem;    // Refuse: one line in Chinese with the usage
  std::string className;  // Follow: /class
  int minutes = exchange::kDefaultRefreshMinutes;  // Follow: /every
  int noticeMinutes = exchange::kDefaultNoticeMinutes;  // Follow: /notices-every
  // InstallSettings: the names (in lower case) and values given, in their order.
  std::vector<std::pair<std::string, std::string>> settings;

  friend bool operator==(const StartCommand&, const StartCommand&) = default;
};

// `args`: the arguments after the program's own, UTF-8, as the system split them (quotes
// removed). `programName` ("Orvel2.exe") goes into the usage line.
StartCommand ParseCommandLine(std::string_view programName, const std::vector<std::string>& args);

}  // namespace orvel::shell
