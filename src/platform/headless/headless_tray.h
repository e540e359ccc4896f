#pragma once
// The notification area in memory: the icons present, every add / modify / delete with its
// record and result, and the callback hooks, which live in the window's hook chain.
#include <string>
#include <vector>

#include "platform/headless/headless_windows.h"
#include "platform/ui/services.h"

namespace orvel::headless {

// Modify shows a balloon; Tip gives the icon a new tip (both are the shell's modify).
enum class TrayOpKind { Add, Modify, Delete, Tip };

// An icon's record as the shell receives it: the callback as its message number.
struct ShellIconRecord {
  int iconId = 1;
  unsigned callbackMessage = 0;  // 0: no callback
  std::string tipAnsi;
  std::string balloonTextAnsi;
  std::string balloonTitleAnsi;
  ui::BalloonIcon balloonIcon = ui::BalloonIcon::None;
};
ShellIconRecord ShellRecord(const ui::TrayRecord& record);

struct TrayOp {
  TrayOpKind kind = TrayOpKind::Add;
  const ui::Form* form = nullptr;  // compared only: the form may be gone
  ShellIconRecord record;
  bool ok = false;
};

class HeadlessTray : public ui::Tray {
 public:
  explicit HeadlessTray(HeadlessWindows& windows) : windows_(windows) {}

  // Fails for an icon id that the window already shows (as the shell does) and for a form
  // without a window.
  bool Add(ui::Form& form, const ui::TrayRecord& record) override;
  // Fails when the icon is not there.
  bool ShowBalloon(ui::Form& form, const ui::TrayRecord& record) override;
  bool Remove(ui::Form& form, const ui::TrayRecord& record) override;
  // Fails when the icon is not there.
  bool SetTip(ui::Form& form, const ui::TrayRecord& record) override;
  // Each call links one more hook into the form's chain (HeadlessWindows::HookChain).
  void HookCallback(ui::Form& form, std::function<void(ui::TrayMouse mouse)> onMouse) override;

  // The user does something with the mouse over the form's icon (mouse message such as 514,
  // left button up). False when the form shows no icon; otherwise the icon's callback message
  // travels down the form's hook chain.
  bool SendTrayMouse(const ui::Form& form, unsigned mouseMessage);

  const std::vector<TrayOp>& Ops() const { return ops_; }
  // The icon the form shows now, with its balloon, or nullptr.
  const ShellIconRecord* Icon(const ui::Form& form) const;
  std::size_t IconCount() const { return icons_.size(); }

  // The window went away, and its icons with it.
  void Closed(const ui::Form& form);

 private:
  struct Present {
    const ui::Form* form;
    ShellIconRecord record;
  };
  std::vector<Present>::iterator FindIcon(const ui::Form& form, int iconId);
  bool Record(TrayOpKind kind, const ui::Form& form, const ui::TrayRecord& record, bool ok);

  HeadlessWindows& windows_;
  std::vector<Present> icons_;
  std::vector<TrayOp> ops_;
};

}  // namespace orvel::headless
