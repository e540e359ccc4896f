#include "shell/class_strip_control.h"

#include <utility>

#include "platform/ui/platform.h"

namespace orvel::shell {
namespace {

// The strip's own line and a notice take turns this long each.
constexpr std::int32_t kNoticeTurnSeconds = 5;

}  // namespace

ClassStripControl::ClassStripControl(program::ProgramState& state, program::ScheduleWindow& window,
                                     SaveClassroom save)
    : state_(state), window_(window), save_(std::move(save)) {}

void ClassStripControl::FollowMode() {
  if (ended_) return;
  started_ = true;
  const StripMode mode = state_.classroom.strip;
  if (mode != StripMode::FullScreen || examLineShown_)
    foregroundWatch_ = {};
  else if (!foregroundWatch_)
    foregroundWatch_ = state_.front.WatchForeground([this] { TickNow(); });
  if (mode == StripMode::Off && !examLineShown_) {
    // Costs nothing: no window, no timer, no watch. The menu's handler is not the strip's own.
    if (strip_) strip_->Unload();
    strip_.reset();
    return;
  }
  TickNow();
}

void ClassStripControl::Tick(const clock::SchoolDay& today, std::int32_t nowSeconds) {
  if (!started_ || ended_) return;
  if (examLineShown_) {
    MakeStrip();
    strip_->ShowLine(examLine_);
    return;
  }
  const StripMode mode = state_.classroom.strip;
  if (mode == StripMode::Off) return;
  const bool shown = mode == StripMode::Always || state_.front.FullScreenCovers(window_.form());
  if (!shown) {
    if (strip_ && strip_->Visible()) strip_->Hide();
    return;
  }
  MakeStrip();
  const std::int32_t turn = nowSeconds / kNoticeTurnSeconds;
  if (!notices_.empty() && turn % 2 == 1) {
    strip_->ShowNotice(notices_[static_cast<std::size_t>(turn / 2) % notices_.size()]);
    return;
  }
  window_.ComposeStripLine(today, nowSeconds, line_);
  strip_->ShowLine(line_);
}

void ClassStripControl::ShowNotices(std::vector<std::string> texts) {
  if (texts == notices_) return;
  notices_ = std::move(texts);
  if (started_ && !ended_) TickNow();
}

void ClassStripControl::MakeStrip() {
  if (strip_) return;
  strip_ = std::make_unique<desktop::ClassStrip>(state_.platform, window_.form(), state_.front,
                                                 state_.classroom.stripPlace);
  strip_->onPlaced = [this](StripPlace place) {
    if (state_.classroom.stripPlace == place) return;
    state_.classroom.stripPlace = place;
    save_();
  };
  strip_->onMenu = [this] {
    if (onMenu) onMenu(*strip_);
  };
  strip_->onDoubleClick = [this] {
    if (onDoubleClick) onDoubleClick();
  };
}

void ClassStripControl::ShowExamLine(std::string_view line) {
  if (examLineShown_ && line == examLine_) return;
  examLine_.assign(line);
  examLineShown_ = true;
  if (ended_) return;
  started_ = true;
  foregroundWatch_ = {};
  MakeStrip();
  strip_->ShowLine(examLine_);
}

void ClassStripControl::EndExamLine() {
  if (!examLineShown_) return;
  examLineShown_ = false;
  // Its own line and mode again at once, the strip gone where its mode is 关.
  if (started_) FollowMode();
}

void ClassStripControl::TickNow() {
  // The shell's last second: within a second of now, and the same instant the window shows.
  const ui::LocalTime& now = state_.now;
  Tick(state_.SchoolDayOn(now.date), now.secondsOfDay);
}

void ClassStripControl::End() {
  ended_ = true;
  foregroundWatch_ = {};
  // Unloaded, not destroyed: the end may come from inside one of its handlers.
  if (strip_) strip_->Unload();
}

}  // namespace orvel::shell
