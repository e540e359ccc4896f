#include "shell/running_program.h"

#include <cstdint>
#include <cstdio>

namespace orvel::shell {
namespace {

constexpr std::string_view kShow = "show";
constexpr std::string_view kLoad = "load:";
constexpr std::string_view kFollowChanged = "follow";

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string RunningProgramName(Edition edition, const std::filesystem::path& programFolder) {
  // FNV-1a: a kernel object's name has no room for a whole path and must not hold '\'.
  std::uint64_t hash = 14695981039346656037ull;
  std::u8string folder = programFolder.lexically_normal().generic_u8string();
  while (folder.size() > 1 && folder.back() == u8'/') folder.pop_back();
  for (char8_t c : folder) {
    hash ^= static_cast<unsigned char>(LowerAscii(static_cast<char>(c)));
    hash *= 1099511628211ull;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return std::string(edition == Edition::Grid ? "Orvel2-" : "Schedule-") + hex;
}

std::string RequestText(const RunningRequest& request) {
  switch (request.kind) {
    case RunningRequestKind::Load:
      return std::string(kLoad) + request.scdFileName;
    case RunningRequestKind::FollowChanged:
      return std::string(kFollowChanged);
    case RunningRequestKind::Show:
      break;
  }
  return std::string(kShow);
}

std::optional<RunningRequest> ReadRequest(std::string_view text) {
  if (text == kShow) return RunningRequest{};
  if (text == kFollowChanged) return RunningRequest{RunningRequestKind::FollowChanged, {}};
  if (text.starts_with(kLoad) && text.size() > kLoad.size())
    return RunningRequest{RunningRequestKind::Load, std::string(text.substr(kLoad.size()))};
  return std::nullopt;
}

}  // namespace orvel::shell
