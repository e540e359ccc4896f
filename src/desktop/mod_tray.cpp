#include "desktop/mod_tray.h"

#include "desktop/tray_text.h"
#include "platform/ui/platform.h"

namespace orvel::desktop {
namespace {

std::string TipWithStatus(std::string_view tip, std::string_view status) {
  std::string text(tip);
  if (!status.empty()) text.append("\n").append(status);
  return text;
}

}  // namespace

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
  tip_ = std::string(tip);
  record_.tipAnsi = AnsiField(TipWithStatus(tip_, status_), kTipBytes);
  // Added twice, the system refuses the second: the icon is there all the same.
  if (form.platform().tray().Add(form, record_)) shown_ = true;
}

void ModTray::SetStatus(std::string_view status) {
  status_ = std::string(status);
  record_.tipAnsi = AnsiField(TipWithStatus(tip_, status_), kTipBytes);
  if (shown_ && window_) window_->platform().tray().SetTip(*window_, record_);
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
  shown_ = false;
}

void ModTray::Forget(const ui::Form& form) {
  if (window_ == &form) {
    window_ = nullptr;
    shown_ = false;
  }
  if (hooked_ == &form) hooked_ = nullptr;
}

}  // namespace orvel::desktop
