#include "shell/classroom_switches.h"

#include <array>
#include <utility>

#include "platform/ui/platform.h"

namespace orvel::shell {
namespace {

struct StripModeItem {
  StripMode mode;
  std::string_view name;
  std::string_view caption;
};
constexpr std::array<StripModeItem, 3> kStripModeItems{{
    {StripMode::Off, "mnu_strip_off", "关"},
    {StripMode::FullScreen, "mnu_strip_full_screen", "全屏时显示"},
    {StripMode::Always, "mnu_strip_always", "始终显示"},
}};

}  // namespace

ClassroomSwitches::ClassroomSwitches(program::ProgramState& state, Notify notify,
                                     std::function<void()> stripModeChanged)
    : state_(state), notify_(std::move(notify)), stripModeChanged_(std::move(stripModeChanged)) {}

void ClassroomSwitches::AddMenuItems(std::vector<ui::MenuItem>& items) {
  ui::MenuItem strip{"mnu_strip", std::string(kStripCaption), {}};
  for (const StripModeItem& item : kStripModeItems)
    strip.submenu.push_back({std::string(item.name), std::string(item.caption),
                             [this, mode = item.mode] { ChooseStripMode(mode); },
                             state_.classroom.strip == item.mode});
  items.push_back(std::move(strip));
  items.push_back({"mnu_speech", std::string(kSpeechCaption), [this] { SwitchSpeech(); },
                   SpeechOn()});
}

void ClassroomSwitches::Started() {
  if (!state_.classroom.speech) return;
  state_.platform.speech().FindChineseVoice(
      [this, alive = std::weak_ptr<bool>(alive_)](bool found) {
        if (alive.expired() || found || !state_.classroom.speech) return;
        voiceMissing_ = true;
        notify_(std::string(kNoChineseVoiceNotice), kSpeechCaption);
      });
}

void ClassroomSwitches::SpeakReminder(std::string_view subject) {
  if (!SpeechOn() || subject.empty()) return;
  std::string text(kSpokenReminderStart);
  text += subject;
  state_.platform.speech().Speak(text);
}

void ClassroomSwitches::ChooseStripMode(StripMode mode) {
  if (state_.classroom.strip == mode) return;
  state_.classroom.strip = mode;
  Save(kStripCaption);
  if (stripModeChanged_) stripModeChanged_();
}

void ClassroomSwitches::SwitchSpeech() {
  if (SpeechOn()) {
    state_.classroom.speech = false;
    Save(kSpeechCaption);
    return;
  }
  state_.platform.speech().FindChineseVoice(
      [this, alive = std::weak_ptr<bool>(alive_)](bool found) {
        if (alive.expired()) return;
        if (!found) {
          notify_(std::string(kNoChineseVoiceNotice), kSpeechCaption);
          return;
        }
        voiceMissing_ = false;
        if (state_.classroom.speech) return;
        state_.classroom.speech = true;
        Save(kSpeechCaption);
      });
}

void ClassroomSwitches::Save(std::string_view title) {
  if (WriteClassroomSettings(state_.programFolder, state_.classroom) == FileStatus::Ok) return;
  if (toldSaveFailure_) return;
  toldSaveFailure_ = true;
  notify_(std::string(kClassroomSaveFailedNotice), title);
}

}  // namespace orvel::shell
