#pragma once
// ModTray: the schedule window's icon in the notification area and the balloons on it. One
// object per program, owned by the program state, keeps the record the routines fill in turn.
//
// Grid edition: adding the icon also hooks the window, so that a left click on the icon hides or
// shows it (the program's own callback message). Classic edition: no hook, and the icon sends the
// mouse-move message, on which the classic window does nothing.
#include <string>
#include <string_view>

#include "platform/ui/form.h"
#include "platform/ui/services.h"
#include "timetable/edition.h"

namespace orvel::desktop {

class ModTray {
 public:
  explicit ModTray(Edition edition) : edition_(edition) {}
  ModTray(const ModTray&) = delete;
  ModTray& operator=(const ModTray&) = delete;

  // Hooks `form` (grid edition, once per window) and adds its icon with the tip text, and the
  // status below it when one is set.
  void AddTrayIcon(ui::Form& form, std::string_view tip);
  // A second line of the tip, such as the state of a followed timetable; an icon shown takes it
  // at once. Empty: the tip alone, as the icon had it.
  void SetStatus(std::string_view status);
  // Whether the icon is there: added, and not removed since.
  bool Shown() const { return shown_; }
  // The tip last given to AddTrayIcon.
  const std::string& Tip() const { return tip_; }
  // A balloon on the icon; the icon must have been added.
  void ShowBalloon(ui::Form& form, std::string_view text, std::string_view title,
                   ui::BalloonIcon kind);
  // Removes the icon last added or shown, with any balloon.
  void RemoveTrayIcon();

  const ui::TrayRecord& record() const { return record_; }
  // The form is being destroyed: forget it, so no later call reaches it.
  void Forget(const ui::Form& form);

 private:
  Edition edition_;
  ui::TrayRecord record_;
  std::string tip_;
  std::string status_;
  bool shown_ = false;
  ui::Form* window_ = nullptr;        // the window the record names
  const ui::Form* hooked_ = nullptr;  // the window that carries the click hook
};

}  // namespace orvel::desktop
