#include "panel/school_time_text.h"

#include <cstdlib>

namespace orvel::panel {
namespace {

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

// "3 天 1 小时 2 分 13 秒", the parts that are 0 left out; `seconds` > 0.
std::string Span(std::int64_t seconds) {
  struct Unit {
    std::int64_t seconds;
    const char* name;
  };
  static constexpr Unit kUnits[] = {{86400, "天"}, {3600, "小时"}, {60, "分"}, {1, "秒"}};
  std::string text;
  for (const Unit& unit : kUnits) {
    const std::int64_t count = seconds / unit.seconds;
    seconds %= unit.seconds;
    if (count == 0) continue;
    if (!text.empty()) text += ' ';
    text += std::to_string(count) + " " + unit.name;
  }
  return text;
}

}  // namespace

std::string StandardTimeText(const std::optional<program::StandardTime>& standard) {
  if (!standard) return "未能校时，使用本机时钟";
  const int s = standard->takenAt.secondsOfDay;
  return "标准时间：" + standard->source + "，" + std::to_string(s / 3600) + ":" +
         TwoDigits(s / 60 % 60) + " 校准";
}

std::string PcClockText(std::int64_t offsetMs) {
  // To the nearest second, halves away from zero.
  const std::int64_t seconds = (std::llabs(offsetMs) + 500) / 1000;
  if (seconds == 0) return "本机时钟准确";
  return std::string(offsetMs > 0 ? "本机时钟慢 " : "本机时钟快 ") + Span(seconds);
}

std::string BellText(int seconds) {
  if (seconds == 0) return "铃声与标准时间一致";
  return std::string(seconds > 0 ? "铃声比标准时间快 " : "铃声比标准时间慢 ") +
         Span(std::abs(seconds));
}

std::string ProgramTimeText(const ui::LocalTime& now) {
  const int s = now.secondsOfDay;
  return "课表时间：" + std::to_string(s / 3600) + ":" + TwoDigits(s / 60 % 60) + ":" +
         TwoDigits(s % 60);
}

}  // namespace orvel::panel
