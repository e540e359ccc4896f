#pragma once
// Why a file the user named, or a timetable file, could not be read: for the messages that
// refuse it, in Chinese, without the file's name (the message around it names the file).
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "timetable/timetable_reader.h"

namespace orvel {

// One sentence; empty for FileStatus::Ok.
std::string FileReadProblem(FileStatus status);

// Why `fileName` cannot be a timetable file's name (program_folder.h).
std::string UnusableNameProblem(std::string_view fileName);

// One or two sentences; empty when the read succeeded. `fileName` is the name the read was given,
// for a name that cannot be used.
std::string TimetableReadProblem(const TimetableRead& read, std::string_view fileName);

}  // namespace orvel
