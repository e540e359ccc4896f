#include "program/window_startup.h"

#include "platform/ui/platform.h"
#include "timetable/number_text.h"

namespace orvel::program {

void ReadStartupSettings(ProgramState& state) {
  state.colours = ColourTable();
  state.values.ScdFileName = std::string(kDefaultScdFileName);
  const SettingsRecord settings = ReadSettings(state.programFolder, state.edition);
  state.values = WorkingValuesFromSettings(settings);
  state.colours.SetCustomFromSettings(settings.CustomColours);
  if (!state.startupScdFileName.empty()) state.values.ScdFileName = state.startupScdFileName;
}

void RestorePosition(ui::Form& window, ProgramState& state) {
  WorkingValues& values = state.values;
  const ui::Screen& screen = state.platform.screen();
  if (values.left > screen.WidthTwips() || values.top > screen.HeightTwips()) {
    values.left = 0;
    values.top = 0;
  }
  window.Move(values.left, values.top);
}

void ApplyWindowLayer(ui::Form& window, int layer) {
  ui::WindowManager& windows = window.platform().windows();
  switch (layer) {
    case 0:
      windows.SetTopmost(window, false);
      window.platform().windows().SetBottomHook(window, false);
      break;
    case 1:
      windows.SetTopmost(window, true);
      break;
    case 2:
      window.platform().windows().SetBottomHook(window, true);
      break;
    default:
      break;  // an unknown layer changes nothing
  }
}

void ApplyTransparency(ui::Form& window, int aORc, ui::Colour colour, int alpha) {
  if (aORc != 0 && aORc != 1) return;
  window.platform().windows().SetLayered(window, aORc == 1, colour, alpha);
}

std::string AreaTagText(double area) {
  return FormatShortest(area);
}

void DragWhenAltLeft(ui::Form& window, ui::MouseButton button, int shift) {
  if (button == ui::MouseButton::Left && shift == ui::kAlt)
    window.platform().windows().BeginDrag(window);
}

}  // namespace orvel::program
