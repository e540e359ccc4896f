#pragma once
// Factories of the peers of the plain controls, one file each.
#include <memory>

#include "platform/ui/controls.h"
#include "platform/ui/grid.h"
#include "platform/win32/control_peer.h"

namespace orvel::win32 {

class FormWindow;

std::unique_ptr<ControlPeer> MakeLabelPeer(FormWindow& form, ui::Label& label);
std::unique_ptr<ControlPeer> MakeButtonPeer(FormWindow& form, ui::Button& button);
std::unique_ptr<ControlPeer> MakeCheckBoxPeer(FormWindow& form, ui::CheckBox& box);
std::unique_ptr<ControlPeer> MakeTextBoxPeer(FormWindow& form, ui::TextBox& box);
std::unique_ptr<ControlPeer> MakeComboBoxPeer(FormWindow& form, ui::ComboBox& box);
// A plain list, or a FileList that reads its folder.
std::unique_ptr<ControlPeer> MakeListBoxPeer(FormWindow& form, ui::ListBox& list);
std::unique_ptr<ControlPeer> MakeDatePickerPeer(FormWindow& form, ui::DatePicker& picker);
std::unique_ptr<ControlPeer> MakeFramePeer(FormWindow& form, ui::Frame& frame);
std::unique_ptr<ControlPeer> MakePicturePeer(FormWindow& form, ui::Picture& picture);
std::unique_ptr<ControlPeer> MakeTimerPeer(FormWindow& form, ui::Timer& timer);
std::unique_ptr<ControlPeer> MakeGridPeer(FormWindow& form, ui::Grid& grid);

// Any widget: the peer of its type, or null for an unknown type.
std::unique_ptr<ControlPeer> MakeControlPeer(FormWindow& form, ui::Widget& widget);

}  // namespace orvel::win32
