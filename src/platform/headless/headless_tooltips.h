#pragma once
// Tooltip windows in memory: every tooltip made is kept as a record a test can read, with its
// owner, width, delays and tools, also after the object or its owner form is gone.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/services.h"

namespace orvel::headless {

struct ToolRecord {
  const ui::Widget* widget = nullptr;
  std::string widgetName;
  int widgetIndex = -1;
  std::string text;
  bool centred = false;
};

struct ToolTipRecord {
  const ui::Form* owner = nullptr;
  std::string ownerName;
  std::int32_t maxWidth = -1;  // the system's default: no wrapping
  std::int32_t autoPopMs = 5000;
  std::int32_t initialMs = 500;
  std::vector<ToolRecord> tools;
  bool destroyed = false;  // by its object, or with its owner form
};

class HeadlessToolTips : public ui::ToolTips {
 public:
  std::unique_ptr<ui::ToolTip> Create(const ui::Form& owner) override;

  // In creation order.
  const std::deque<ToolTipRecord>& Records() const { return records_; }
  // The tooltips of a form go with its window.
  void Closed(const ui::Form& form);

 private:
  std::deque<ToolTipRecord> records_;  // a deque keeps the records in place as it grows
};

}  // namespace orvel::headless
