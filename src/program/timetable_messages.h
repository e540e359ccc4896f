#pragma once
// What the program says about a timetable file it read: why a read failed, and what a read that
// succeeded did not show. The shell and the panel say a read's problem in the same words.
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/ui/form.h"
#include "timetable/timetable_reader.h"

namespace orvel::program {

// Why a file the user named could not be read, without the file's name (the message around it
// names the file): one sentence; empty for FileStatus::Ok.
std::string FileReadProblem(FileStatus status);

// Why `fileName` cannot be a timetable file's name (program_folder.h).
std::string UnusableNameProblem(std::string_view fileName);

// One or two sentences; empty when the read succeeded. `fileName` is the name the read was given,
// for a name that cannot be used.
std::string TimetableReadProblem(const TimetableRead& read, std::string_view fileName);

// `message` (the start-up's or the load's read-failure text, as it stands) with a line that
// names the file and why it did not read.
std::string WithReadProblem(std::string_view message, std::string_view scdFileName,
                            const TimetableRead& read);

inline constexpr std::string_view kUnshownContentTitle = "读取课表";

// After a read that left something out of the table: how many rows and cells of the file the
// window does not show, and that the first save asks and keeps the old file.
void TellUnshownContent(ui::Form& owner, std::string_view scdFileName, const TimetableRead& read);

}  // namespace orvel::program
