#include "panel/panel_opener.h"
#include "schedule/grid_program.h"
#include "schedule/grid_program_parts.h"

namespace orvel::schedule {

// The control panel behind the double clicks.
void GridProgram::WirePanel() {
  panel_ = std::make_unique<PanelParts>();
  window_.ShowControlPanel = [this] {
    panel::OpenControlPanel(panel_->form, window_, state_, [this] {
      std::vector<ui::Form*> forms{&window_};
      if (clock_ && clock_->popup && clock_->popup->Loaded()) forms.push_back(clock_->popup.get());
      if (ui::Form* countdown = idle_.OpenCountdown()) forms.push_back(countdown);
      return forms;
    });
  };
}

}  // namespace orvel::schedule
