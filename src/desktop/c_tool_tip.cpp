#include "desktop/c_tool_tip.h"

#include <algorithm>

namespace orvel::desktop {
namespace {

std::int32_t ClampDelay(std::int32_t ms) { return std::clamp<std::int32_t>(ms, 0, kMaxToolTipDelay); }

}  // namespace

bool cToolTip::Create(const ui::Form& lngHwndParent) {
  window_.reset();
  window_ = tooltips_->Create(lngHwndParent);
  if (!window_) return false;
  window_->SetMaxWidth(lngMaxWidth);
  return true;
}

void cToolTip::MaxWidth(std::int32_t pixels) {
  lngMaxWidth = pixels;
  if (window_) window_->SetMaxWidth(pixels);
}

void cToolTip::VisibleTime(std::int32_t ms) {
  if (window_) window_->SetDelay(ui::ToolTipDelay::AutoPop, ClampDelay(ms));
}

std::int32_t cToolTip::VisibleTime() const {
  return window_ ? window_->Delay(ui::ToolTipDelay::AutoPop) : 0;
}

void cToolTip::DelayTime(std::int32_t ms) {
  if (window_) window_->SetDelay(ui::ToolTipDelay::Initial, ClampDelay(ms));
}

std::int32_t cToolTip::DelayTime() const {
  return window_ ? window_->Delay(ui::ToolTipDelay::Initial) : 0;
}

bool cToolTip::AddControl(const ui::Widget& ctlTool, const std::string& strCaption,
                          bool blnCenterTip) {
  return window_ && window_->AddTool(ctlTool, strCaption, blnCenterTip);
}

}  // namespace orvel::desktop
