#pragma once
// The 校时 window's sentences, worded so that the sign cannot be misread: which clock is fast or
// slow, and by how much.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/ui/services.h"
#include "program/school_clock.h"

namespace orvel::panel {

// "标准时间：ntp.aliyun.com，9:12 校准", or "未能校时，使用本机时钟" without one.
std::string StandardTimeText(const std::optional<program::StandardTime>& standard);
// `offsetMs` is standard time − the PC's clock: "本机时钟慢 2 分 13 秒" (to the nearest second, no
// "0 秒"), "本机时钟快 3 天 1 小时", "本机时钟准确" within a second.
std::string PcClockText(std::int64_t offsetMs);
// `seconds` is the bell − standard time: "铃声比标准时间快 37 秒", "铃声与标准时间一致".
std::string BellText(int seconds);
// "课表时间：8:05:12".
std::string ProgramTimeText(const ui::LocalTime& now);

}  // namespace orvel::panel
