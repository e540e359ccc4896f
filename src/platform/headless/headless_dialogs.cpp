#include "platform/headless/headless_dialogs.h"

namespace orvel::headless {

ui::MessageAnswer HeadlessDialogs::MessageBox(const ui::Form* owner, const std::string& text,
                                              const std::string& title, ui::MessageIcon icon,
                                              ui::MessageButtons buttons) {
  (void)owner;
  ShownMessage shown{text, title, icon, buttons, ui::MessageAnswer::Ok, false};
  if (!messageAnswers_.empty()) {
    shown.answer = messageAnswers_.front();
    shown.scripted = true;
    messageAnswers_.pop_front();
  } else if (buttons == ui::MessageButtons::YesNo) {
    shown.answer = ui::MessageAnswer::No;  // the safe answer to a question nobody scripted
  }
  messages_.push_back(shown);
  return shown.answer;
}

std::string HeadlessDialogs::InputBox(const ui::Form* owner, const std::string& prompt,
                                      const std::string& title, const std::string& defaultText) {
  (void)owner;
  ShownInput shown{prompt, title, defaultText, {}, false};
  if (!inputAnswers_.empty()) {
    shown.answer = std::move(inputAnswers_.front());
    shown.scripted = true;
    inputAnswers_.pop_front();
  }
  inputs_.push_back(shown);
  return shown.answer;
}

std::optional<ui::Colour> HeadlessDialogs::ChooseColour(const ui::Form* owner, ui::Colour initial) {
  (void)owner;
  ShownColourDialog shown{initial, std::nullopt, false};
  if (!colourAnswers_.empty()) {
    shown.answer = colourAnswers_.front();
    shown.scripted = true;
    colourAnswers_.pop_front();
  }
  colourDialogs_.push_back(shown);
  return shown.answer;
}

void HeadlessDialogs::ShowPopupMenu(const ui::Form* owner, const ui::PopupMenu& menu) {
  (void)owner;
  ShownMenu shown{menu.name(), {}, std::nullopt, false};
  for (const ui::MenuItem& item : menu.Items()) shown.captions.push_back(item.caption);
  if (!menuChoices_.empty()) {
    const MenuChoice& choice = menuChoices_.front();
    shown.choice = choice.item;
    for (std::size_t i = 0; i < shown.captions.size(); ++i)
      if (!choice.caption.empty() && shown.captions[i] == choice.caption) shown.choice = i;
    shown.scripted = true;
    menuChoices_.pop_front();
  }
  menus_.push_back(shown);
  // The record is complete before the handler runs: it may open dialogs of its own.
  if (shown.choice) menu.Choose(*shown.choice);
}

std::optional<std::string> HeadlessDialogs::OpenFileName(const ui::Form* owner,
                                                         const ui::FileDialogRequest& request) {
  (void)owner;
  return FileDialog(FileDialogKind::Open, request);
}

std::optional<std::string> HeadlessDialogs::SaveFileName(const ui::Form* owner,
                                                         const ui::FileDialogRequest& request) {
  (void)owner;
  return FileDialog(FileDialogKind::Save, request);
}

std::optional<std::string> HeadlessDialogs::FileDialog(FileDialogKind kind,
                                                       const ui::FileDialogRequest& request) {
  ShownFileDialog shown{kind, request, std::nullopt, false};
  if (!fileNames_.empty()) {
    shown.answer = std::move(fileNames_.front());
    shown.scripted = true;
    fileNames_.pop_front();
  }
  fileDialogs_.push_back(shown);
  return shown.answer;
}

std::size_t HeadlessDialogs::PendingAnswers() const {
  return messageAnswers_.size() + inputAnswers_.size() + colourAnswers_.size() +
         menuChoices_.size() + fileNames_.size();
}

}  // namespace orvel::headless
