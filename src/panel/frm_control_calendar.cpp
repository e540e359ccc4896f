// FrmControl, school-calendar row: area, year, generate, view.
#include "panel/calendar_commands.h"
#include "panel/frm_control.h"
#include "platform/ui/platform.h"

namespace orvel::panel {

void FrmControl::CmbArea_Click() {
  state_.live.area = CalendarArea::AtListIndex(CmbArea.ListIndex());
}

void FrmControl::CmbYears_Click() {
  panel::CmbYears_Click(state_.programFolder, CmbArea, CmbYears, CmdXiaoliLook);
}

void FrmControl::CmdXiaoliMake_Click() {
  panel::CmdXiaoliMake_Click(state_.platform, *this, state_.programFolder, CmbArea, CmbYears);
}

void FrmControl::CmdXiaoliLook_Click() {
  panel::CmdXiaoliLook_Click(state_.platform.shell(), state_.programFolder, CmbArea, CmbYears);
}

}  // namespace orvel::panel
