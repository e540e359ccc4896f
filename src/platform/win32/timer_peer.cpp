// Timer: SetTimer on the form's window with an id of its own; no window of its own.
#include "platform/win32/control_peers.h"
#include "platform/win32/form_window.h"

namespace orvel::win32 {
namespace {

class TimerPeer final : public ControlPeer {
 public:
  TimerPeer(FormWindow& form, ui::Timer& timer) : ControlPeer(form, timer), timer_(timer) {
    Reset();
  }
  ~TimerPeer() override { Stop(); }

  void Changed(ui::Property what) override {
    if (what == ui::Property::Enabled || what == ui::Property::Interval) Reset();
  }

  bool OnTimer(UINT_PTR id) override {
    if (id != static_cast<UINT_PTR>(id_)) return false;
    timer_.Fire();
    return true;
  }

  void ApplyState() override {}

 private:
  void Reset() {
    Stop();
    if (!form_ || !timer_.Enabled() || timer_.Interval() <= 0) return;
    running_ = SetTimer(form_->hwnd(), static_cast<UINT_PTR>(id_),
                        static_cast<UINT>(timer_.Interval()), nullptr) != 0;
  }
  void Stop() {
    // A window that is gone took its timers with it.
    if (running_ && form_ && form_->hwnd()) KillTimer(form_->hwnd(), static_cast<UINT_PTR>(id_));
    running_ = false;
  }

  ui::Timer& timer_;
  bool running_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeTimerPeer(FormWindow& form, ui::Timer& timer) {
  return std::make_unique<TimerPeer>(form, timer);
}

}  // namespace orvel::win32
