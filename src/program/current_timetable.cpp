#include "program/current_timetable.h"

namespace orvel::program {

bool LoadCurrentTimetable(ScheduleWindow& window, const std::string& scdFileName) {
  const std::string areaTag = window.AreaTag();
  const bool read = window.LoadTimetableFile(scdFileName);
  window.AreaTag() = areaTag;
  return read;
}

void ReapplyLockAndFold(ScheduleWindow& window) {
  window.ApplyLock(window.Locked());
  window.ApplyFold(window.Folded());
}

}  // namespace orvel::program
