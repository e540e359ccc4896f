#pragma once
// The native side of forms and controls on the headless backend: it only records, and registers
// itself with the platform so that timers can be fired and the focus can move.
#include <cstdint>
#include <map>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/widget.h"

namespace orvel::headless {

class HeadlessPlatform;

class HeadlessFormPeer : public ui::FormPeer {
 public:
  HeadlessFormPeer(HeadlessPlatform& platform, ui::Form& form);
  ~HeadlessFormPeer() override;
  HeadlessFormPeer(const HeadlessFormPeer&) = delete;
  HeadlessFormPeer& operator=(const HeadlessFormPeer&) = delete;

  void Changed(ui::Property what) override { ++changes_[what]; }
  void Show() override;
  void Hide() override { ++hides_; }
  void BringToFront() override;

  ui::Form& form() const { return form_; }
  int Shows() const { return shows_; }
  int Hides() const { return hides_; }
  int Changes(ui::Property what) const;

 private:
  HeadlessPlatform& platform_;
  ui::Form& form_;
  int shows_ = 0;
  int hides_ = 0;
  std::map<ui::Property, int> changes_;
};

class HeadlessWidgetPeer : public ui::WidgetPeer {
 public:
  HeadlessWidgetPeer(HeadlessPlatform& platform, ui::Widget& widget);
  ~HeadlessWidgetPeer() override;
  HeadlessWidgetPeer(const HeadlessWidgetPeer&) = delete;
  HeadlessWidgetPeer& operator=(const HeadlessWidgetPeer&) = delete;

  void Changed(ui::Property what) override;
  void Focus() override;

  ui::Widget& widget() const { return widget_; }
  int Changes(ui::Property what) const;

  // Timers only: the steady time of the next tick; nothing while the timer cannot fire.
  ui::Timer* timer() const { return timer_; }
  bool Due(std::int64_t& dueMs) const;
  void Fired();  // the tick at the due time happened: the next one is an interval later

 private:
  void Schedule();

  HeadlessPlatform& platform_;
  ui::Widget& widget_;
  ui::Timer* timer_;
  std::int64_t dueMs_ = 0;
  std::map<ui::Property, int> changes_;
};

}  // namespace orvel::headless
