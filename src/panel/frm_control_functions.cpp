// FrmControl, function page and the buttons: highlight switch, OK, the save menu and Exit.
#include <string>
#include <vector>

#include "desktop/auto_start.h"
#include "desktop/idle_shutdown.h"
#include "panel/frm_control.h"
#include "panel/save_refusal_text.h"
#include "platform/ui/platform.h"
#include "timetable/number_text.h"
#include "timetable/settings.h"

namespace orvel::panel {

void FrmControl::ChkTimerSchedule_Click() {
  const bool on = ChkTimerSchedule.Value() == 1;
  window_.ClockTimer().SetEnabled(on);
  if (!on) window_.PaintCellsWhite();
}

void FrmControl::ApplyAutoStartChoice() {
  desktop::ApplyAutoStart(state_.platform, windowsVersion_,
                          static_cast<std::int16_t>(ChkPowerStart.Value()), initialPowerStart_);
}

void FrmControl::CmdOK_Click() {
  WorkingValues& values = state_.values;
  // The look the panel shows becomes the working look.
  values.lock = static_cast<std::int16_t>(ChkLock.Value());
  values.fold = static_cast<std::int16_t>(ChkFold.Value());
  values.frame = static_cast<std::int16_t>(ChkFrame.Value());
  values.transparency = static_cast<std::int16_t>(ChkAlpha.Value());
  values.layer = static_cast<std::int16_t>(CmbTopFloor.ListIndex());
  values.scheme = static_cast<std::int16_t>(CmbColSet.ListIndex());
  for (std::size_t i = 0; i < LabColor.size(); ++i)
    state_.colours.SetCustom(static_cast<int>(i) + 1, LabColor[i].BackColour());
  // The reminder mode, the idle switch and hours, and the only start of the idle timer.
  values.remindMode = static_cast<std::int16_t>(CmbRemind.ListIndex());
  desktop::ArmIdleShutdown(window_.IdleTimer(), values, Chknodo.Value() != 0,
                           Comduration.Text());
  ApplyAutoStartChoice();
  // Unloading removes the tips.
  Unload();
}

void FrmControl::CmdSaveSet_MouseUp(ui::MouseButton Button, int Shift, double X, double Y) {
  (void)Shift;
  (void)X;
  (void)Y;
  if (Button == ui::MouseButton::Left) state_.platform.dialogs().ShowPopupMenu(this, mnu_save);
}

void FrmControl::mnu_save_set_Click() {
  ui::Form& schedule = window_.form();
  SettingsRecord record;
  record.Left = FormatSingle(static_cast<float>(schedule.Left()));
  record.Top = FormatSingle(static_cast<float>(schedule.Top()));
  record.ScdFileName = state_.values.ScdFileName;
  record.ChkLock = static_cast<std::int16_t>(ChkLock.Value());
  record.ChkFold = static_cast<std::int16_t>(ChkFold.Value());
  record.ChkFrame = static_cast<std::int16_t>(ChkFrame.Value());
  record.ChkAlpha = static_cast<std::int16_t>(ChkAlpha.Value());
  record.CmbTopFloor = static_cast<std::int16_t>(CmbTopFloor.ListIndex());
  record.CmbColSet = static_cast<std::int16_t>(CmbColSet.ListIndex());
  record.CustomColours = state_.colours.CustomForSettings();
  if (CmbFontName) record.CmbFontName = CmbFontName->Text();
  if (CmbFontSize) record.CmbFontSize = CmbFontSize->Text();
  if (CmbFun) record.CmbFun = CmbFun->Text();
  record.ChkTimerSchedule = std::to_string(ChkTimerSchedule.Value());
  record.Chknodo = static_cast<std::int16_t>(Chknodo.Value());
  // A text that is not a number reads back as 0, which is what is stored for it.
  record.Comduration = ToSingle(Comduration.Text()).value_or(0.0f);
  record.CmbRemind = static_cast<std::int16_t>(CmbRemind.ListIndex());
  record.CmbArea = window_.AreaTag();

  ui::Dialogs& dialogs = state_.platform.dialogs();
  const SettingsSaveResult saved = WriteSettings(state_.programFolder, state_.edition, record);
  if (!saved.saved) {
    // The old file is left as it was; nothing of the settings, auto-start included, is applied.
    const std::string text = saved.refused ? SettingsRefusalText(*saved.refused)
                                           : "当前设置未被保存，文件只读或正在使用！";
    dialogs.MessageBox(this, text, "保存失败", ui::MessageIcon::Error, ui::MessageButtons::Ok);
    return;
  }
  ApplyAutoStartChoice();
  dialogs.MessageBox(this, "当前设置已保存", "保存成功", ui::MessageIcon::Information,
                     ui::MessageButtons::Ok);
}

void FrmControl::mnu_save_file_Click() {
  CmdSaveFile_Click();
}

void FrmControl::CmdExit_Click() {
  if (ExitProgram)
    ExitProgram();
  else
    Unload();
}

}  // namespace orvel::panel
