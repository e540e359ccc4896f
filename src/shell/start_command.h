#pragma once
// The work the command line asks for before the schedule window opens, or instead of it.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/services.h"
#include "shell/command_line.h"
#include "timetable/edition.h"

namespace orvel::shell {

// One line for whoever started the program, on its console.
using ReportLine = std::function<void(const std::string& line)>;

// Exit codes of a start from the command line.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;

struct StartOutcome {
  std::optional<int> exitCode;     // set: the program ends now with it and opens no window
  std::string startupScdFileName;  // /import: the file of "scd" the window starts with
};

// Refuse: the problem reported, failure. ExportCses: the settings file's timetable, read with the
// edition's reader, written as CSES (cells left out are reported), no window. Import: the file
// put into "scd" as a drop puts it but without asking, since replacing is what the command asks
// for; a refused file is reported and nothing is written, else the window opens with it; a PC
// that follows a source refuses it. Follow: a source that can be followed is written to
// follow.ini (a relative file path made whole) and fetched once with `http` (with the holiday
// files of `thisYear` and the next), no window; a failed fetch is reported and keeps follow.ini,
// so that the program goes on trying, and a teacher's own file that the fetch replaced is
// reported with the name it was kept as. `computerName` is what {computer} stands for.
// StopFollowing: follow.ini removed and the school's day list set aside as days.school.csv.bak
// (reported).
StartOutcome RunStartCommand(const StartCommand& command,
                             const std::filesystem::path& programFolder, Edition edition,
                             ui::Http& http, const ReportLine& report, int thisYear,
                             std::string_view computerName);

}  // namespace orvel::shell
