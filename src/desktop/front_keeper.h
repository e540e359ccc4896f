#pragma once
// Windows that must be seen in a lesson (a reminder, the idle countdown, a topmost schedule
// window) stay above full-screen slide shows and whiteboard programs that raise themselves,
// without ever taking the focus: each time another program's window comes to the foreground
// their topmost place is asserted again, and while one is shown it looks twice a second whether
// another program's window now covers it, asserting its place again only then.
//
// It costs nothing while no kept window is shown and nobody watches the foreground: the
// foreground hook exists only then, and each kept window's check runs only while it is shown.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/platform.h"

namespace orvel::desktop {

// Where a kept window lies among the program's own kept windows: they are put back on top in
// this order, so that the last lies highest (a reminder over the schedule window it slides
// over, the shutdown countdown over both). The exam board covers the schedule window and the
// class strip; a reminder or a notice may still lie over it.
enum class FrontOrder { Window, Board, Notice, Alert };

// How often a shown kept window looks whether another program's window covers it.
inline constexpr int kFrontCheckIntervalMs = 500;
// A window is put back on top at most once in this time, so that two programs that both keep
// their windows on top cannot flicker faster than twice a second.
inline constexpr std::int64_t kFrontRaiseGapMs = 500;

class FrontKeeper;

// A window kept in front, or a watch of the foreground, for as long as this object lives (or
// until it is reset to an empty one). Move-only.
class FrontRegistration {
 public:
  FrontRegistration() = default;
  FrontRegistration(FrontRegistration&& other) noexcept;
  FrontRegistration& operator=(FrontRegistration&& other) noexcept;
  FrontRegistration(const FrontRegistration&) = delete;
  FrontRegistration& operator=(const FrontRegistration&) = delete;
  ~FrontRegistration();

  explicit operator bool() const { return keeper_ != nullptr; }

 private:
  friend class FrontKeeper;
  FrontRegistration(FrontKeeper& keeper, int id) : keeper_(&keeper), id_(id) {}
  void Reset();

  FrontKeeper* keeper_ = nullptr;
  int id_ = 0;
};

class FrontKeeper {
 public:
  explicit FrontKeeper(ui::Platform& platform);
  FrontKeeper(const FrontKeeper&) = delete;
  FrontKeeper& operator=(const FrontKeeper&) = delete;
  // Every registration has ended before.
  ~FrontKeeper();

  // Keeps `form` above other programs' windows whenever it is shown, at `order` among the
  // program's own. The registration must end before the form is destroyed; the form should be
  // topmost and take no focus (the schedule window takes it only when the user clicks it).
  [[nodiscard]] FrontRegistration Keep(ui::Form& form, FrontOrder order);

  // Whether a full-screen window of another program covers the monitor `form` is on now.
  bool FullScreenCovers(const ui::Form& form) const;

  // `onChange` runs each time another program's window comes to the foreground, after the kept
  // windows are back on top: then the answer of FullScreenCovers may have changed.
  [[nodiscard]] FrontRegistration WatchForeground(std::function<void()> onChange);

  // Whether the system's foreground hook is in place now.
  bool Hooked() const { return static_cast<bool>(hook_); }

 private:
  friend class FrontRegistration;
  class Kept;

  void End(int id);
  void ShownChanged(Kept& kept);
  void Check(Kept& kept);
  void ForegroundChanged();
  // Every shown kept window back on top, in order, each no sooner than the gap allows.
  void RaiseShown();
  // The hook exists exactly while a kept window is shown or the foreground is watched.
  void UpdateHook();

  ui::Platform& platform_;
  std::vector<std::unique_ptr<Kept>> kept_;
  std::map<int, std::function<void()>> watches_;
  std::unique_ptr<ui::ForegroundHook> hook_;
  int nextId_ = 1;
  // Inside the hook's own call, which must not drop the hook.
  bool announcing_ = false;
};

}  // namespace orvel::desktop
