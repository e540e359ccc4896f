// FrmControl, interface page: lock, fold, frame, transparency, layer, scheme, custom colours and
// the grid's fonts. Each acts on the schedule window at once.
#include <optional>
#include <string>

#include "panel/frm_control.h"
#include "platform/text_codec.h"
#include "platform/ui/grid.h"
#include "platform/ui/platform.h"
#include "program/live_values.h"
#include "program/window_startup.h"
#include "timetable/number_text.h"

namespace orvel::panel {

bool FontNameListed(std::string_view utf8Name) {
  // Chinese font names: a high first byte alone is not enough (GBK's single-byte "€", or any
  // accented letter of a single-byte code page).
  return StartsWithDoubleByteCharacter(Utf8ToAnsi(utf8Name));
}

void FrmControl::ChkLock_Click() {
  program::SetLock(state_, window_, ChkLock.Value() == 1);
}

void FrmControl::ChkFold_Click() {
  program::SetFold(state_, window_, ChkFold.Value() == 1);
}

void FrmControl::ChkFrame_Click() {
  // The classic edition records it for the next build of its matrix.
  window_.ApplyFrame(ChkFrame.Value() == 1);
}

void FrmControl::ChkAlpha_Click() {
  if (ChkAlpha.Value() == 1)
    window_.MakeLayered(program::Layering::ColourKey,
                        state_.colours.Get(state_.values.scheme, kColourBackground), 0);
  else
    window_.MakeLayered(program::Layering::ConstantAlpha, 0, 255);
}

void FrmControl::CmbTopFloor_Click() {
  ui::Form& form = window_.form();
  ui::WindowManager& windows = state_.platform.windows();
  const auto layer = ChoiceAtListIndex<WindowLayer>(CmbTopFloor.ListIndex());
  // The hook is always removed first, so that it is never installed twice.
  switch (layer) {
    case WindowLayer::Normal:
      windows.SetTopmost(form, false);
      windows.SetBottomHook(form, false);
      break;
    case WindowLayer::AlwaysOnTop:
      windows.SetBottomHook(form, false);
      windows.SetTopmost(form, true);
      break;
    case WindowLayer::AlwaysAtBottom:
      windows.SetBottomHook(form, false);
      windows.SetBottomHook(form, true);
      break;
    default:
      break;
  }
  program::KeepInFrontWhenOnTop(state_, window_, layer);
}

void FrmControl::CmbColSet_Click() {
  // The schedule clock repaints with the new scheme at its next tick.
  state_.values.scheme = ChoiceAtListIndex<SchemeChoice>(CmbColSet.ListIndex());
}

void FrmControl::LabColor_Click(std::int16_t Index) {
  if (Index < 0 || Index >= static_cast<std::int16_t>(LabColor.size())) return;
  if (CmbColSet.Text() != "自定义") return;
  const std::optional<ui::Colour> chosen = state_.platform.dialogs().ChooseColour(this, 0);
  if (!chosen) return;
  LabColor[static_cast<std::size_t>(Index)].SetBackColour(*chosen);
  state_.colours.SetCustom(Index + 1, *chosen);
}

void FrmControl::CmbFontName_Click() {
  if (CmbFontName && !CmbFontName->Text().empty()) window_.SetGridFontName(CmbFontName->Text());
}

void FrmControl::CmbFontSize_Click() {
  if (!CmbFontSize) return;
  const std::optional<float> size = ToSingle(CmbFontSize->Text());
  // A size the grid cannot draw is refused, and the step skipped.
  if (size && *size > 0 && *size <= ui::Grid::kMaxFontSize) window_.SetGridFontSize(*size);
}

void FrmControl::CmbFun_Click() {
  if (!CmbFun) return;
  const std::optional<std::int32_t> effect = ToInt32(CmbFun->Text());
  if (effect && *effect >= 0 && *effect <= ui::Grid::kMaxTextEffect)
    window_.SetGridTextEffect(*effect);
}

}  // namespace orvel::panel
