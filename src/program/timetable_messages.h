#pragma once
// What both editions' windows say about a timetable file they read: why a read failed, and what
// a read that succeeded did not show.
#include <string>
#include <string_view>

#include "platform/ui/form.h"
#include "timetable/timetable_reader.h"

namespace orvel::program {

// `message` (the start-up's or the load's read-failure text, as it stands) with a line that
// names the file and why it did not read.
std::string WithReadProblem(std::string_view message, std::string_view scdFileName,
                            const TimetableRead& read);

inline constexpr std::string_view kUnshownContentTitle = "读取课表";

// After a read that left something out of the table: how many rows and cells of the file the
// window does not show, and that the first save asks and keeps the old file.
void TellUnshownContent(ui::Form& owner, std::string_view scdFileName, const TimetableRead& read);

}  // namespace orvel::program
