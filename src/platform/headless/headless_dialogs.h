#pragma once
// Modal dialogs answered from a script. Every dialog shown is recorded with the answer it got.
// Without a scripted answer a message box answers Ok (Ok box) or No (Yes/No box), an input box
// is cancelled (empty answer), the colour dialog is cancelled, a pop-up menu is dismissed and a
// file dialog is cancelled.
#include <cstddef>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/services.h"

namespace orvel::headless {

struct ShownMessage {
  std::string text;
  std::string title;
  ui::MessageIcon icon = ui::MessageIcon::None;
  ui::MessageButtons buttons = ui::MessageButtons::Ok;
  ui::MessageAnswer answer = ui::MessageAnswer::Ok;
  bool scripted = false;
};

struct ShownInput {
  std::string prompt;
  std::string title;
  std::string defaultText;
  std::string answer;
  bool scripted = false;
};

struct ShownColourDialog {
  ui::Colour initial = 0;
  std::optional<ui::Colour> answer;
  bool scripted = false;
};

struct ShownMenu {
  std::string name;
  std::vector<std::string> captions;  // the menu's own items
  // The captions of each item's submenu, by the item's caption.
  std::map<std::string, std::vector<std::string>> submenus;
  // The checked items' captions, submenus' included, in the order the menu shows them.
  std::vector<std::string> checked;
  std::optional<std::size_t> choice;  // an item of the menu's own
  std::string chosenCaption;          // the item chosen, wherever it is; empty when none
  bool scripted = false;
};

enum class FileDialogKind { Open, Save };

struct ShownFileDialog {
  FileDialogKind kind = FileDialogKind::Open;
  ui::FileDialogRequest request;
  std::optional<std::string> answer;
  bool scripted = false;
};

class HeadlessDialogs : public ui::Dialogs {
 public:
  ui::MessageAnswer MessageBox(const ui::Form* owner, const std::string& text,
                               const std::string& title, ui::MessageIcon icon,
                               ui::MessageButtons buttons) override;
  std::string InputBox(const ui::Form* owner, const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  std::optional<ui::Colour> ChooseColour(const ui::Form* owner, ui::Colour initial) override;
  // Records the menu, then runs the chosen item's handler.
  void ShowPopupMenu(const ui::Form* owner, const ui::PopupMenu& menu) override;
  std::optional<std::string> OpenFileName(const ui::Form* owner,
                                          const ui::FileDialogRequest& request) override;
  std::optional<std::string> SaveFileName(const ui::Form* owner,
                                          const ui::FileDialogRequest& request) override;

  // Answers for the next dialogs of each kind, used in order.
  void QueueMessageAnswer(ui::MessageAnswer answer) { messageAnswers_.push_back(answer); }
  void QueueInput(std::string answer) { inputAnswers_.push_back(std::move(answer)); }
  void QueueColour(std::optional<ui::Colour> answer) { colourAnswers_.push_back(answer); }
  void QueueMenuChoice(std::optional<std::size_t> item) { menuChoices_.push_back({item, {}}); }
  // The item the user finds by its caption, wherever the menu or a submenu of it has it (the
  // menu's own items first); dismissed when none has.
  void QueueMenuCaption(std::string caption) {
    menuChoices_.push_back({std::nullopt, std::move(caption)});
  }
  // A path the user picks in the next open or save dialog, or nullopt for Cancel.
  void QueueFileName(std::optional<std::string> path) { fileNames_.push_back(std::move(path)); }
  // Scripted answers not used yet, of all kinds.
  std::size_t PendingAnswers() const;

  const std::vector<ShownMessage>& Messages() const { return messages_; }
  const std::vector<ShownInput>& Inputs() const { return inputs_; }
  const std::vector<ShownColourDialog>& ColourDialogs() const { return colourDialogs_; }
  const std::vector<ShownMenu>& Menus() const { return menus_; }
  const std::vector<ShownFileDialog>& FileDialogs() const { return fileDialogs_; }

 private:
  std::deque<ui::MessageAnswer> messageAnswers_;
  std::deque<std::string> inputAnswers_;
  std::deque<std::optional<ui::Colour>> colourAnswers_;
  struct MenuChoice {
    std::optional<std::size_t> item;
    std::string caption;  // when not empty: the item with this caption
  };
  std::deque<MenuChoice> menuChoices_;
  std::deque<std::optional<std::string>> fileNames_;
  std::vector<ShownMessage> messages_;
  std::vector<ShownInput> inputs_;
  std::vector<ShownColourDialog> colourDialogs_;
  std::vector<ShownMenu> menus_;
  std::vector<ShownFileDialog> fileDialogs_;

  std::optional<std::string> FileDialog(FileDialogKind kind, const ui::FileDialogRequest& request);
};

}  // namespace orvel::headless
