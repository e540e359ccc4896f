#include "desktop/notice_window.h"

#include <algorithm>

#include "platform/ui/monitors.h"

namespace orvel::desktop {
namespace {

constexpr std::string_view kFontName = "微软雅黑";
constexpr ui::Colour kBackColour = 0x1818A8;  // deep red, 0x00BBGGRR
constexpr ui::Colour kTextColour = 0xFFFFFF;

// Parts of the monitor: the window's size, and within the window the rows' tops and heights.
constexpr double kWidthOfMonitor = 0.70, kHeightOfMonitor = 0.55;
constexpr double kMargin = 0.05;  // of the window's width
constexpr double kTitleTop = 0.06, kTitleHeight = 0.16;
constexpr double kTextTop = 0.26, kTextHeight = 0.50;
constexpr double kButtonWidth = 0.22, kButtonHeight = 0.13, kButtonBottom = 0.05;
// The notice's text: about five lines of its height fit, so a long notice wraps rather than
// running off.
constexpr double kTextLines = 4.5;
constexpr double kEmOfRow = 0.72;
constexpr double kTwipsPerPoint = 20;

float PointsFor(double rowTwips) {
  return static_cast<float>(std::max(8.0, rowTwips * kEmOfRow / kTwipsPerPoint));
}

}  // namespace

NoticeWindow::NoticeWindow(ui::Platform& platform, const ui::Form& schedule, FrontKeeper& keeper)
    : ui::Form(platform, "NoticeWindow", ui::FormStyle::Borderless),
      LblTitle(this, "LblTitle"),
      LblText(this, "LblText"),
      CmdAcknowledge(this, "CmdAcknowledge", std::string(kAcknowledgeCaption)),
      schedule_(schedule) {
  // Over slide shows and the exam board; a click on 知道了 leaves the focus where it was.
  topmost = true;
  takesFocus = false;
  showInTaskbar = false;
  SetCaption(std::string(kUrgentNoticeTitle));
  SetBackColour(kBackColour);
  for (ui::Label* label : {&LblTitle, &LblText}) {
    label->SetBackColour(kBackColour);
    label->SetForeColour(kTextColour);
  }
  LblTitle.SetCaption(std::string(kUrgentNoticeTitle));
  CmdAcknowledge.onClick = [this] {
    if (onAcknowledge) onAcknowledge();
  };
  onDpiChanged = [this] { Place(); };
  inFront_ = keeper.Keep(*this, FrontOrder::Notice);
}

void NoticeWindow::ShowNotice(const std::string& text) {
  if (LblText.Caption() != text) LblText.SetCaption(text);
  if (Visible()) return;
  Place();
  Show();
}

void NoticeWindow::Place() {
  const ui::Screen& screen = platform().screen();
  const ui::Bounds monitor = ui::MonitorOf(schedule_.bounds(), ui::MonitorsOrScreen(screen));
  const double width = monitor.width * kWidthOfMonitor, height = monitor.height * kHeightOfMonitor;
  const double left = monitor.left + (monitor.width - width) / 2;
  const double top = monitor.top + (monitor.height - height) / 2;
  // Placed on the desktop's one scale, then sized at the DPI of the monitor it lies on.
  Move(left, top, width, height);
  const double scale = screen.TwipsPerPixelX() / screen.TwipsPerPixelOf(*this);
  Move(left, top, width / scale, height / scale);
  Layout();
}

void NoticeWindow::Layout() {
  const double width = Width(), height = Height();
  const double margin = width * kMargin, inner = width - 2 * margin;
  LblTitle.Move(margin, height * kTitleTop, inner, height * kTitleHeight);
  LblTitle.SetFont(ui::Font{std::string(kFontName), PointsFor(height * kTitleHeight), true});
  LblText.Move(margin, height * kTextTop, inner, height * kTextHeight);
  LblText.SetFont(
      ui::Font{std::string(kFontName), PointsFor(height * kTextHeight / kTextLines), false});
  const double buttonWidth = width * kButtonWidth, buttonHeight = height * kButtonHeight;
  CmdAcknowledge.SetFont(ui::Font{std::string(kFontName), PointsFor(buttonHeight / 2), true});
  CmdAcknowledge.Move((width - buttonWidth) / 2, height * (1 - kButtonBottom) - buttonHeight,
                      buttonWidth, buttonHeight);
}

}  // namespace orvel::desktop
