#pragma once
// The system's services behind the portable interfaces, one class each.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

// The portable interface has a MessageBox member; keep the ANSI/wide macro off it.
#undef MessageBox

#include "platform/ui/services.h"
#include "platform/win32/handles.h"
#include "platform/win32/window_thread_mail.h"

namespace orvel::win32 {

class Win32Clock final : public ui::Clock {
 public:
  ui::LocalTime Now() const override;
  std::int64_t LocalMs() const override;
  std::int64_t SteadyMs() const override;
};

class Win32Dialogs final : public ui::Dialogs {
 public:
  ui::MessageAnswer MessageBox(const ui::Form* owner, const std::string& text,
                               const std::string& title, ui::MessageIcon icon,
                               ui::MessageButtons buttons) override;
  std::string InputBox(const ui::Form* owner, const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  std::optional<ui::Colour> ChooseColour(const ui::Form* owner, ui::Colour initial) override;
  void ShowPopupMenu(const ui::Form* owner, const ui::PopupMenu& menu) override;
  std::optional<std::string> OpenFileName(const ui::Form* owner,
                                          const ui::FileDialogRequest& request) override;
  std::optional<std::string> SaveFileName(const ui::Form* owner,
                                          const ui::FileDialogRequest& request) override;
};

class Win32Shell final : public ui::Shell {
 public:
  void Open(const std::string& target) override;
  void Open(const std::string& target, ui::ShowState show, const ui::Form* owner,
            const std::string& directory) override;
};

class Win32Registry final : public ui::Registry {
 public:
  std::optional<std::string> ReadString(ui::RegistryRoot root, const std::string& key,
                                        const std::string& value) override;
  bool WriteString(ui::RegistryRoot root, const std::string& key, const std::string& value,
                   const std::string& data) override;
  bool DeleteValue(ui::RegistryRoot root, const std::string& key,
                   const std::string& value) override;
};

class Win32Shortcuts final : public ui::Shortcuts {
 public:
  Win32Shortcuts() = default;
  ~Win32Shortcuts() override;
  Win32Shortcuts(const Win32Shortcuts&) = delete;
  Win32Shortcuts& operator=(const Win32Shortcuts&) = delete;
  std::filesystem::path StartupFolder() override;
  bool Create(const std::filesystem::path& link, const std::filesystem::path& target) override;
  std::optional<std::filesystem::path> Target(const std::filesystem::path& link) override;
  bool Remove(const std::filesystem::path& link) override;

 private:
  bool EnsureCom();
  bool comReady_ = false;
  bool comOwned_ = false;
};

class Win32Input final : public ui::Input {
 public:
  ui::Point CursorPos() const override;
  bool KeyPressedAndDown() override;
  ui::DoubleClickRule DoubleClick() const override;
};

class Win32Sound final : public ui::Sound {
 public:
  void Beep(int frequency, int durationMs) override;
};

// SAPI 5 on a thread of its own, started by the first request: COM, the voice and its lookup
// live there, and answers come back through a mailbox of the window thread. A system without
// SAPI, or without a Chinese voice, answers that there is none.
class Win32Speech final : public ui::Speech {
 public:
  Win32Speech();
  ~Win32Speech() override;
  Win32Speech(const Win32Speech&) = delete;
  Win32Speech& operator=(const Win32Speech&) = delete;
  void FindChineseVoice(std::function<void(bool found)> answer) override;
  void Speak(const std::string& text) override;

  struct Worker;

 private:
  // False when no thread could be started.
  bool EnsureWorker();
  std::shared_ptr<Worker> worker_;
  std::unique_ptr<MailboxWindow> mailbox_;
};

class Win32Power final : public ui::Power {
 public:
  void GetShutdownPrivilege() override;
  void RequestShutdown() override;
  void KeepAwake(bool on) override;
};

class Win32Fonts final : public ui::Fonts {
 public:
  std::vector<std::string> Installed() override;
};

class Win32TextMetrics final : public ui::TextMetrics {
 public:
  Win32TextMetrics();
  double TextWidth(const ui::Font& font, const std::string& text) const override;
  double TextHeight(const ui::Font& font) const override;

 private:
  HFONT FontFor(const ui::Font& font) const;
  UINT dpi_;
  mutable MemoryDc dc_;
  // Fonts measured so far; a program uses a handful.
  mutable std::map<std::tuple<std::string, float, bool>, FontHandle> fonts_;
};

class Win32Screen final : public ui::Screen {
 public:
  double WidthTwips() const override;
  double HeightTwips() const override;
  double TwipsPerPixelX() const override;
  double TwipsPerPixelY() const override;
  std::vector<ui::Bounds> Monitors() const override;
  std::vector<ui::Bounds> WorkAreas() const override;
  double TwipsPerPixelOf(const ui::Form& form) const override;
};

class Win32WindowManager final : public ui::WindowManager {
 public:
  void SetTopmost(ui::Form& form, bool topmost) override;
  void SetLayered(ui::Form& form, bool colourKey, ui::Colour colour, int alpha) override;
  void SetRoundRegion(ui::Form& form, int widthPx, int heightPx, int ellipsePx) override;
  void BeginDrag(ui::Form& form) override;
  void SetBottomHook(ui::Form& form, bool on) override;
  bool HasBottomHook(const ui::Form& form) const override;
  void RaiseTopmost(ui::Form& form) override;
  bool CoveredByOther(const ui::Form& form) const override;
  bool FullScreenOver(const ui::Form& form) const override;
};

// The checks behind CoveredByOther and FullScreenOver, by HWND, for the tests as well.
bool CoveredByOtherProcess(HWND hwnd);
bool FullScreenOverMonitorOf(HWND hwnd);

class Win32Foreground final : public ui::Foreground {
 public:
  std::unique_ptr<ui::ForegroundHook> Watch(std::function<void()> onChange) override;
};

class Win32Notifications final : public ui::Notifications {
 public:
  ui::NotificationState State() const override;
};

// Hooks on a window by HWND, for the window manager and its tests.
void SetBottomHook(HWND hwnd, bool on);
bool HasBottomHook(HWND hwnd);

class Win32Tray final : public ui::Tray {
 public:
  Win32Tray();
  ~Win32Tray() override;
  Win32Tray(const Win32Tray&) = delete;
  Win32Tray& operator=(const Win32Tray&) = delete;
  bool Add(ui::Form& form, const ui::TrayRecord& record) override;
  bool ShowBalloon(ui::Form& form, const ui::TrayRecord& record) override;
  bool Remove(ui::Form& form, const ui::TrayRecord& record) override;
  bool SetTip(ui::Form& form, const ui::TrayRecord& record) override;
  void HookCallback(ui::Form& form, std::function<void(ui::TrayMouse mouse)> onMouse) override;

 private:
  struct Hooked {
    std::optional<ui::TrayRecord> icon;  // the icon shown, to add again after an Explorer restart
    HICON iconHandle = nullptr;
    std::function<void(ui::TrayMouse)> onMouse;
  };
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR ref);
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  Hooked& HookWindow(HWND hwnd);
  UINT taskbarCreated_;
  std::map<HWND, Hooked> windows_;
};

class Win32SystemInfo final : public ui::SystemInfo {
 public:
  ui::VersionInfo WindowsVersion() const override;
  std::filesystem::path ProgramPath() const override;
  std::string ProgramTimeText() const override;
  std::string Environment(const std::string& name) const override;
  std::string ComputerName() const override;
};

class Win32ToolTips final : public ui::ToolTips {
 public:
  std::unique_ptr<ui::ToolTip> Create(const ui::Form& owner) override;
};

// WinHTTP; keeps nothing between requests, so that threads share it freely.
class Win32Http final : public ui::Http {
 public:
  ui::HttpAnswer Get(const ui::HttpRequest& request) override;
};

class Win32Background final : public ui::Background {
 public:
  Win32Background(std::shared_ptr<ui::Http> http, std::shared_ptr<ui::TimeQueries> time);
  ~Win32Background() override;
  Win32Background(const Win32Background&) = delete;
  Win32Background& operator=(const Win32Background&) = delete;
  void Run(std::function<void(ui::Http&)> work, std::function<void()> done) override;
  void RunTimed(std::function<void(ui::Http&, ui::TimeQueries&)> work,
                std::function<void()> done) override;

 private:
  std::shared_ptr<ui::Http> http_;
  std::shared_ptr<ui::TimeQueries> time_;
  MailboxWindow mailbox_;
};

}  // namespace orvel::win32
