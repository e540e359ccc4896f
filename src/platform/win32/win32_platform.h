#pragma once
// The real platform: Win32 windows and controls, and the services of the system.
// WinMain calls PrepareProcess(), builds one Win32Platform, shows the first form and calls Run().
#include <filesystem>
#include <memory>
#include <utility>

#include "platform/ui/platform.h"

namespace orvel::win32 {

class Win32Clock;
class Win32Dialogs;
class Win32Shell;
class Win32Registry;
class Win32Shortcuts;
class Win32Input;
class Win32Sound;
class Win32Speech;
class Win32Power;
class Win32Fonts;
class Win32TextMetrics;
class Win32Screen;
class Win32WindowManager;
class Win32Tray;
class Win32SystemInfo;
class Win32ToolTips;
class Win32Http;
class Win32Background;
class Win32Foreground;
class Win32Notifications;
class Win32Instances;
class Win32TimeQueries;

class Win32Platform final : public ui::Platform {
 public:
  Win32Platform();
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  ui::Clock& clock() override;
  ui::Dialogs& dialogs() override;
  ui::Shell& shell() override;
  ui::Registry& registry() override;
  ui::Shortcuts& shortcuts() override;
  ui::Input& input() override;
  ui::Sound& sound() override;
  ui::Speech& speech() override;
  ui::Power& power() override;
  ui::Fonts& fonts() override;
  const ui::TextMetrics& metrics() const override;
  const ui::Screen& screen() const override;
  ui::WindowManager& windows() override;
  ui::Tray& tray() override;
  ui::SystemInfo& system() override;
  ui::ToolTips& tooltips() override;
  ui::Http& http() override;
  ui::Background& background() override;
  ui::Foreground& foreground() override;
  const ui::Notifications& notifications() const override;
  ui::Instances& instances() override;
  ui::TimeQueries& timeQueries() override;

  // The executable's folder, unless one was set: tests run a program in a folder of their own.
  std::filesystem::path ProgramFolder() override;
  void SetProgramFolder(std::filesystem::path folder) { programFolder_ = std::move(folder); }

  std::unique_ptr<ui::FormPeer> CreateFormPeer(ui::Form& form) override;
  std::unique_ptr<ui::WidgetPeer> CreatePeer(ui::Widget& widget) override;

  // Runs the message loop until Quit, or until the last form is gone.
  int Run() override;
  void Quit() override;

  // Form windows report their life here so that the loop ends with the last one.
  void FormOpened() { ++openForms_; }
  void FormClosed();

 private:
  std::unique_ptr<Win32Clock> clock_;
  std::unique_ptr<Win32Dialogs> dialogs_;
  std::unique_ptr<Win32Shell> shell_;
  std::unique_ptr<Win32Registry> registry_;
  std::unique_ptr<Win32Shortcuts> shortcuts_;
  std::unique_ptr<Win32Input> input_;
  std::unique_ptr<Win32Sound> sound_;
  std::unique_ptr<Win32Speech> speech_;
  std::unique_ptr<Win32Power> power_;
  std::unique_ptr<Win32Fonts> fonts_;
  std::unique_ptr<Win32TextMetrics> metrics_;
  std::unique_ptr<Win32Screen> screen_;
  std::unique_ptr<Win32WindowManager> windows_;
  std::unique_ptr<Win32Tray> tray_;
  std::unique_ptr<Win32SystemInfo> system_;
  std::unique_ptr<Win32ToolTips> tooltips_;
  // Shared with the threads of background work, which may outlive the platform.
  std::shared_ptr<Win32Http> http_;
  std::shared_ptr<Win32TimeQueries> timeQueries_;
  std::unique_ptr<Win32Background> background_;
  std::unique_ptr<Win32Foreground> foreground_;
  std::unique_ptr<Win32Notifications> notifications_;
  std::unique_ptr<Win32Instances> instances_;
  std::filesystem::path programFolder_;
  int openForms_ = 0;
  bool running_ = false;
};

}  // namespace orvel::win32
