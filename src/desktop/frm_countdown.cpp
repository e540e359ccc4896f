#include "desktop/frm_countdown.h"

#include <algorithm>
#include <cmath>

#include "platform/text_codec.h"

namespace orvel::desktop {
namespace {

// The designed window, twips.
constexpr double kClientWidth = 5340, kClientHeight = 945;
constexpr double kTrackLeft = 480, kTrackTop = 240, kTrackWidth = 4425, kTrackHeight = 480;
constexpr double kBarLeft = 525, kBarTop = 300, kBarWidth = 4335, kBarHeight = 375;
// The bar loses slightly less than a step per tick, so it runs out just before the end.
constexpr double kShrinkPerStep = 0.98;

constexpr ui::Colour kTrackColour = 0xE0E0E0;  // light grey, 0x00BBGGRR
constexpr ui::Colour kBarColour = 0xD77800;    // blue

}  // namespace

std::string CountdownTickCaption(float countdownSeconds) {
  // The default rounding mode rounds halves to even; a -0 must read "0".
  const float left = std::nearbyint(kCountdownSeconds - countdownSeconds);
  const long long whole = static_cast<long long>(left);
  return FillIn("{}{}{}", {kCountdownTickPrefix, static_cast<int>(whole), kCountdownTickSuffix});
}

FrmCountdown::FrmCountdown(ui::Platform& platform, FrontKeeper& keeper)
    : ui::Form(platform, "frmcountdown", ui::FormStyle::FixedDialog),
      bar(this, "bar"),
      Labbarback(this, "Labbarback"),
      Timercountdown(this, "Timercountdown", kCountdownIntervalMs, false) {
  SetCaption(std::string(kCountdownCaption));
  SetClientSize(kClientWidth, kClientHeight);
  centred = true;
  // Over every window, without taking the focus from the program the user works in, and not a
  // program of its own on the taskbar.
  topmost = true;
  takesFocus = false;
  showInTaskbar = false;

  Labbarback.Move(kTrackLeft, kTrackTop, kTrackWidth, kTrackHeight);
  Labbarback.SetBackColour(kTrackColour);
  Labbarback.SetBorderStyle(1);
  bar.Move(kBarLeft, kBarTop, kBarWidth, kBarHeight);
  bar.SetBackColour(kBarColour);

  onLoad = [this] { Form_Load(); };
  Timercountdown.onTimer = [this] { Timercountdown_Timer(); };
  inFront_ = keeper.Keep(*this, FrontOrder::Alert);
}

void FrmCountdown::Form_Load() {
  // A window shown again starts as designed, like a freshly loaded one.
  SetCaption(std::string(kCountdownCaption));
  countdownSeconds_ = 0;
  Timercountdown.SetEnabled(true);
  // The pointer's place now: a later move cancels the countdown.
  cursorNow_ = platform().input().CursorPos();
  cursorBefore_ = cursorNow_;
  // The bar shrinks by one step a tick, so that it is gone after 15 s.
  const double tickSeconds = Timercountdown.Interval() / 1000.0;
  step_ = static_cast<std::int32_t>(std::nearbyint(Labbarback.Width() / 15.0 * tickSeconds));
  bar.Move(Labbarback.Left() + step_, Labbarback.Top() + Labbarback.Height() * 0.1,
           std::max(0.0, Labbarback.Width() - step_), bar.Height());
}

void FrmCountdown::Timercountdown_Timer() {
  // The width is a single-precision value, as the shape keeps it; never below 0.
  const float width = static_cast<float>(bar.Width() - step_ * kShrinkPerStep);
  bar.SetWidth(std::max(0.0f, width));
  countdownSeconds_ = static_cast<float>(countdownSeconds_ + Timercountdown.Interval() / 1000.0);
  SetCaption(CountdownTickCaption(countdownSeconds_));
  // The end of the time or a pointer move closes it. The unload comes last so that nothing runs
  // after it.
  cursorNow_ = platform().input().CursorPos();
  const bool moved = cursorNow_ != cursorBefore_;
  cursorBefore_ = cursorNow_;
  if (countdownSeconds_ >= kCountdownSeconds || moved) Unload();
}

}  // namespace orvel::desktop
