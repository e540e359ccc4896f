#include "platform/headless/headless_tooltips.h"

#include <algorithm>

namespace orvel::headless {
namespace {

class HeadlessToolTip final : public ui::ToolTip {
 public:
  explicit HeadlessToolTip(ToolTipRecord& record) : record_(record) {}
  ~HeadlessToolTip() override { record_.destroyed = true; }
  HeadlessToolTip(const HeadlessToolTip&) = delete;
  HeadlessToolTip& operator=(const HeadlessToolTip&) = delete;

  void SetMaxWidth(std::int32_t pixels) override {
    if (!record_.destroyed) record_.maxWidth = pixels;
  }
  void SetDelay(ui::ToolTipDelay which, std::int32_t ms) override {
    if (record_.destroyed) return;
    // As the real window: a negative time restores the default.
    if (which == ui::ToolTipDelay::AutoPop)
      record_.autoPopMs = ms < 0 ? 5000 : ms;
    else
      record_.initialMs = ms < 0 ? 500 : ms;
  }
  std::int32_t Delay(ui::ToolTipDelay which) const override {
    if (record_.destroyed) return 0;
    return which == ui::ToolTipDelay::AutoPop ? record_.autoPopMs : record_.initialMs;
  }
  bool AddTool(const ui::Widget& widget, const std::string& text, bool centred) override {
    if (record_.destroyed || !widget.peer()) return false;
    record_.tools.push_back(ToolRecord{&widget, widget.name(), widget.index(), text, centred});
    return true;
  }

 private:
  ToolTipRecord& record_;
};

}  // namespace

std::unique_ptr<ui::ToolTip> HeadlessToolTips::Create(const ui::Form& owner) {
  if (!owner.Loaded()) return nullptr;
  ToolTipRecord& record = records_.emplace_back();
  record.owner = &owner;
  record.ownerName = owner.name();
  return std::make_unique<HeadlessToolTip>(record);
}

void HeadlessToolTips::Closed(const ui::Form& form) {
  for (ToolTipRecord& record : records_)
    if (record.owner == &form) record.destroyed = true;
}

}  // namespace orvel::headless
