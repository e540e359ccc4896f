// Frame: a plain background window at the bottom of the stack. Controls stay children of the
// form; the ones lying inside a frame follow its visibility and enabled state.
#include "platform/win32/control_peers.h"
#include "platform/win32/form_window.h"

namespace orvel::win32 {
namespace {

class FramePeer final : public ControlPeer {
 public:
  FramePeer(FormWindow& form, ui::Frame& frame) : ControlPeer(form, frame) {
    // No SS_NOTIFY: the static is transparent to the mouse, so presses reach the form.
    if (!CreateControl(L"STATIC", L"", SS_LEFT, 0)) return;
    Subclass();
    form.ApplyContainment();
  }
  bool IsFrame() const override { return true; }
};

}  // namespace

std::unique_ptr<ControlPeer> MakeFramePeer(FormWindow& form, ui::Frame& frame) {
  return std::make_unique<FramePeer>(form, frame);
}

}  // namespace orvel::win32
