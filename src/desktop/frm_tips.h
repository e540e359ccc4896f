#pragma once
// frmTips: the reminder popup. Opens just below the schedule window, slides up over it to rest
// just above it, stays on top (above full-screen programs as well), and unloads itself after 15 s
// or at the first click.
#include <cstdint>
#include <string>
#include <string_view>

#include "desktop/front_keeper.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/platform.h"

namespace orvel::desktop {

inline constexpr std::string_view kTipsCaption = "提醒";
inline constexpr std::int64_t kTipsLifeMs = 15000;
inline constexpr int kTipsStopIntervalMs = 100;
inline constexpr int kTipsMoveIntervalMs = 10;
// Twips the popup rises per slide step, and how far its bottom may overlap the schedule window.
inline constexpr double kTipsSlideStep = 80;
inline constexpr double kTipsOverlap = 15;
// The label is this much narrower than the schedule window.
inline constexpr double kTipsLabelMargin = 250;

class FrmTips : public ui::Form {
 public:
  // `schedule` is the schedule window the popup places itself against; it and `keeper`, which
  // keeps the popup above full-screen programs while it is shown, must outlive the popup.
  FrmTips(ui::Platform& platform, const ui::Form& schedule, FrontKeeper& keeper);

  ui::Label LblTips;
  ui::Timer TimerStop;  // 100 ms: the 15-second life
  ui::Timer TimerMove;  // 10 ms: the slide, switched on by the load

  // The reminder text, which the label shows.
  std::string tag;

  // Sets the tag and shows the popup without making it modal. A popup that is not loaded loads
  // (and starts its 15 s); an open one only takes the new text.
  void ShowText(std::string text);

  void Form_Load();
  void Form_Paint();
  void TimerMove_Timer();
  void TimerStop_Timer();
  void LblTips_Click();
  void Form_Click();

  // Milliseconds counted towards the 15 s so far.
  std::int64_t ShownMs() const { return shownMs_; }

 private:
  const ui::Form& schedule_;
  // Kept on the steady clock: the time of day jumps back at midnight, which would keep a popup
  // opened just before it open until clicked.
  std::int64_t shownMs_ = 0;
  std::int64_t lastTickMs_ = 0;
  FrontRegistration inFront_;
};

}  // namespace orvel::desktop
