#include "platform/headless/headless_platform.h"

#include <algorithm>

#include "platform/headless/headless_peers.h"
#include "platform/ui/containment.h"
#include "platform/ui/erase_last.h"

namespace orvel::headless {

HeadlessPlatform::HeadlessPlatform(const std::filesystem::path& programFolder)
    : sound_(clock_),
      speech_(clock_),
      windows_(screen_, foreground_),
      tray_(windows_),
      system_(programFolder / "Orvel2.exe"),
      background_(http_, timeQueries_) {}

HeadlessPlatform::~HeadlessPlatform() = default;

std::unique_ptr<ui::FormPeer> HeadlessPlatform::CreateFormPeer(ui::Form& form) {
  return std::make_unique<HeadlessFormPeer>(*this, form);
}

std::unique_ptr<ui::WidgetPeer> HeadlessPlatform::CreatePeer(ui::Widget& widget) {
  return std::make_unique<HeadlessWidgetPeer>(*this, widget);
}

void HeadlessPlatform::AdvanceMs(std::int64_t ms) {
  if (ms <= 0) return;
  const std::int64_t end = clock_.SteadyMs() + ms;
  for (;;) {
    background_.Finish();
    speech_.Finish();
    // Looked up afresh for every tick: a handler may load, unload or switch timers.
    HeadlessWidgetPeer* next = nullptr;
    std::int64_t nextDue = end;
    for (HeadlessWidgetPeer* peer : widgetPeers_) {
      std::int64_t due = 0;
      if (peer->Due(due) && due <= end && (!next || due < nextDue)) {
        next = peer;
        nextDue = due;
      }
    }
    if (!next) break;
    clock_.Forward(nextDue - clock_.SteadyMs());
    next->Fired();
    next->timer()->Fire();  // may destroy the peer; nothing of it is used afterwards
  }
  clock_.Forward(end - clock_.SteadyMs());
  background_.Finish();
  speech_.Finish();
}

bool HeadlessPlatform::UserFocus(ui::Widget& widget) {
  auto* peer = dynamic_cast<HeadlessWidgetPeer*>(widget.peer());
  // A control inside a hidden or disabled frame cannot take the focus either.
  if (!peer || !ui::ShownVisible(widget) || !ui::ShownEnabled(widget)) return false;
  MoveFocus(peer);
  return true;
}

ui::Widget* HeadlessPlatform::FocusedWidget() const {
  return focused_ ? &focused_->widget() : nullptr;
}

void HeadlessPlatform::MoveFocus(HeadlessWidgetPeer* to) {
  if (to == focused_) return;
  HeadlessWidgetPeer* from = focused_;
  focused_ = to;  // first, so that a lost-focus handler that moves the focus again wins
  if (from) from->widget().UserLostFocus();
}

std::vector<ui::Form*> HeadlessPlatform::LoadedForms() const {
  std::vector<ui::Form*> forms;
  for (HeadlessFormPeer* peer : formPeers_) forms.push_back(&peer->form());
  return forms;
}

ui::Form* HeadlessPlatform::FindForm(const std::string& name) const {
  for (HeadlessFormPeer* peer : formPeers_)
    if (peer->form().name() == name) return &peer->form();
  return nullptr;
}

const HeadlessFormPeer* HeadlessPlatform::PeerOf(const ui::Form& form) const {
  return dynamic_cast<const HeadlessFormPeer*>(form.peer());
}

const HeadlessWidgetPeer* HeadlessPlatform::PeerOf(const ui::Widget& widget) const {
  return dynamic_cast<const HeadlessWidgetPeer*>(widget.peer());
}

void HeadlessPlatform::Added(HeadlessFormPeer& peer) {
  formPeers_.push_back(&peer);
  windows_.Opened(peer.form());
}

void HeadlessPlatform::Removed(HeadlessFormPeer& peer) {
  std::erase(formPeers_, &peer);
  tray_.Closed(peer.form());
  tooltips_.Closed(peer.form());
  windows_.Closed(peer.form());
}

void HeadlessPlatform::Added(HeadlessWidgetPeer& peer) {
  widgetPeers_.push_back(&peer);
}

void HeadlessPlatform::Removed(HeadlessWidgetPeer& peer) {
  ui::EraseLast(widgetPeers_, &peer);
  // A control that goes away with its window raises no lost-focus event.
  if (focused_ == &peer) focused_ = nullptr;
}

}  // namespace orvel::headless
