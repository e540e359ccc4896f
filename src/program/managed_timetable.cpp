#include "program/managed_timetable.h"

#include "platform/ui/platform.h"

namespace orvel::program {

std::string ManagedTimetableText(std::string_view source) {
  return "此课表由学校统一管理（来源：" + std::string(source) + "），如需修改请联系管理员。";
}

bool RefuseManagedChange(ProgramState& state, const ui::Form* owner, std::string_view title) {
  if (state.followedSource.empty()) return false;
  state.platform.dialogs().MessageBox(owner, ManagedTimetableText(state.followedSource),
                                      std::string(title), ui::MessageIcon::Warning,
                                      ui::MessageButtons::Ok);
  return true;
}

}  // namespace orvel::program
