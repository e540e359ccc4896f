#include "platform/headless/headless_peers.h"

#include "platform/headless/headless_platform.h"

namespace orvel::headless {

HeadlessFormPeer::HeadlessFormPeer(HeadlessPlatform& platform, ui::Form& form)
    : platform_(platform), form_(form) {
  platform_.Added(*this);
}

HeadlessFormPeer::~HeadlessFormPeer() { platform_.Removed(*this); }

void HeadlessFormPeer::Show() {
  ++shows_;
  platform_.windows().Shown(form_);
}

void HeadlessFormPeer::BringToFront() { platform_.windows().Activate(form_); }

int HeadlessFormPeer::Changes(ui::Property what) const {
  const auto it = changes_.find(what);
  return it == changes_.end() ? 0 : it->second;
}

HeadlessWidgetPeer::HeadlessWidgetPeer(HeadlessPlatform& platform, ui::Widget& widget)
    : platform_(platform), widget_(widget), timer_(dynamic_cast<ui::Timer*>(&widget)) {
  Schedule();
  platform_.Added(*this);
}

HeadlessWidgetPeer::~HeadlessWidgetPeer() { platform_.Removed(*this); }

void HeadlessWidgetPeer::Changed(ui::Property what) {
  ++changes_[what];
  // Switching a timer on, or giving it a new interval, starts a new countdown.
  if (what == ui::Property::Enabled || what == ui::Property::Interval) Schedule();
}

void HeadlessWidgetPeer::Focus() { platform_.MoveFocus(this); }

int HeadlessWidgetPeer::Changes(ui::Property what) const {
  const auto it = changes_.find(what);
  return it == changes_.end() ? 0 : it->second;
}

void HeadlessWidgetPeer::Schedule() {
  if (timer_) dueMs_ = platform_.clock().SteadyMs() + timer_->Interval();
}

bool HeadlessWidgetPeer::Due(std::int64_t& dueMs) const {
  if (!timer_ || !timer_->Enabled() || timer_->Interval() <= 0) return false;
  dueMs = dueMs_;
  return true;
}

void HeadlessWidgetPeer::Fired() {
  if (timer_) dueMs_ += timer_->Interval();
}

}  // namespace orvel::headless
