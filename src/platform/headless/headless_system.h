#pragma once
// Records of what the program asked of the system: shell opens, beeps, speech, shutdown, fonts,
// version.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/services.h"

namespace orvel::headless {

class HeadlessClock;

struct ShellRequest {
  std::string target;
  ui::ShowState show = ui::ShowState::Normal;
  const ui::Form* owner = nullptr;
  std::string directory;
};

class HeadlessShell : public ui::Shell {
 public:
  void Open(const std::string& target) override { Open(target, ui::ShowState::Normal, nullptr, {}); }
  void Open(const std::string& target, ui::ShowState show, const ui::Form* owner,
            const std::string& directory) override {
    opened_.push_back(target);
    requests_.push_back(ShellRequest{target, show, owner, directory});
  }
  // The targets, in order; Requests() adds how each was asked for.
  const std::vector<std::string>& Opened() const { return opened_; }
  const std::vector<ShellRequest>& Requests() const { return requests_; }

 private:
  std::vector<std::string> opened_;
  std::vector<ShellRequest> requests_;
};

struct BeepRecord {
  int frequency = 0;
  int durationMs = 0;
  std::int64_t atSteadyMs = 0;  // when it sounded
};

class HeadlessSound : public ui::Sound {
 public:
  explicit HeadlessSound(const HeadlessClock& clock) : clock_(clock) {}
  void Beep(int frequency, int durationMs) override;
  const std::vector<BeepRecord>& Beeps() const { return beeps_; }

 private:
  const HeadlessClock& clock_;
  std::vector<BeepRecord> beeps_;
};

struct SpeechRecord {
  std::string text;
  std::int64_t atSteadyMs = 0;  // when it was asked for
  bool voiced = false;          // a Chinese voice was there to say it
};

// A voice the test installs or takes away (a Chinese one is there from the start). A voice is
// looked for off the window thread: the answers come when the test lets time pass, as the
// background's work finishes.
class HeadlessSpeech : public ui::Speech {
 public:
  explicit HeadlessSpeech(const HeadlessClock& clock) : clock_(clock) {}
  void FindChineseVoice(std::function<void(bool found)> answer) override;
  void Speak(const std::string& text) override;

  void SetChineseVoice(bool installed) { chineseVoice_ = installed; }
  // Answers the lookups asked so far, in order; one that an answer asks waits for the next call.
  void Finish();
  // Every text asked for, voiced or not.
  const std::vector<SpeechRecord>& Requests() const { return requests_; }
  int Lookups() const { return lookups_; }

 private:
  const HeadlessClock& clock_;
  bool chineseVoice_ = true;
  std::vector<std::function<void(bool)>> pending_;
  std::vector<SpeechRecord> requests_;
  int lookups_ = 0;
};

// Never shuts anything down: only counts the requests.
class HeadlessPower : public ui::Power {
 public:
  void GetShutdownPrivilege() override { ++privilegeCalls_; }
  void RequestShutdown() override { ++shutdownRequests_; }
  void KeepAwake(bool on) override { keptAwake_ = on; }
  int PrivilegeCalls() const { return privilegeCalls_; }
  bool KeptAwake() const { return keptAwake_; }
  int ShutdownRequests() const { return shutdownRequests_; }

 private:
  int privilegeCalls_ = 0;
  int shutdownRequests_ = 0;
  bool keptAwake_ = false;
};

class HeadlessFonts : public ui::Fonts {
 public:
  std::vector<std::string> Installed() override { return installed_; }
  void SetInstalled(std::vector<std::string> fonts) { installed_ = std::move(fonts); }

 private:
  // Chinese and Latin families as a Chinese Windows lists them.
  std::vector<std::string> installed_{"Arial",  "宋体", "新宋体",         "黑体",
                                      "楷体",   "仿宋", "Courier New", "Times New Roman",
                                      "微软雅黑"};
};

class HeadlessSystemInfo : public ui::SystemInfo {
 public:
  explicit HeadlessSystemInfo(std::filesystem::path programPath);
  ui::VersionInfo WindowsVersion() const override { return version_; }
  std::filesystem::path ProgramPath() const override { return programPath_; }
  std::string ProgramTimeText() const override { return programTime_; }
  // Names compare without regard to ASCII case, as Windows environment names do; unknown
  // names give an empty text.
  std::string Environment(const std::string& name) const override;
  std::string ComputerName() const override { return computerName_; }

  void SetWindowsVersion(int major, int minor) { version_ = ui::VersionInfo{major, minor}; }
  void SetProgramPath(std::filesystem::path path) { programPath_ = std::move(path); }
  void SetProgramTimeText(std::string text) { programTime_ = std::move(text); }
  void SetEnvironment(const std::string& name, std::string value);
  void SetComputerName(std::string name) { computerName_ = std::move(name); }

 private:
  ui::VersionInfo version_{};
  std::filesystem::path programPath_;
  std::string programTime_ = "2025/9/1 10:30:00";
  std::map<std::string, std::string> environment_;
  std::string computerName_ = "CLASSROOM-PC";
};

}  // namespace orvel::headless
