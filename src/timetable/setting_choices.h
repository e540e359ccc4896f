#pragma once
// The settings that choose among a few ways: the window layer, the reminder mode and the calendar
// area. The settings file stores each as a number, the position of the control panel's list;
// its reader and writer are the only code that turns those numbers into these types and back.
// A number outside the list (−1 for no selection, or a hand-edited one) is kept as it was read,
// so that it is written back unchanged, and chooses nothing: the code that acts on a choice
// ignores one it does not know.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// The list "普通模式", "始终在上", "始终在下".
enum class WindowLayer : std::int16_t { Normal = 0, AlwaysOnTop = 1, AlwaysAtBottom = 2 };

// How the schedule clock reminds of a lesson: the list "无上课提醒", "弹出框提醒", "气泡提醒".
enum class RemindMode : std::int16_t { None = 0, Popup = 1, Balloon = 2 };

// The list positions of a choice, for the panel's lists.
template <class Choice>
constexpr int ListIndexOf(Choice choice) {
  return static_cast<int>(choice);
}
template <class Choice>
constexpr Choice ChoiceAtListIndex(int index) {
  return static_cast<Choice>(index);
}

// The calendar area of the week label and the school calendar: "上海", whose term weeks and
// vacations the header shows, or "其他", whose header reads "时间". The settings file stores a
// number as text, 0 for 上海 and anything else for 其他, which the schedule window keeps as it
// was read until the panel's list chooses an area.
class CalendarArea {
 public:
  CalendarArea() = default;  // 上海

  // The list "上海", "其他".
  static CalendarArea AtListIndex(int index) { return CalendarArea(index); }
  // The list position that shows the area: the stored number rounded to a whole one, halves to
  // even; nothing when it is no 16-bit number. The list takes only its own positions.
  std::optional<int> ListIndex() const;

  bool IsShanghai() const { return stored_ == 0; }

  // The settings file's text, read by its leading number, and written back.
  static CalendarArea FromStoredText(std::string_view text);
  std::string StoredText() const;

  friend bool operator==(const CalendarArea&, const CalendarArea&) = default;

 private:
  explicit CalendarArea(double stored) : stored_(stored) {}
  double stored_ = 0;
};

}  // namespace orvel
