#include "platform/headless/headless_windows.h"

#include <algorithm>
#include <utility>

namespace orvel::headless {

class HeadlessForeground::Hook : public ui::ForegroundHook {
 public:
  Hook(HeadlessForeground& owner, int id) : owner_(owner), id_(id) {}
  ~Hook() override { owner_.hooks_.erase(id_); }
  Hook(const Hook&) = delete;
  Hook& operator=(const Hook&) = delete;

 private:
  HeadlessForeground& owner_;
  int id_;
};

std::unique_ptr<ui::ForegroundHook> HeadlessForeground::Watch(std::function<void()> onChange) {
  const int id = nextId_++;
  hooks_.emplace(id, std::move(onChange));
  return std::make_unique<Hook>(*this, id);
}

void HeadlessForeground::Announce() {
  std::vector<int> ids;
  for (const auto& [id, onChange] : hooks_) ids.push_back(id);
  // A hook may make or drop hooks: each one still alive hears it, with a copy of its handler.
  for (int id : ids) {
    const auto it = hooks_.find(id);
    if (it == hooks_.end()) continue;
    if (const std::function<void()> onChange = it->second) onChange();
  }
}

HeadlessWindows::WindowData* HeadlessWindows::Find(const ui::Form& form) {
  const auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : &it->second;
}

const HeadlessWindows::WindowData* HeadlessWindows::Find(const ui::Form& form) const {
  const auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : &it->second;
}

std::size_t HeadlessWindows::EntryOf(const ui::Form* form, const std::string& name) const {
  for (std::size_t i = 0; i < stack_.size(); ++i)
    if (stack_[i].form == form && (form != nullptr || stack_[i].name == name)) return i;
  return stack_.size();
}

void HeadlessWindows::PlaceOnTop(std::size_t entry) {
  StackEntry moved = stack_[entry];
  stack_.erase(stack_.begin() + static_cast<std::ptrdiff_t>(entry));
  // Topmost windows go to the very top; the others just below the topmost band.
  const auto at = moved.topmost ? stack_.begin()
                                : std::find_if(stack_.begin(), stack_.end(),
                                               [](const StackEntry& e) { return !e.topmost; });
  stack_.insert(at, std::move(moved));
}

void HeadlessWindows::PlaceAtBottom(std::size_t entry) {
  StackEntry moved = stack_[entry];
  moved.topmost = false;  // the bottom of the stack lies outside the topmost band
  stack_.erase(stack_.begin() + static_cast<std::ptrdiff_t>(entry));
  stack_.push_back(std::move(moved));
}

void HeadlessWindows::Opened(ui::Form& form) {
  windows_[&form] = WindowData{};
  stack_.push_back(StackEntry{&form, form.name(), form.topmost, std::nullopt, {}});
  PlaceOnTop(stack_.size() - 1);
}

void HeadlessWindows::Closed(const ui::Form& form) {
  windows_.erase(&form);
  if (foregroundForm_ == &form) {
    foregroundForm_ = nullptr;
    foregroundName_.clear();
  }
  const std::size_t entry = EntryOf(&form, {});
  if (entry < stack_.size()) stack_.erase(stack_.begin() + static_cast<std::ptrdiff_t>(entry));
}

void HeadlessWindows::PlaceAsShown(const ui::Form& form, std::size_t entry) {
  if (HasBottomHook(form))
    PlaceAtBottom(entry);
  else
    PlaceOnTop(entry);
}

void HeadlessWindows::Activate(const ui::Form& form) {
  const std::size_t entry = EntryOf(&form, {});
  if (entry >= stack_.size()) return;
  PlaceAsShown(form, entry);
  // The program's own windows coming forward are not announced to its hooks.
  foregroundForm_ = &form;
  foregroundName_ = form.name();
  activations_.push_back(form.name());
}

void HeadlessWindows::Shown(const ui::Form& form) {
  if (form.takesFocus) {
    Activate(form);
    return;
  }
  const std::size_t entry = EntryOf(&form, {});
  if (entry < stack_.size()) PlaceAsShown(form, entry);
}

void HeadlessWindows::SetTopmost(ui::Form& form, bool topmost) {
  WindowData* window = Find(form);
  const std::size_t entry = EntryOf(&form, {});
  if (!window || entry >= stack_.size()) return;
  ++window->record.topmostCalls;
  if (HasBottomHook(form)) {
    PlaceAtBottom(entry);
    return;
  }
  stack_[entry].topmost = topmost;
  PlaceOnTop(entry);
}

void HeadlessWindows::RaiseTopmost(ui::Form& form) {
  WindowData* window = Find(form);
  const std::size_t entry = EntryOf(&form, {});
  if (!window || entry >= stack_.size()) return;
  ++window->record.raises;
  if (HasBottomHook(form)) {
    PlaceAtBottom(entry);
    return;
  }
  stack_[entry].topmost = true;
  PlaceOnTop(entry);
}

ui::StackedWindow HeadlessWindows::Facts(std::size_t entry) const {
  const StackEntry& e = stack_[entry];
  ui::StackedWindow w = e.facts;
  w.ours = e.form != nullptr;
  w.rect = e.form ? e.form->bounds() : e.bounds.value_or(screen_.Desktop());
  return w;
}

bool HeadlessWindows::CoveredByOther(const ui::Form& form) const {
  const std::size_t entry = EntryOf(&form, {});
  for (std::size_t i = 0; i < entry && i < stack_.size(); ++i)
    if (ui::Covers(Facts(i), form.bounds())) return true;
  return false;
}

bool HeadlessWindows::FullScreenOver(const ui::Form& form) const {
  if (!Find(form)) return false;
  const ui::Bounds monitor = screen_.MonitorOf(form);
  // Walked as the system's stack is, keeping no list: it is asked every second.
  for (std::size_t i = 0; i < stack_.size(); ++i)
    if (const std::optional<bool> says = ui::FullScreenSays(Facts(i), monitor)) return *says;
  return false;
}

void HeadlessWindows::SetLayered(ui::Form& form, bool colourKey, ui::Colour colour, int alpha) {
  WindowData* window = Find(form);
  if (!window) return;
  WindowRecord& r = window->record;
  ++r.layeredCalls;
  r.layered = true;
  r.colourKey = colourKey;
  // Each mode keeps only its own value, as the layered attributes do.
  if (colourKey)
    r.colour = colour;
  else
    r.alpha = alpha;
}

void HeadlessWindows::SetRoundRegion(ui::Form& form, int widthPx, int heightPx, int ellipsePx) {
  WindowData* window = Find(form);
  if (!window) return;
  ++window->record.regionCalls;
  window->record.region = RegionRecord{widthPx, heightPx, ellipsePx};
}

void HeadlessWindows::BeginDrag(ui::Form& form) {
  WindowData* window = Find(form);
  if (!window) return;
  ++window->record.drags;
  if (dragTo_) form.NativeMoved(dragTo_->left, dragTo_->top);
}

void HeadlessWindows::SetBottomHook(ui::Form& form, bool on) {
  WindowData* window = Find(form);
  if (!window) return;
  auto& hooks = window->hooks;
  const auto it = std::find_if(hooks.begin(), hooks.end(),
                               [](const Hook& h) { return h.kind == HookKind::Bottom; });
  if (on == (it != hooks.end())) return;
  if (on)
    hooks.push_back(Hook{HookKind::Bottom, 0, {}});
  else
    hooks.erase(it);  // unlinked wherever it lies; hooks above it stay
  hookEvents_.push_back(HookEvent{form.name(), HookKind::Bottom, on});
}

bool HeadlessWindows::HasBottomHook(const ui::Form& form) const {
  const WindowData* window = Find(form);
  return window && std::any_of(window->hooks.begin(), window->hooks.end(),
                               [](const Hook& h) { return h.kind == HookKind::Bottom; });
}

const WindowRecord* HeadlessWindows::Window(const ui::Form& form) const {
  const auto* window = Find(form);
  return window ? &window->record : nullptr;
}

std::vector<HookKind> HeadlessWindows::HookChain(const ui::Form& form) const {
  std::vector<HookKind> chain;
  if (const auto* window = Find(form))
    for (const Hook& h : window->hooks) chain.push_back(h.kind);
  return chain;
}

int HeadlessWindows::StackIndex(const ui::Form& form) const {
  const std::size_t entry = EntryOf(&form, {});
  return entry < stack_.size() ? static_cast<int>(entry) : -1;
}

bool HeadlessWindows::IsTopmost(const ui::Form& form) const {
  const std::size_t entry = EntryOf(&form, {});
  return entry < stack_.size() && stack_[entry].topmost;
}

void HeadlessWindows::OpenOtherWindow(const std::string& name, bool topmost,
                                      std::optional<ui::Bounds> bounds,
                                      const ui::StackedWindow& facts) {
  stack_.push_back(StackEntry{nullptr, name, topmost, bounds, facts});
  PlaceOnTop(stack_.size() - 1);
}

void HeadlessWindows::ActivateOtherWindow(const std::string& name) {
  const std::size_t entry = EntryOf(nullptr, name);
  if (entry >= stack_.size()) return;
  PlaceOnTop(entry);
  const bool changed = foregroundForm_ || foregroundName_ != name;
  foregroundForm_ = nullptr;
  foregroundName_ = name;
  if (changed) foreground_.Announce();
}

void HeadlessWindows::RaiseOtherWindow(const std::string& name) {
  const std::size_t entry = EntryOf(nullptr, name);
  if (entry < stack_.size()) PlaceOnTop(entry);
}

void HeadlessWindows::MoveOtherWindow(const std::string& name, std::optional<ui::Bounds> bounds) {
  const std::size_t entry = EntryOf(nullptr, name);
  if (entry < stack_.size()) stack_[entry].bounds = bounds;
}

void HeadlessWindows::AddTrayHook(const ui::Form& form, unsigned message,
                                  std::function<void(unsigned)> onMessage) {
  WindowData* window = Find(form);
  if (!window) return;
  window->hooks.push_back(Hook{HookKind::Tray, message, std::move(onMessage)});
  hookEvents_.push_back(HookEvent{form.name(), HookKind::Tray, true});
}

void HeadlessWindows::DeliverTrayMessage(const ui::Form& form, unsigned message,
                                         unsigned mouseMessage) {
  const WindowData* window = Find(form);
  if (!window) return;
  // A copy: a handler may change the chain while the message travels down it.
  std::vector<std::function<void(unsigned)>> receivers;
  for (auto it = window->hooks.rbegin(); it != window->hooks.rend(); ++it)
    if (it->kind == HookKind::Tray && it->message == message && it->onMessage)
      receivers.push_back(it->onMessage);
  for (const auto& receive : receivers) receive(mouseMessage);
}

}  // namespace orvel::headless
