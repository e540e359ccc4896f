#include "desktop/frm_tips.h"

#include <algorithm>
#include <utility>

namespace orvel::desktop {
namespace {

// The designed window, twips.
constexpr double kClientWidth = 1860, kClientHeight = 525;
constexpr double kLabelLeft = 120, kLabelTop = 75, kLabelWidth = 1575, kLabelHeight = 375;

constexpr ui::Colour kFormColour = 0xC000C0;   // purple, 0x00BBGGRR
constexpr ui::Colour kLabelColour = 0xC0FFFF;  // pale yellow
constexpr ui::Colour kTextColour = 0x0000FF;   // red

constexpr float kFontSize = 12;

}  // namespace

FrmTips::FrmTips(ui::Platform& platform, const ui::Form& schedule, FrontKeeper& keeper)
    : ui::Form(platform, "frmTips", ui::FormStyle::Borderless),
      LblTips(this, "LblTips"),
      TimerStop(this, "TimerStop", kTipsStopIntervalMs, true),
      TimerMove(this, "TimerMove", kTipsMoveIntervalMs, false),
      schedule_(schedule) {
  SetCaption(std::string(kTipsCaption));
  SetBackColour(kFormColour);
  SetClientSize(kClientWidth, kClientHeight);
  // A passing notice, not a program of its own on the taskbar, over every window and never taking
  // the focus from the one the user works in (a slide show, a half-typed cell).
  showInTaskbar = false;
  topmost = true;
  takesFocus = false;

  LblTips.Move(kLabelLeft, kLabelTop, kLabelWidth, kLabelHeight);
  LblTips.SetBackColour(kLabelColour);
  LblTips.SetForeColour(kTextColour);
  LblTips.SetFont(ui::Font{"楷体_GB2312", kFontSize, false});

  onLoad = [this] { Form_Load(); };
  onPaint = [this] { Form_Paint(); };
  onClick = [this] { Form_Click(); };
  LblTips.onClick = [this] { LblTips_Click(); };
  TimerMove.onTimer = [this] { TimerMove_Timer(); };
  TimerStop.onTimer = [this] { TimerStop_Timer(); };
  inFront_ = keeper.Keep(*this, FrontOrder::Notice);
}

void FrmTips::ShowText(std::string text) {
  tag = std::move(text);
  Show();
  // Not every backend raises a paint for a window that is already up: show the new text now
  // rather than at the next repaint.
  if (Loaded()) Form_Paint();
}

void FrmTips::Form_Load() {
  // A popup shown again after an unload starts its life afresh.
  shownMs_ = 0;
  lastTickMs_ = platform().clock().SteadyMs();
  platform().windows().SetTopmost(*this, true);
  // Just below the schedule window, as wide as it.
  Move(schedule_.Left(), schedule_.Top() + schedule_.Height(), schedule_.Width(), Height());
  // A window narrower than the margin leaves the label no width rather than a negative one.
  LblTips.SetWidth(std::max(0.0, schedule_.Width() - kTipsLabelMargin));
  // Then it slides up.
  TimerMove.SetEnabled(true);
}

void FrmTips::Form_Paint() { LblTips.SetCaption(tag); }

void FrmTips::TimerMove_Timer() {
  // Follows the schedule window's left edge while it rises.
  Move(schedule_.Left(), Top() - kTipsSlideStep);
  if (schedule_.Top() - Height() + kTipsOverlap >= Top()) TimerMove.SetEnabled(false);
}

void FrmTips::TimerStop_Timer() {
  const std::int64_t now = platform().clock().SteadyMs();
  shownMs_ += now - lastTickMs_;
  lastTickMs_ = now;
  // Last: nothing of the form is used after it has unloaded.
  if (shownMs_ >= kTipsLifeMs) Unload();
}

void FrmTips::LblTips_Click() { Unload(); }

void FrmTips::Form_Click() { Unload(); }

}  // namespace orvel::desktop
