#include "program/window_startup.h"

#include "platform/ui/monitors.h"
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
  state.classroom = ReadClassroomSettings(state.programFolder);
}

void RestorePosition(ui::Form& window, ProgramState& state) {
  window.Move(state.values.left, state.values.top);
}

void KeepOnAMonitor(ui::Form& window, ProgramState& state) {
  if (ui::OnAMonitor(window.bounds(), ui::MonitorsOrScreen(state.platform.screen()))) return;
  state.values.left = 0;
  state.values.top = 0;
  window.Move(0, 0);
}

double NearestOfferedFontSize(double points) {
  // A text that is no number at all reads as 0.
  if (!(points > kSmallestOfferedFontSize)) return kSmallestOfferedFontSize;
  return points < kLargestOfferedFontSize ? points : kLargestOfferedFontSize;
}

void ApplyWindowLayer(ProgramState& state, ScheduleWindow& window, WindowLayer layer) {
  ui::Form& form = window.form();
  ui::WindowManager& windows = state.platform.windows();
  switch (layer) {
    case WindowLayer::Normal:
      windows.SetTopmost(form, false);
      windows.SetBottomHook(form, false);
      break;
    case WindowLayer::AlwaysOnTop:
      windows.SetTopmost(form, true);
      break;
    case WindowLayer::AlwaysAtBottom:
      windows.SetBottomHook(form, true);
      break;
    default:
      break;  // a layer outside the list changes nothing
  }
  KeepInFrontWhenOnTop(state, window, layer);
}

void KeepInFrontWhenOnTop(ProgramState& state, ScheduleWindow& window, WindowLayer layer) {
  switch (layer) {
    case WindowLayer::AlwaysOnTop:
      if (!window.keptInFront)
        window.keptInFront = state.front.Keep(window.form(), desktop::FrontOrder::Window);
      break;
    case WindowLayer::Normal:
    case WindowLayer::AlwaysAtBottom:
      window.keptInFront = {};
      break;
    default:
      break;
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
