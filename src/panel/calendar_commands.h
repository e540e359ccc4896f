#pragma once
// The school-calendar row of the control panel's function page: area, year, generate, view.
// Every handler builds the calendar path afresh from the current texts of the two lists.
#include <filesystem>
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/platform.h"

namespace orvel::panel {

// programFolder / "csv" / area + year + "~" + next year + "学年度校历.csv"
std::filesystem::path CalendarPathFor(const std::filesystem::path& programFolder,
                                      const ui::ComboBox& CmbArea, const ui::ComboBox& CmbYears);

// Enables the view button exactly when the calendar file of the chosen year exists.
void CmbYears_Click(const std::filesystem::path& programFolder, const ui::ComboBox& CmbArea,
                    const ui::ComboBox& CmbYears, ui::Button& CmdXiaoliLook);

// Writes the calendar and reports it: a file held open gives a warning and leaves the old file
// as it was; success asks whether to open it and opens it on Yes; any other failure gives an
// error message and leaves no file. The view button is not touched.
void CmdXiaoliMake_Click(ui::Platform& platform, const ui::Form& panel,
                         const std::filesystem::path& programFolder, const ui::ComboBox& CmbArea,
                         const ui::ComboBox& CmbYears);

// Asks the shell to open the calendar file of the chosen year.
void CmdXiaoliLook_Click(ui::Shell& shell, const std::filesystem::path& programFolder,
                         const ui::ComboBox& CmbArea, const ui::ComboBox& CmbYears);

}  // namespace orvel::panel
