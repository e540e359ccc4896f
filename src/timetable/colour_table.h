#pragma once
// Three colour schemes of eight colours each: "方案1" and "方案2" built in, "自定义" set by the
// user.
#include <array>
#include <cstdint>

namespace orvel {

using Colour = std::uint32_t;  // 0x00BBGGRR

inline constexpr int kSchemeCount = 3;
inline constexpr int kColoursPerScheme = 8;

// The scheme the colours come from: the list "方案1", "方案2", "自定义" of the control panel,
// whose positions the settings file stores. A stored number outside the list is kept as read
// (see setting_choices.h) and paints with the first scheme.
enum class SchemeChoice : std::int16_t { First = 0, Second = 1, Custom = 2 };

// Colour numbers 1 to 8.
inline constexpr int kColourHeader = 1;
inline constexpr int kColourBackground = 2;
inline constexpr int kColourTodayColumn = 3;
inline constexpr int kColourCurrentRow = 4;
inline constexpr int kColourCurrentNoClass = 5;
inline constexpr int kColourCurrentClass = 6;
inline constexpr int kColourBreak = 7;
inline constexpr int kColourText = 8;

using ColourScheme = std::array<Colour, kColoursPerScheme>;

class ColourTable {
 public:
  // Built-in schemes filled, custom scheme all black.
  ColourTable();

  // Colour `number` (1 to 8) of `scheme`. A scheme outside the list paints with the first, the
  // scheme of a fresh start. A number outside 1 to 8 gives black.
  Colour Get(SchemeChoice scheme, int number) const;

  // Only the custom scheme can change; false for a number outside 1 to 8.
  bool SetCustom(int number, Colour colour);

  // The custom scheme as the settings file stores it (signed 32-bit), and back. The bits are
  // kept as they are, so whatever the file held is written again unchanged.
  std::array<std::int32_t, kColoursPerScheme> CustomForSettings() const;
  void SetCustomFromSettings(const std::array<std::int32_t, kColoursPerScheme>& stored);

 private:
  std::array<ColourScheme, kSchemeCount> schemes_;
};

}  // namespace orvel
