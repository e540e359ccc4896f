#pragma once
// The real Win32 platform for tests that run a program in-process: the program's folder moved
// to the test's own, and the dialogs answered by the test so that nothing waits for a click.
#include <windows.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/platform.h"
#include "platform/win32/win32_platform.h"

namespace orvel::wintest {

// Message boxes are recorded and answered as a user would (OK, No); open and save dialogs take
// the queued paths (Cancel when none is left); pop-up menus are recorded, and shown for real
// when the test hands over the system's dialogs.
class AnsweringDialogs : public ui::Dialogs {
 public:
  struct Shown {
    std::string text, title;
    ui::MessageIcon icon;
  };
  ui::MessageAnswer MessageBox(const ui::Form*, const std::string& text, const std::string& title,
                               ui::MessageIcon icon, ui::MessageButtons buttons) override {
    messages.push_back(Shown{text, title, icon});
    return buttons == ui::MessageButtons::YesNo ? ui::MessageAnswer::No : ui::MessageAnswer::Ok;
  }
  std::string InputBox(const ui::Form*, const std::string&, const std::string&,
                       const std::string&) override {
    return {};
  }
  std::optional<ui::Colour> ChooseColour(const ui::Form*, ui::Colour) override {
    return std::nullopt;
  }
  void ShowPopupMenu(const ui::Form* owner, const ui::PopupMenu& menu) override {
    menus.push_back(menu.name());
    if (realMenus) realMenus->ShowPopupMenu(owner, menu);
  }
  std::optional<std::string> OpenFileName(const ui::Form*, const ui::FileDialogRequest&) override {
    return NextFileName();
  }
  std::optional<std::string> SaveFileName(const ui::Form*, const ui::FileDialogRequest&) override {
    return NextFileName();
  }

  std::vector<Shown> messages;
  std::vector<std::string> menus;
  std::deque<std::string> fileNames;
  ui::Dialogs* realMenus = nullptr;

 private:
  std::optional<std::string> NextFileName() {
    if (fileNames.empty()) return std::nullopt;
    std::string next = std::move(fileNames.front());
    fileNames.pop_front();
    return next;
  }
};

class FolderPlatform : public ui::Platform {
 public:
  explicit FolderPlatform(std::filesystem::path folder) : folder_(std::move(folder)) {}
  ui::Clock& clock() override { return real.clock(); }
  AnsweringDialogs& dialogs() override { return dialogs_; }
  ui::Shell& shell() override { return real.shell(); }
  ui::Registry& registry() override { return real.registry(); }
  ui::Shortcuts& shortcuts() override { return real.shortcuts(); }
  ui::Input& input() override { return real.input(); }
  ui::Sound& sound() override { return real.sound(); }
  ui::Speech& speech() override { return real.speech(); }
  ui::Power& power() override { return real.power(); }
  ui::Fonts& fonts() override { return real.fonts(); }
  const ui::TextMetrics& metrics() const override { return real.metrics(); }
  const ui::Screen& screen() const override { return real.screen(); }
  ui::WindowManager& windows() override { return real.windows(); }
  ui::Tray& tray() override { return real.tray(); }
  ui::SystemInfo& system() override { return real.system(); }
  ui::ToolTips& tooltips() override { return real.tooltips(); }
  ui::Http& http() override { return real.http(); }
  ui::Background& background() override { return real.background(); }
  ui::Foreground& foreground() override { return real.foreground(); }
  const ui::Notifications& notifications() const override { return real.notifications(); }
  ui::Instances& instances() override { return real.instances(); }
  std::filesystem::path ProgramFolder() override { return folder_; }
  std::unique_ptr<ui::FormPeer> CreateFormPeer(ui::Form& form) override {
    return real.CreateFormPeer(form);
  }
  std::unique_ptr<ui::WidgetPeer> CreatePeer(ui::Widget& widget) override {
    return real.CreatePeer(widget);
  }
  int Run() override { return real.Run(); }
  // A test never ends its own process's loop from the program.
  void Quit() override { ++quits; }

  win32::Win32Platform real;
  int quits = 0;

 private:
  std::filesystem::path folder_;
  AnsweringDialogs dialogs_;
};

}  // namespace orvel::wintest
