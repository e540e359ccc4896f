#include <memory>
#include <vector>

#include "classic/classic_program.h"
#include "classic/classic_program_parts.h"

namespace orvel::classic {

// The control panel behind the double clicks: created and loaded at each opening, only brought
// forward while it is open.
void ClassicProgram::WirePanel() {
  panel_ = std::make_unique<PanelParts>();
  window_.ShowControlPanel = [this] {
    std::unique_ptr<panel::FrmControl>& form = panel_->form;
    if (form && form->Loaded()) {
      form->BringToFront();
      return;
    }
    // No handler of the old panel can be running now: it was closed, and the double click
    // comes from the schedule window.
    form = std::make_unique<panel::FrmControl>(window_, state_);
    form->OtherOpenForms = [this] {
      std::vector<ui::Form*> forms{&window_};
      if (clock_->popup && clock_->popup->Loaded()) forms.push_back(clock_->popup.get());
      if (ui::Form* countdown = idle_.OpenCountdown()) forms.push_back(countdown);
      return forms;
    };
    form->Show();
  };
}

}  // namespace orvel::classic
