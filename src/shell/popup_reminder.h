#pragma once
// The popup reminder as both editions' clocks raise it: the two tones, then frmTips with the
// text. An open popup only takes the new text and keeps counting its 15 s; a closed one is
// replaced by a fresh one, which is safe because the old one runs no handler at that moment.
#include <memory>
#include <string>

#include "desktop/frm_tips.h"
#include "platform/ui/form.h"

namespace orvel::shell {

void RemindByPopup(ui::Form& window, std::unique_ptr<desktop::FrmTips>& popup, std::string text);

// The same popup with a notice, without the tones.
void ShowNotice(ui::Form& window, std::unique_ptr<desktop::FrmTips>& popup, std::string text);

}  // namespace orvel::shell
