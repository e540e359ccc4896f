#include "desktop/front_keeper.h"

#include <algorithm>
#include <utility>

namespace orvel::desktop {

// One kept form: it follows the form's showing and hiding, and owns the form's check timer.
class FrontKeeper::Kept final : public ui::FormWatcher {
 public:
  Kept(FrontKeeper& keeper, int id, ui::Form& form, FrontOrder order)
      : keeper_(keeper),
        id_(id),
        form_(form),
        order_(order),
        check_(&form, "FrontCheck", kFrontCheckIntervalMs, form.Visible()) {
    check_.onTimer = [this] { keeper_.Check(*this); };
    form_.Attach(check_);
    form_.AddWatcher(this);
  }
  ~Kept() { form_.RemoveWatcher(this); }
  Kept(const Kept&) = delete;
  Kept& operator=(const Kept&) = delete;

  void FormShownChanged(ui::Form&) override { keeper_.ShownChanged(*this); }

  int id() const { return id_; }
  ui::Form& form() const { return form_; }
  FrontOrder order() const { return order_; }
  ui::Timer& check() { return check_; }
  std::optional<std::int64_t> lastRaiseMs;

 private:
  FrontKeeper& keeper_;
  int id_;
  ui::Form& form_;
  FrontOrder order_;
  ui::Timer check_;
};

FrontRegistration::FrontRegistration(FrontRegistration&& other) noexcept
    : keeper_(std::exchange(other.keeper_, nullptr)), id_(other.id_) {}

FrontRegistration& FrontRegistration::operator=(FrontRegistration&& other) noexcept {
  if (this != &other) {
    Reset();
    keeper_ = std::exchange(other.keeper_, nullptr);
    id_ = other.id_;
  }
  return *this;
}

FrontRegistration::~FrontRegistration() {
  Reset();
}

void FrontRegistration::Reset() {
  if (FrontKeeper* keeper = std::exchange(keeper_, nullptr)) keeper->End(id_);
}

FrontKeeper::FrontKeeper(ui::Platform& platform) : platform_(platform) {}

FrontKeeper::~FrontKeeper() = default;

FrontRegistration FrontKeeper::Keep(ui::Form& form, FrontOrder order) {
  const int id = nextId_++;
  kept_.push_back(std::make_unique<Kept>(*this, id, form, order));
  UpdateHook();
  return FrontRegistration(*this, id);
}

FrontRegistration FrontKeeper::WatchForeground(std::function<void()> onChange) {
  const int id = nextId_++;
  watches_.emplace(id, std::move(onChange));
  UpdateHook();
  return FrontRegistration(*this, id);
}

bool FrontKeeper::FullScreenCovers(const ui::Form& form) const {
  return platform_.windows().FullScreenOver(form);
}

void FrontKeeper::End(int id) {
  watches_.erase(id);
  std::erase_if(kept_, [id](const std::unique_ptr<Kept>& k) { return k->id() == id; });
  UpdateHook();
}

void FrontKeeper::ShownChanged(Kept& kept) {
  const bool shown = kept.form().Visible();
  kept.check().SetEnabled(shown);
  UpdateHook();
  // Shown again beneath a window that came meanwhile (the tray's show of the schedule window).
  if (shown) Check(kept);
}

void FrontKeeper::Check(Kept& kept) {
  if (kept.form().Visible() && platform_.windows().CoveredByOther(kept.form())) RaiseShown();
}

void FrontKeeper::ForegroundChanged() {
  announcing_ = true;
  RaiseShown();
  std::vector<int> ids;
  for (const auto& [id, onChange] : watches_) ids.push_back(id);
  // A watcher may end its own watch or another's: each one still there hears it.
  for (int id : ids) {
    const auto it = watches_.find(id);
    if (it == watches_.end()) continue;
    if (const std::function<void()> onChange = it->second) onChange();
  }
  announcing_ = false;
  UpdateHook();
}

void FrontKeeper::RaiseShown() {
  std::vector<Kept*> shown;
  for (const auto& k : kept_)
    if (k->form().Visible()) shown.push_back(k.get());
  // The highest order last, so that it ends on top; kept windows of one order as they came.
  std::stable_sort(shown.begin(), shown.end(),
                   [](const Kept* a, const Kept* b) { return a->order() < b->order(); });
  const std::int64_t now = platform_.clock().SteadyMs();
  for (Kept* k : shown) {
    if (k->lastRaiseMs && now - *k->lastRaiseMs < kFrontRaiseGapMs) continue;
    k->lastRaiseMs = now;
    platform_.windows().RaiseTopmost(k->form());
  }
}

void FrontKeeper::UpdateHook() {
  const bool needed = !watches_.empty() ||
                      std::any_of(kept_.begin(), kept_.end(), [](const std::unique_ptr<Kept>& k) {
                        return k->form().Visible();
                      });
  if (needed && !hook_) {
    hook_ = platform_.foreground().Watch([this] { ForegroundChanged(); });
  } else if (!needed && hook_ && !announcing_) {
    hook_.reset();
  }
}

}  // namespace orvel::desktop
