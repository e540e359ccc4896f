#include "platform/headless/headless_system.h"

#include "platform/headless/headless_clock.h"
#include "platform/text_codec.h"

namespace orvel::headless {

void HeadlessSound::Beep(int frequency, int durationMs) {
  beeps_.push_back(BeepRecord{frequency, durationMs, clock_.SteadyMs()});
}

void HeadlessSpeech::FindChineseVoice(std::function<void(bool found)> answer) {
  ++lookups_;
  pending_.push_back(std::move(answer));
}

void HeadlessSpeech::Speak(const std::string& text) {
  requests_.push_back(SpeechRecord{text, clock_.SteadyMs(), chineseVoice_});
}

void HeadlessSpeech::Finish() {
  // Nothing is allocated while nothing waits: time passes on every clock tick.
  if (pending_.empty()) return;
  std::vector<std::function<void(bool)>> now;
  now.swap(pending_);
  for (const std::function<void(bool)>& answer : now)
    if (answer) answer(chineseVoice_);
}

HeadlessSystemInfo::HeadlessSystemInfo(std::filesystem::path programPath)
    : programPath_(std::move(programPath)) {
  SetEnvironment("WINDIR", "C:\\Windows");
  SetEnvironment("username", "teacher");
}

std::string HeadlessSystemInfo::Environment(const std::string& name) const {
  const auto it = environment_.find(AsciiLower(name));
  return it == environment_.end() ? std::string() : it->second;
}

void HeadlessSystemInfo::SetEnvironment(const std::string& name, std::string value) {
  environment_[AsciiLower(name)] = std::move(value);
}

}  // namespace orvel::headless
