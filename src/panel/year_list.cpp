#include "panel/year_list.h"

#include <algorithm>

namespace orvel::panel {

std::vector<std::string> YearItems(int currentYear) {
  const int first = std::max(currentYear - 5, kFirstListedYear);
  const int last = std::min(currentYear + 5, kLastListedYear);
  std::vector<std::string> items;
  for (int year = first; year <= last; ++year) items.push_back(std::to_string(year));
  return items;
}

void FillYears(ui::ComboBox& CmbYears, int currentYear) {
  CmbYears.Clear();
  const std::vector<std::string> items = YearItems(currentYear);
  for (const std::string& item : items) CmbYears.AddItem(item);
  const auto it = std::find(items.begin(), items.end(), std::to_string(currentYear));
  if (it != items.end()) CmbYears.SetListIndex(static_cast<int>(it - items.begin()));
}

}  // namespace orvel::panel
