#include "timetable/colour_table.h"

#include <cstddef>

namespace orvel {
namespace {

constexpr ColourScheme kScheme1 = {0xFFC0FF, 0xFFFFFF, 0x00FFFF, 0x00FF00,
                                   0xC0FFC0, 0xFFFF00, 0xC0FFFF, 0x000000};
constexpr ColourScheme kScheme2 = {0xC0C000, 0xFFFFFF, 0xFF80FF, 0xC0FFC0,
                                   0x00FF00, 0xC0E0FF, 0xE0E0E0, 0x000000};

constexpr std::size_t kCustom = static_cast<std::size_t>(SchemeChoice::Custom);

bool ValidNumber(int number) {
  return number >= 1 && number <= kColoursPerScheme;
}

}  // namespace

ColourTable::ColourTable() : schemes_{kScheme1, kScheme2, ColourScheme{}} {}

Colour ColourTable::Get(SchemeChoice scheme, int number) const {
  if (!ValidNumber(number)) return 0;
  int index = static_cast<int>(scheme);
  if (index < 0 || index >= kSchemeCount) index = 0;
  return schemes_[static_cast<std::size_t>(index)][static_cast<std::size_t>(number - 1)];
}

bool ColourTable::SetCustom(int number, Colour colour) {
  if (!ValidNumber(number)) return false;
  schemes_[kCustom][static_cast<std::size_t>(number - 1)] = colour;
  return true;
}

std::array<std::int32_t, kColoursPerScheme> ColourTable::CustomForSettings() const {
  std::array<std::int32_t, kColoursPerScheme> stored{};
  for (std::size_t i = 0; i < stored.size(); ++i)
    stored[i] = static_cast<std::int32_t>(schemes_[kCustom][i]);
  return stored;
}

void ColourTable::SetCustomFromSettings(const std::array<std::int32_t, kColoursPerScheme>& stored) {
  for (std::size_t i = 0; i < stored.size(); ++i)
    schemes_[kCustom][i] = static_cast<Colour>(stored[i]);
}

}  // namespace orvel
