#include "platform/headless/headless_system.h"

#include <algorithm>

#include "platform/headless/headless_clock.h"

namespace orvel::headless {
namespace {
std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}
}  // namespace

void HeadlessSound::Beep(int frequency, int durationMs) {
  beeps_.push_back(BeepRecord{frequency, durationMs, clock_.SteadyMs()});
}

HeadlessSystemInfo::HeadlessSystemInfo(std::filesystem::path programPath)
    : programPath_(std::move(programPath)) {
  SetEnvironment("WINDIR", "C:\\Windows");
  SetEnvironment("username", "teacher");
}

std::string HeadlessSystemInfo::Environment(const std::string& name) const {
  const auto it = environment_.find(Lower(name));
  return it == environment_.end() ? std::string() : it->second;
}

void HeadlessSystemInfo::SetEnvironment(const std::string& name, std::string value) {
  environment_[Lower(name)] = std::move(value);
}

}  // namespace orvel::headless
