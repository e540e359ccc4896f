#include "timetable/working_values.h"

#include "timetable/number_text.h"

namespace orvel {

WorkingValues WorkingValuesFromSettings(const SettingsRecord& s) {
  WorkingValues v;
  v.left = s.Left;
  v.top = s.Top;
  v.ScdFileName = s.ScdFileName;
  v.lock = s.ChkLock;
  v.fold = s.ChkFold;
  v.frame = s.ChkFrame;
  v.transparency = s.ChkAlpha;
  v.layer = s.CmbTopFloor;
  v.scheme = s.CmbColSet;
  v.fontName = s.CmbFontName;
  v.fontSize = LeadingValue(s.CmbFontSize);
  v.textEffect = LeadingValue(s.CmbFun);
  v.highlight = s.ChkTimerSchedule;
  v.idleShutdown = s.Chknodo;
  v.idleHours = s.Comduration;
  v.remindMode = s.CmbRemind;
  return v;
}

}  // namespace orvel
