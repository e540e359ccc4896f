#pragma once
// The messages of a save that a text stopped: where the text is, which character, and what to
// type instead. Shown under the save-failure title "保存失败".
#include <string>
#include <string_view>

#include "timetable/settings.h"
#include "timetable/timetable_writer.h"

namespace orvel::panel {

// The cell is named by row and column counted from 1, as the user counts them.
std::string TimetableRefusalText(std::string_view scdFileName, const UnwritableCell& cell);

std::string SettingsRefusalText(const UnwritableSetting& setting);

// A field typed for a rule of the day list ("“内容”一项含有半角逗号…"), with the advice.
std::string DayFieldRefusalText(std::string_view field, const FieldRefusal& refusal);
// A line of days.csv that the file cannot carry ("第3行中的“²”无法…"), with the advice.
std::string DayLineRefusalText(int line, const FieldRefusal& refusal);

// New and save as: a name that would not be a file inside "scd", a device name included.
inline constexpr std::string_view kInvalidFileNameText =
    "课表文件名不能含有 \\ / : * ? \" < > | 或“..”，请换一个名字！";
inline constexpr std::string_view kInvalidFileNameTitle = "错误的数据格式";
std::string InvalidFileNameText(std::string_view scdFileName);

}  // namespace orvel::panel
