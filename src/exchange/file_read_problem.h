#pragma once
// Why a file the user named could not be read, for the messages that refuse it.
#include <string>

#include "platform/file_io.h"

namespace orvel::exchange {

// In Chinese, one sentence; empty for FileStatus::Ok.
std::string FileReadProblem(FileStatus status);

}  // namespace orvel::exchange
