#pragma once
// The one running program of an edition and program folder, and what a later start asks of it:
// a start without a job shows the running window; /import has it load the imported file;
// /follow and /follow off have it read follow.ini again.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "timetable/edition.h"

namespace orvel::shell {

// How long a later start waits for the running program to be ready to take its request.
inline constexpr int kHandOverWaitMs = 5000;

// The name the running program claims: the edition and its folder, whose case Windows ignores.
std::string RunningProgramName(Edition edition, const std::filesystem::path& programFolder);

enum class RunningRequestKind { Show, Load, FollowChanged };
struct RunningRequest {
  RunningRequestKind kind = RunningRequestKind::Show;
  std::string scdFileName;  // Load: a file of "scd"

  friend bool operator==(const RunningRequest&, const RunningRequest&) = default;
};

std::string RequestText(const RunningRequest& request);
// Nothing for a text no start of ours writes.
std::optional<RunningRequest> ReadRequest(std::string_view text);

}  // namespace orvel::shell
