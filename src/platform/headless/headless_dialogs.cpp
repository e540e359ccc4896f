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

namespace {

void RecordItems(const std::vector<ui::MenuItem>& items, ShownMenu& shown) {
  for (const ui::MenuItem& item : items) {
    if (item.checked) shown.checked.push_back(item.caption);
    if (item.submenu.empty()) continue;
    std::vector<std::string>& captions = shown.submenus[item.caption];
    for (const ui::MenuItem& inner : item.submenu) captions.push_back(inner.caption);
    RecordItems(item.submenu, shown);
  }
}

const ui::MenuItem* FindInSubmenus(const std::vector<ui::MenuItem>& items,
                                   const std::string& caption) {
  for (const ui::MenuItem& item : items) {
    for (const ui::MenuItem& inner : item.submenu)
      if (inner.caption == caption) return &inner;
    if (const ui::MenuItem* found = FindInSubmenus(item.submenu, caption)) return found;
  }
  return nullptr;
}

}  // namespace

void HeadlessDialogs::ShowPopupMenu(const ui::Form* owner, const ui::PopupMenu& menu) {
  (void)owner;
  ShownMenu shown{menu.name(), {}, {}, {}, std::nullopt, {}, false};
  const std::vector<ui::MenuItem>& items = menu.Items();
  for (const ui::MenuItem& item : items) shown.captions.push_back(item.caption);
  RecordItems(items, shown);
  const ui::MenuItem* chosen = nullptr;
  if (!menuChoices_.empty()) {
    const MenuChoice& choice = menuChoices_.front();
    shown.choice = choice.item;
    for (std::size_t i = 0; i < shown.captions.size(); ++i)
      if (!choice.caption.empty() && shown.captions[i] == choice.caption) shown.choice = i;
    if (shown.choice && *shown.choice < items.size())
      chosen = &items[*shown.choice];
    else if (!choice.caption.empty())
      chosen = FindInSubmenus(items, choice.caption);
    shown.scripted = true;
    menuChoices_.pop_front();
  }
  // An item that opens a submenu is no choice of its own.
  if (chosen && !chosen->submenu.empty()) chosen = nullptr;
  if (chosen) shown.chosenCaption = chosen->caption;
  menus_.push_back(shown);
  // The record is complete before the handler runs: it may open dialogs of its own.
  if (chosen) ui::PopupMenu::Choose(*chosen);
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
