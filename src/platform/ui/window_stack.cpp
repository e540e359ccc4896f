#include "platform/ui/window_stack.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/ui/monitors.h"

namespace orvel::ui {
namespace {

bool Shown(const StackedWindow& w) {
  return w.visible && !w.minimised && !w.cloaked;
}

// A window that comes and goes with the user's next click or key.
bool Passing(const StackedWindow& w) {
  return w.role != WindowRole::Ordinary || w.toolWindow || w.noActivate;
}

}  // namespace

WindowRole RoleOfClass(std::string_view className) {
  static constexpr std::array<std::pair<std::string_view, WindowRole>, 12> kClasses{{
      {"#32768", WindowRole::Menu},
      // The drop shadow a menu casts is a window of its own.
      {"SysShadow", WindowRole::Menu},
      {"tooltips_class32", WindowRole::Tooltip},
      {"ComboLBox", WindowRole::DropDown},
      {"IME", WindowRole::InputMethod},
      {"MSCTFIME UI", WindowRole::InputMethod},
      {"OSKMainClass", WindowRole::InputMethod},
      {"IPTip_Main_Window", WindowRole::InputMethod},
      {"Progman", WindowRole::Shell},
      {"WorkerW", WindowRole::Shell},
      {"Shell_TrayWnd", WindowRole::Shell},
      {"Shell_SecondaryTrayWnd", WindowRole::Shell},
  }};
  for (const auto& [name, role] : kClasses)
    if (className == name) return role;
  return WindowRole::Ordinary;
}

bool StaysAsOthers(const StackedWindow& w) {
  return !w.ours && !w.owned && Shown(w) && !Passing(w);
}

bool Covers(const StackedWindow& w, const Bounds& kept) {
  return StaysAsOthers(w) && Overlap(w.rect, kept);
}

bool CoveredByOther(std::span<const StackedWindow> above, const Bounds& kept) {
  return std::any_of(above.begin(), above.end(),
                     [&](const StackedWindow& w) { return Covers(w, kept); });
}

std::optional<bool> FullScreenSays(const StackedWindow& w, const Bounds& monitor) {
  // A slide show's window may be owned by the program's main window: ownership does not matter.
  if (w.ours || !Shown(w) || Passing(w) || !Overlap(w.rect, monitor)) return std::nullopt;
  return !w.maximisedWithCaption && Contains(w.rect, monitor);
}

bool FullScreenOn(std::span<const StackedWindow> stack, const Bounds& monitor) {
  for (const StackedWindow& w : stack)
    if (const std::optional<bool> says = FullScreenSays(w, monitor)) return *says;
  return false;
}

}  // namespace orvel::ui
