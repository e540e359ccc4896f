#pragma once
// frmcountdown: the shutdown countdown, a small dialog with a shrinking bar whose caption counts
// the last 15 seconds down, above full-screen programs too. It never shuts anything down itself;
// it unloads itself after 15 s or as soon as the pointer moves.
#include <cstdint>
#include <string>
#include <string_view>

#include "desktop/front_keeper.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/platform.h"

namespace orvel::desktop {

inline constexpr std::string_view kCountdownCaption = "倒计时15秒";
inline constexpr std::string_view kCountdownTickPrefix = "关机倒计时";
inline constexpr std::string_view kCountdownTickSuffix = "秒";
inline constexpr float kCountdownSeconds = 15.0f;
inline constexpr int kCountdownIntervalMs = 100;

// The caption after a tick: "关机倒计时" + round-half-even(15 − seconds) + "秒".
std::string CountdownTickCaption(float countdownSeconds);

class FrmCountdown : public ui::Form {
 public:
  // `keeper` keeps the window above full-screen programs while it is shown; it must outlive the
  // window.
  FrmCountdown(ui::Platform& platform, FrontKeeper& keeper);

  // Declared before the track so that its native control is created first and stays on top.
  ui::Label bar;
  ui::Label Labbarback;
  ui::Timer Timercountdown;  // 100 ms, switched on by the load

  void Form_Load();
  void Timercountdown_Timer();

  float CountdownSeconds() const { return countdownSeconds_; }
  std::int32_t Step() const { return step_; }

 private:
  float countdownSeconds_ = 0;
  std::int32_t step_ = 0;
  ui::Point cursorNow_{};
  ui::Point cursorBefore_{};
  FrontRegistration inFront_;
};

}  // namespace orvel::desktop
