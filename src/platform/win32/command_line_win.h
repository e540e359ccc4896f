#pragma once
// The command line of a program without a console of its own: its arguments, and one line of
// answer for whoever started it.
#include <string>
#include <vector>

namespace orvel::win32 {

// The arguments after the program's own name, UTF-8, split by the system's rules (quotes hold
// blanks together and are removed).
std::vector<std::string> CommandLineArguments();

// Writes the line to the standard error the program was given when that is a file or a pipe
// (in the ANSI code page, as console programs write), else to the console of the process that
// started it; nothing when there is neither. No console window of its own ever opens.
void ReportToParentConsole(const std::string& utf8Line);

}  // namespace orvel::win32
