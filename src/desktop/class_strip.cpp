#include "desktop/class_strip.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "desktop/strip_place.h"
#include "platform/ui/monitors.h"

namespace orvel::desktop {
namespace {

// Around the line, twips.
constexpr double kPaddingX = 240, kPaddingY = 90;
// A little room beyond the measured width, so that the rounding of the font at another DPI
// never wraps the line.
constexpr double kWidthSlack = 60;

// The widest line shown whole, as a part of the monitor's width; a wider one scrolls at about
// three characters a second, waiting two seconds at either end.
constexpr double kMaxLineOfMonitor = 0.9;
constexpr int kScrollStepMs = 50;
constexpr double kScrollStepTwips = 72;
constexpr double kScrollWaitTwips = 2000.0 / kScrollStepMs * kScrollStepTwips;

constexpr ui::Colour kBackColour = 0x202020;  // near black, 0x00BBGGRR
constexpr ui::Colour kTextColour = 0xFFFFFF;  // white

int WholeTwips(double twips) {
  return static_cast<int>(std::lround(twips));
}

}  // namespace

ClassStrip::ClassStrip(ui::Platform& platform, const ui::Form& schedule, FrontKeeper& keeper,
                       std::optional<StripPlace> place)
    : ui::Form(platform, "ClassStrip", ui::FormStyle::Borderless),
      LblLine(this, "LblLine"),
      TimerScroll(this, "TimerScroll", kScrollStepMs, false),
      schedule_(schedule),
      place_(place) {
  // Over slide shows and whiteboards, never taking the focus from them, not on the taskbar.
  topmost = true;
  takesFocus = false;
  showInTaskbar = false;
  SetBackColour(kBackColour);
  LblLine.SetBackColour(kBackColour);
  LblLine.SetForeColour(kTextColour);
  LblLine.SetFont(ui::Font{std::string(kStripFontName), kStripFontSize, true});

  const auto press = [this](ui::MouseButton button, int, double, double) { MouseDown(button); };
  onMouseDown = press;
  LblLine.onMouseDown = press;
  const auto doubleClick = [this] {
    if (onDoubleClick) onDoubleClick();
  };
  onDblClick = doubleClick;
  LblLine.onDblClick = doubleClick;
  // On a monitor of another DPI its size in pixels is another: centred again where it sits by
  // default.
  onDpiChanged = [this] { Place(); };
  TimerScroll.onTimer = [this] { Scroll(); };
  inFront_ = keeper.Keep(*this, FrontOrder::Window);
}

void ClassStrip::ShowLine(std::string_view line) {
  Display(line, false);
}

void ClassStrip::ShowNotice(std::string_view text) {
  Display(text, true);
}

void ClassStrip::Display(std::string_view line, bool notice) {
  if (line != Caption()) {
    SetCaption(std::string(line));
    LblLine.SetCaption(Caption());
    Fit(notice);
  }
  if (Visible()) return;
  Place();
  Show();
}

void ClassStrip::Fit(bool notice) {
  const ui::TextMetrics& metrics = platform().metrics();
  const double textWidth = metrics.TextWidth(LblLine.font(), Caption()) + kWidthSlack;
  const double textHeight = metrics.TextHeight(LblLine.font());
  const ui::Bounds monitor =
      ui::MonitorOf(schedule_.bounds(), ui::MonitorsOrScreen(platform().screen()));
  double widest = monitor.width * kMaxLineOfMonitor - 2 * kPaddingX;
  if (notice && ownLineWidth_ > 0) widest = std::min(widest, ownLineWidth_);
  const double lineWidth = std::min(textWidth, widest);
  if (!notice) ownLineWidth_ = lineWidth;
  overflow_ = textWidth - lineWidth;
  scrolled_ = -kScrollWaitTwips;
  TimerScroll.SetEnabled(overflow_ > 0);
  LblLine.Move(kPaddingX, kPaddingY, textWidth, textHeight);
  const double width = lineWidth + 2 * kPaddingX, height = textHeight + 2 * kPaddingY;
  if (width == Width() && height == Height()) return;
  Move(Left(), Top(), width, height);
  // A strip at its default place stays centred as its line grows or shrinks.
  if (Visible()) Place();
}

void ClassStrip::Scroll() {
  scrolled_ += kScrollStepTwips;
  if (scrolled_ > overflow_ + kScrollWaitTwips) scrolled_ = -kScrollWaitTwips;
  const double shift = std::clamp(scrolled_, 0.0, overflow_);
  // Only the label moves: the strip itself is not painted again.
  if (LblLine.Left() != kPaddingX - shift)
    LblLine.Move(kPaddingX - shift, LblLine.Top(), LblLine.Width(), LblLine.Height());
}

void ClassStrip::Place() {
  if (dragging_) return;  // the user places it now
  const ui::Screen& screen = platform().screen();
  StripPlacing placing{place_, 0, 0, schedule_.bounds(), ui::WorkAreasOrMonitors(screen)};
  // Its size is drawn at the DPI of the monitor it lies on, places are on the desktop's one
  // scale: the second pass measures it on the monitor the first has put it on.
  for (int pass = 0; pass < 2; ++pass) {
    const double scale = screen.TwipsPerPixelX() / screen.TwipsPerPixelOf(*this);
    placing.width = Width() * scale;
    placing.height = Height() * scale;
    const ui::Bounds at = StripBounds(placing);
    Move(at.left, at.top);
  }
}

void ClassStrip::MouseDown(ui::MouseButton button) {
  if (button == ui::MouseButton::Right) {
    if (onMenu) onMenu();
    return;
  }
  if (button != ui::MouseButton::Left) return;
  const StripPlace before{WholeTwips(Left()), WholeTwips(Top())};
  // Returns once the user lets go of the button.
  dragging_ = true;
  platform().windows().BeginDrag(*this);
  dragging_ = false;
  const StripPlace after{WholeTwips(Left()), WholeTwips(Top())};
  if (after == before) return;
  place_ = after;
  if (onPlaced) onPlaced(after);
}

}  // namespace orvel::desktop
