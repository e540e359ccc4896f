#pragma once
// The in-memory platform the program tests run on. Nothing reaches the real system: dialogs are
// answered from a script, the clock moves only when the test moves it, registry, shortcuts,
// tray, window stack with its foreground, beeps, speech and shutdown requests are records a test
// can read, and the shell's notification state is what the test sets.
//
// The platform must outlive every form created on it.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_input.h"
#include "platform/headless/headless_instances.h"
#include "platform/headless/headless_network.h"
#include "platform/headless/headless_screen.h"
#include "platform/headless/headless_store.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/headless_time_queries.h"
#include "platform/headless/headless_tooltips.h"
#include "platform/headless/headless_tray.h"
#include "platform/headless/headless_windows.h"
#include "platform/ui/platform.h"

namespace orvel::headless {

class HeadlessFormPeer;
class HeadlessWidgetPeer;

class HeadlessPlatform : public ui::Platform {
 public:
  // The program runs from programFolder / "Orvel2.exe".
  explicit HeadlessPlatform(const std::filesystem::path& programFolder);
  ~HeadlessPlatform() override;
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  HeadlessClock& clock() override { return clock_; }
  HeadlessDialogs& dialogs() override { return dialogs_; }
  HeadlessShell& shell() override { return shell_; }
  HeadlessRegistry& registry() override { return registry_; }
  HeadlessShortcuts& shortcuts() override { return shortcuts_; }
  HeadlessInput& input() override { return input_; }
  HeadlessSound& sound() override { return sound_; }
  HeadlessSpeech& speech() override { return speech_; }
  HeadlessPower& power() override { return power_; }
  HeadlessFonts& fonts() override { return fonts_; }
  const HeadlessMetrics& metrics() const override { return metrics_; }
  const HeadlessScreen& screen() const override { return screen_; }
  HeadlessWindows& windows() override { return windows_; }
  HeadlessTray& tray() override { return tray_; }
  HeadlessSystemInfo& system() override { return system_; }
  HeadlessToolTips& tooltips() override { return tooltips_; }
  HeadlessHttp& http() override { return http_; }
  HeadlessBackground& background() override { return background_; }
  HeadlessForeground& foreground() override { return foreground_; }
  const HeadlessNotifications& notifications() const override { return notifications_; }
  HeadlessInstances& instances() override { return instances_; }
  HeadlessTimeQueries& timeQueries() override { return timeQueries_; }

  std::unique_ptr<ui::FormPeer> CreateFormPeer(ui::Form& form) override;
  std::unique_ptr<ui::WidgetPeer> CreatePeer(ui::Widget& widget) override;
  // There is no message loop: returns at once with the exit code 0.
  int Run() override { return 0; }
  void Quit() override { ++quitRequests_; }
  int QuitRequests() const { return quitRequests_; }

  // --- Time ---
  void SetNow(std::chrono::year_month_day date, int secondsOfDay) {
    clock_.Set(date, secondsOfDay);
  }
  // Lets time pass: every enabled timer of every loaded form ticks at its due times, in time
  // order (timers due at the same moment in the order their forms were loaded), with the
  // clock showing each tick's moment. Background work started before a tick finishes before it,
  // and what the last tick starts finishes at the end: the network answers at once. So do the
  // lookups of a voice.
  void Advance(int seconds) { AdvanceMs(static_cast<std::int64_t>(seconds) * 1000); }
  void AdvanceMs(std::int64_t ms);

  // --- Screen ---
  void SetScreen(int widthPx, int heightPx, double twipsPerPixel) {
    screen_.Set(widthPx, heightPx, twipsPerPixel);
  }
  // Monitors of their own DPI: a laptop with a projector, or a scale changed without signing out
  // (then call NativeDpiChanged on the forms that were on the monitor, as the system tells them).
  void SetMonitors(std::vector<HeadlessMonitor> monitors) {
    screen_.SetMonitors(std::move(monitors));
  }
  // Their work areas in twips, in the same order; the monitors' rectangles until then.
  void SetWorkAreas(std::vector<ui::Bounds> areas) { screen_.SetWorkAreas(std::move(areas)); }

  // --- The shell's notification state ---
  void SetNotificationState(ui::NotificationState state) { notifications_.Set(state); }

  // --- Focus ---
  // The user clicks into or tabs to a control: it takes the focus if its form is loaded and it
  // is visible and enabled; the control that had the focus loses it first.
  bool UserFocus(ui::Widget& widget);
  ui::Widget* FocusedWidget() const;

  // --- Forms ---
  std::vector<ui::Form*> LoadedForms() const;
  ui::Form* FindForm(const std::string& name) const;
  // The recording peer of a loaded form or control; nullptr otherwise.
  const HeadlessFormPeer* PeerOf(const ui::Form& form) const;
  const HeadlessWidgetPeer* PeerOf(const ui::Widget& widget) const;

 private:
  friend class HeadlessFormPeer;
  friend class HeadlessWidgetPeer;
  void Added(HeadlessFormPeer& peer);
  void Removed(HeadlessFormPeer& peer);
  void Added(HeadlessWidgetPeer& peer);
  void Removed(HeadlessWidgetPeer& peer);
  void MoveFocus(HeadlessWidgetPeer* to);

  HeadlessClock clock_;
  HeadlessDialogs dialogs_;
  HeadlessShell shell_;
  HeadlessRegistry registry_;
  HeadlessShortcuts shortcuts_;
  HeadlessInput input_;
  HeadlessSound sound_;
  HeadlessSpeech speech_;
  HeadlessPower power_;
  HeadlessFonts fonts_;
  HeadlessMetrics metrics_;
  HeadlessScreen screen_;
  HeadlessForeground foreground_;
  HeadlessNotifications notifications_;
  HeadlessInstances instances_;
  HeadlessTimeQueries timeQueries_{clock_};
  HeadlessWindows windows_;
  HeadlessTray tray_;
  HeadlessSystemInfo system_;
  HeadlessToolTips tooltips_;
  HeadlessHttp http_;
  HeadlessBackground background_;

  // Registered by the peers themselves, in creation order.
  std::vector<HeadlessFormPeer*> formPeers_;
  std::vector<HeadlessWidgetPeer*> widgetPeers_;
  HeadlessWidgetPeer* focused_ = nullptr;
  int quitRequests_ = 0;
};

}  // namespace orvel::headless
