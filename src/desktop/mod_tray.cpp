#include "desktop/mod_tray.h"

#include "desktop/tray_text.h"
#include "platform/ui/platform.h"

namespace orvel::desktop {

void ModTray::AddTrayIcon(ui::Form& form, std::string_view tip) {
  const bool grid = edition_ == Edition::Grid;
  if (grid && hooked_ != &form) {
    hooked_ = &form;
    form.platform().tray().HookCallback(form, [&form](ui::TrayMouse mouse) {
      if (mouse != ui::TrayMouse::LeftButtonUp) return;
      if (form.Visible())
        form.Hide();
      else
        form.Show();
    });
  }
  window_ = &form;
  record_.iconId = 1;
  record_.callback = grid ? ui::TrayCallback::ProgramMessage : ui::TrayCallback::MouseMove;
  record_.tipAnsi = AnsiField(tip, kTipBytes);
  form.platform().tray().Add(form, record_);
}

void ModTray::ShowBalloon(ui::Form& form, std::string_view text, std::string_view title,
                          ui::BalloonIcon kind) {
  window_ = &form;
  record_.balloonTextAnsi = AnsiField(text, kBalloonTextBytes);
  record_.balloonTitleAnsi = AnsiField(title, kBalloonTitleBytes);
  record_.balloonIcon = kind;
  form.platform().tray().ShowBalloon(form, record_);
}

void ModTray::RemoveTrayIcon() {
  if (window_) window_->platform().tray().Remove(*window_, record_);
}

void ModTray::Forget(const ui::Form& form) {
  if (window_ == &form) window_ = nullptr;
  if (hooked_ == &form) hooked_ = nullptr;
}

}  // namespace orvel::desktop
