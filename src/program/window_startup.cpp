#include "program/window_startup.h"

#include <algorithm>
#include <vector>

#include "platform/ui/platform.h"
#include "program/day_lists.h"
#include "timetable/number_text.h"

namespace orvel::program {

void ReadStartupSettings(ProgramState& state) {
  state.colours = ColourTable();
  state.values.ScdFileName = std::string(kDefaultScdFileName);
  const SettingsRecord settings = ReadSettings(state.programFolder, state.edition);
  state.values = WorkingValuesFromSettings(settings);
  state.live.area = settings.CmbArea;
  state.colours.SetCustomFromSettings(settings.CustomColours);
  if (!state.startupScdFileName.empty()) state.values.ScdFileName = state.startupScdFileName;
  LoadDayLists(state);
}

void RestorePosition(ui::Form& window, ProgramState& state) {
  window.Move(state.values.left, state.values.top);
}

void KeepOnAMonitor(ui::Form& window, ProgramState& state) {
  const ui::Screen& screen = state.platform.screen();
  std::vector<ui::Bounds> monitors = screen.Monitors();
  // The screen is the primary monitor, there even when the monitors cannot be listed.
  monitors.push_back({0, 0, screen.WidthTwips(), screen.HeightTwips()});
  const double left = window.Left(), top = window.Top();
  const double right = left + window.Width(), bottom = top + window.Height();
  // Edges that touch count as on the monitor: a corner on its right or bottom edge always has.
  for (const ui::Bounds& m : monitors)
    if (left <= m.left + m.width && top <= m.top + m.height && right >= m.left && bottom >= m.top)
      return;
  state.values.left = 0;
  state.values.top = 0;
  window.Move(0, 0);
}

double NearestOfferedFontSize(double points) {
  // A text that is no number at all reads as 0.
  if (!(points > kSmallestOfferedFontSize)) return kSmallestOfferedFontSize;
  return points < kLargestOfferedFontSize ? points : kLargestOfferedFontSize;
}

void ApplyWindowLayer(ui::Form& window, WindowLayer layer) {
  ui::WindowManager& windows = window.platform().windows();
  switch (layer) {
    case WindowLayer::Normal:
      windows.SetTopmost(window, false);
      windows.SetBottomHook(window, false);
      break;
    case WindowLayer::AlwaysOnTop:
      windows.SetTopmost(window, true);
      break;
    case WindowLayer::AlwaysAtBottom:
      windows.SetBottomHook(window, true);
      break;
    default:
      break;  // a layer outside the list changes nothing
  }
}

void MakeLayered(ui::Form& window, Layering layering, ui::Colour colour, int alpha) {
  window.platform().windows().SetLayered(window, layering == Layering::ColourKey, colour, alpha);
}

void DragWhenAltLeft(ui::Form& window, ui::MouseButton button, int shift) {
  if (button == ui::MouseButton::Left && shift == ui::kAlt)
    window.platform().windows().BeginDrag(window);
}

}  // namespace orvel::program
