#include "platform/headless/headless_tray.h"

#include <algorithm>

#include "platform/system_numbers.h"

namespace orvel::headless {

ShellIconRecord ShellRecord(const ui::TrayRecord& record) {
  ShellIconRecord shell;
  shell.iconId = record.iconId;
  switch (record.callback) {
    case ui::TrayCallback::ProgramMessage:
      shell.callbackMessage = sys::kTrayCallbackMessage;
      break;
    case ui::TrayCallback::MouseMove:
      shell.callbackMessage = sys::kWmMouseMove;
      break;
    case ui::TrayCallback::None:
      break;
  }
  shell.tipAnsi = record.tipAnsi;
  shell.balloonTextAnsi = record.balloonTextAnsi;
  shell.balloonTitleAnsi = record.balloonTitleAnsi;
  shell.balloonIcon = record.balloonIcon;
  return shell;
}

std::vector<HeadlessTray::Present>::iterator HeadlessTray::FindIcon(const ui::Form& form,
                                                                    int iconId) {
  return std::find_if(icons_.begin(), icons_.end(), [&](const Present& p) {
    return p.form == &form && p.record.iconId == iconId;
  });
}

bool HeadlessTray::Record(TrayOpKind kind, const ui::Form& form, const ui::TrayRecord& record,
                          bool ok) {
  ops_.push_back(TrayOp{kind, &form, ShellRecord(record), ok});
  return ok;
}

bool HeadlessTray::Add(ui::Form& form, const ui::TrayRecord& record) {
  const bool ok = windows_.Window(form) != nullptr && FindIcon(form, record.iconId) == icons_.end();
  if (ok) icons_.push_back(Present{&form, ShellRecord(record)});
  return Record(TrayOpKind::Add, form, record, ok);
}

bool HeadlessTray::ShowBalloon(ui::Form& form, const ui::TrayRecord& record) {
  const auto it = FindIcon(form, record.iconId);
  const bool ok = it != icons_.end();
  if (ok) {
    it->record.balloonTextAnsi = record.balloonTextAnsi;
    it->record.balloonTitleAnsi = record.balloonTitleAnsi;
    it->record.balloonIcon = record.balloonIcon;
  }
  return Record(TrayOpKind::Modify, form, record, ok);
}

bool HeadlessTray::Remove(ui::Form& form, const ui::TrayRecord& record) {
  const auto it = FindIcon(form, record.iconId);
  const bool ok = it != icons_.end();
  if (ok) icons_.erase(it);
  return Record(TrayOpKind::Delete, form, record, ok);
}

bool HeadlessTray::SetTip(ui::Form& form, const ui::TrayRecord& record) {
  const auto it = FindIcon(form, record.iconId);
  const bool ok = it != icons_.end();
  if (ok) it->record.tipAnsi = record.tipAnsi;
  return Record(TrayOpKind::Tip, form, record, ok);
}

void HeadlessTray::HookCallback(ui::Form& form, std::function<void(ui::TrayMouse)> onMouse) {
  windows_.AddTrayHook(form, sys::kTrayCallbackMessage,
                       [onMouse = std::move(onMouse)](unsigned mouseMessage) {
                         onMouse(mouseMessage == sys::kWmLButtonUp ? ui::TrayMouse::LeftButtonUp
                                                                     : ui::TrayMouse::Other);
                       });
}

bool HeadlessTray::SendTrayMouse(const ui::Form& form, unsigned mouseMessage) {
  const ShellIconRecord* icon = Icon(form);
  if (!icon) return false;
  const unsigned message = icon->callbackMessage;
  if (message != 0) windows_.DeliverTrayMessage(form, message, mouseMessage);
  return true;
}

const ShellIconRecord* HeadlessTray::Icon(const ui::Form& form) const {
  const auto it =
      std::find_if(icons_.begin(), icons_.end(), [&](const Present& p) { return p.form == &form; });
  return it == icons_.end() ? nullptr : &it->record;
}

void HeadlessTray::Closed(const ui::Form& form) {
  std::erase_if(icons_, [&](const Present& p) { return p.form == &form; });
}

}  // namespace orvel::headless
