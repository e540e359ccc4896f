#pragma once
// Removing one entry from a list of controls or their peers. They go last first when a form
// unloads, and a matrix has thousands of them: looked for from the back, each removal is quick
// and taking them all stays linear.
#include <algorithm>
#include <iterator>
#include <vector>

namespace orvel::ui {

// Removes the last entry equal to `item`, if there is one.
template <class T>
void EraseLast(std::vector<T>& items, const T& item) {
  const auto it = std::find(items.rbegin(), items.rend(), item);
  if (it != items.rend()) items.erase(std::next(it).base());
}

}  // namespace orvel::ui
