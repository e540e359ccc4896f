#include <memory>
#include <vector>

#include "classic/classic_program.h"
#include "classic/classic_program_parts.h"
#include "panel/panel_opener.h"

namespace orvel::classic {

// The control panel behind the double clicks.
void ClassicProgram::WirePanel() {
  panel_ = std::make_unique<PanelParts>();
  window_.ShowControlPanel = [this] {
    panel::OpenControlPanel(panel_->form, window_, state_, [this] {
      std::vector<ui::Form*> forms{&window_};
      if (clock_->popup && clock_->popup->Loaded()) forms.push_back(clock_->popup.get());
      if (ui::Form* countdown = idle_.OpenCountdown()) forms.push_back(countdown);
      return forms;
    });
  };
}

}  // namespace orvel::classic
