#pragma once
// The right-click menu's "课堂条" (关, 全屏时显示, 始终显示) and "语音提醒", kept in classroom.ini
// and written only when the user changes them here; and the reminder spoken while 语音提醒 is on.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/controls.h"
#include "program/program_state.h"

namespace orvel::shell {

inline constexpr std::string_view kStripCaption = "课堂条";
inline constexpr std::string_view kSpeechCaption = "语音提醒";
inline constexpr std::string_view kNoChineseVoiceNotice = "此电脑没有中文语音，语音提醒无法使用。";
inline constexpr std::string_view kClassroomSaveFailedNotice =
    "未能保存 classroom.ini，请检查程序所在的文件夹是否可以写入；这项设置只在本次运行中有效。";
// What the voice says before the subject: "下节课，数学".
inline constexpr std::string_view kSpokenReminderStart = "下节课，";

class ClassroomSwitches {
 public:
  // A passing notice with its title, as the shell shows one.
  using Notify = std::function<void(const std::string& text, std::string_view title)>;
  // `state` must outlive the switches. `stripModeChanged` runs after the user has chosen
  // another mode of the strip.
  ClassroomSwitches(program::ProgramState& state, Notify notify,
                    std::function<void()> stripModeChanged);

  // "课堂条" opening its three modes, the current one checked, and "语音提醒", checked while on.
  void AddMenuItems(std::vector<ui::MenuItem>& items);
  // On as classroom.ini says, unless this PC was found to have no Chinese voice in this run.
  bool SpeechOn() const { return state_.classroom.speech && !voiceMissing_; }
  // The program is up: with speech on, the voice is looked for once; without one, speech is off
  // for the run (classroom.ini keeps what it says) and the user hears why once.
  void Started();
  // At the reminder second, beside the tones and the popup or balloon: "下节课，数学", while
  // 语音提醒 is on and the subject is not empty.
  void SpeakReminder(std::string_view subject);
  // The strip's place has changed: classroom.ini written, the user told when it cannot be.
  void SaveStripPlace() { Save(kStripCaption); }
  // The bell's offset has changed: the same.
  void SaveTime() { Save("校时"); }

 private:
  void ChooseStripMode(StripMode mode);
  // Off at once. On only once a Chinese voice has been found; without one the notice, and off.
  void SwitchSpeech();
  // classroom.ini written; a failure is told once a run, however often the strip is dragged.
  void Save(std::string_view title);

  program::ProgramState& state_;
  Notify notify_;
  std::function<void()> stripModeChanged_;
  bool voiceMissing_ = false;
  bool toldSaveFailure_ = false;
  // A voice's answer that comes after the switches have gone finds this expired.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace orvel::shell
