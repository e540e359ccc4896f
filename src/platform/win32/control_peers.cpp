#include "platform/win32/control_peers.h"

namespace orvel::win32 {

std::unique_ptr<ControlPeer> MakeControlPeer(FormWindow& form, ui::Widget& widget) {
  if (auto* w = dynamic_cast<ui::Grid*>(&widget)) return MakeGridPeer(form, *w);
  if (auto* w = dynamic_cast<ui::Label*>(&widget)) return MakeLabelPeer(form, *w);
  if (auto* w = dynamic_cast<ui::Button*>(&widget)) return MakeButtonPeer(form, *w);
  if (auto* w = dynamic_cast<ui::CheckBox*>(&widget)) return MakeCheckBoxPeer(form, *w);
  if (auto* w = dynamic_cast<ui::TextBox*>(&widget)) return MakeTextBoxPeer(form, *w);
  if (auto* w = dynamic_cast<ui::ComboBox*>(&widget)) return MakeComboBoxPeer(form, *w);
  if (auto* w = dynamic_cast<ui::ListBox*>(&widget)) return MakeListBoxPeer(form, *w);
  if (auto* w = dynamic_cast<ui::DatePicker*>(&widget)) return MakeDatePickerPeer(form, *w);
  if (auto* w = dynamic_cast<ui::Frame*>(&widget)) return MakeFramePeer(form, *w);
  if (auto* w = dynamic_cast<ui::Picture*>(&widget)) return MakePicturePeer(form, *w);
  if (auto* w = dynamic_cast<ui::Timer*>(&widget)) return MakeTimerPeer(form, *w);
  return nullptr;
}

}  // namespace orvel::win32
