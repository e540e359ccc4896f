#pragma once
// The steps both editions' schedule windows take alike: the start-up up to the timetable
// (settings, position, window layer), the layered window and the Alt drag. FrmSchedule (grid) and
// classic::FrmSchedule (text boxes) call these; only the timetable itself is shown differently.
#include <string>
#include <string_view>

#include "platform/ui/form.h"
#include "program/program_state.h"
#include "program/schedule_window.h"

namespace orvel::program {

// Shown at start-up when the timetable file named by the settings cannot be read.
inline constexpr std::string_view kScdReadFailedText =
    "用户指定数据文件或默认数据文件(scd\\Schedule.csv)"
    "丢失或读取失败，即将新建一个默认格式的空课表，"
    "修改后，请保存文件及设置！";
inline constexpr std::string_view kScdReadFailedTitle = "错误";
inline constexpr std::string_view kDefaultScdFileName = "Schedule.csv";
// The program's icon resource.
inline constexpr int kAppIconId = 1;

// The built-in colour schemes and "Schedule.csv", then the edition's settings file over
// those defaults into the working values, the custom scheme and the calendar area; a timetable
// imported from the command line in place of the settings file's; the day lists; classroom.ini.
void ReadStartupSettings(ProgramState& state);

// The window at the stored position; negative values stay.
void RestorePosition(ui::Form& window, ProgramState& state);

// Once the window has its size at the end of start-up: the origin when nothing of it lies on any
// monitor (on one monitor: on the screen), beyond the right or bottom edge of every monitor, or
// beyond the left or top edge, or in a gap between monitors. A window on a monitor, even partly,
// stays where it is.
void KeepOnAMonitor(ui::Form& window, ProgramState& state);

// The sizes the control panel's font-size list offers, "9" to "15". A stored size outside them
// (0.001 or 2048 typed into the settings file) would make the window vanish or fill the screen
// many times over; it is taken as the nearest of them. Sizes between stay as they are.
inline constexpr double kSmallestOfferedFontSize = 9;
inline constexpr double kLargestOfferedFontSize = 15;
double NearestOfferedFontSize(double points);

// The window layer: normal is not topmost and without the bottom hook; "始终在上" is topmost and
// kept above full-screen programs; a layer outside the list does nothing.
void ApplyWindowLayer(ProgramState& state, ScheduleWindow& window, WindowLayer layer);

// The window is kept above full-screen programs exactly while its layer is "始终在上"; a layer
// outside the list changes nothing.
void KeepInFrontWhenOnTop(ProgramState& state, ScheduleWindow& window, WindowLayer layer);

void MakeLayered(ui::Form& window, Layering layering, ui::Colour colour, int alpha);

// Only the left button with exactly Alt held moves the window.
void DragWhenAltLeft(ui::Form& window, ui::MouseButton button, int shift);

}  // namespace orvel::program
