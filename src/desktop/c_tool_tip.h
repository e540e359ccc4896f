#pragma once
// cToolTip: one rectangular tooltip window owned by a form, and the hover texts of its controls.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/form.h"
#include "platform/ui/services.h"
#include "platform/ui/widget.h"

namespace orvel::desktop {

// Delays are kept by the system as 16-bit counts of milliseconds.
inline constexpr std::int32_t kMaxToolTipDelay = 32767;

class cToolTip {
 public:
  // Class_Initialize: no window yet, tips wrap at 300 pixels.
  explicit cToolTip(ui::ToolTips& tooltips) : tooltips_(&tooltips) {}
  cToolTip(const cToolTip&) = delete;
  cToolTip& operator=(const cToolTip&) = delete;
  cToolTip(cToolTip&&) noexcept = default;
  cToolTip& operator=(cToolTip&&) noexcept = default;
  ~cToolTip() = default;  // the window goes with the object

  // Makes the tooltip window owned by the form (replacing an earlier one) and gives it the
  // current maximum width. False when the form has no window.
  bool Create(const ui::Form& lngHwndParent);
  bool Created() const { return window_ != nullptr; }

  void MaxWidth(std::int32_t pixels);
  std::int32_t MaxWidth() const { return lngMaxWidth; }
  // How long a tip stays, ms; clamped to 0..32767. Reading asks the window (0 without one).
  void VisibleTime(std::int32_t ms);
  std::int32_t VisibleTime() const;
  // How long the mouse must rest before a tip shows, ms; clamped to 0..32767.
  void DelayTime(std::int32_t ms);
  std::int32_t DelayTime() const;

  // Attaches the caption to the control; CR LF starts a new line. False without a window.
  bool AddControl(const ui::Widget& ctlTool, const std::string& strCaption, bool blnCenterTip);
  void Destroy() { window_.reset(); }

 private:
  ui::ToolTips* tooltips_;  // the platform's service, which outlives every form
  std::unique_ptr<ui::ToolTip> window_;
  std::int32_t lngMaxWidth = 300;
};

}  // namespace orvel::desktop
