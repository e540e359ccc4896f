// FrmControl, function page and the buttons: highlight switch, OK, the save menu and Exit.
#include <string>
#include <vector>

#include "desktop/auto_start.h"
#include "desktop/idle_shutdown.h"
#include "panel/frm_control.h"
#include "panel/save_refusal_text.h"
#include "platform/ui/platform.h"
#include "program/live_values.h"
#include "timetable/number_text.h"
#include "timetable/settings.h"

namespace orvel::panel {

void FrmControl::ChkTimerSchedule_Click() {
  const bool on = ChkTimerSchedule.Value() == 1;
  program::SetHighlighting(state_, on);
  if (!on) window_.PaintCellsWhite();
}

void FrmControl::ApplyAutoStartChoice() {
  desktop::ApplyAutoStart(state_.platform, windowsVersion_,
                          static_cast<std::int16_t>(ChkPowerStart.Value()), initialPowerStart_);
}

void FrmControl::CmdOK_Click() {
  WorkingValues& values = state_.values;
  // The look the panel shows becomes the working look.
  values.lock = ChkLock.Value() == 1;
  values.fold = ChkFold.Value() == 1;
  values.frame = ChkFrame.Value() == 1;
  values.transparency = ChkAlpha.Value() == 1;
  values.layer = ChoiceAtListIndex<WindowLayer>(CmbTopFloor.ListIndex());
  values.scheme = ChoiceAtListIndex<SchemeChoice>(CmbColSet.ListIndex());
  for (std::size_t i = 0; i < LabColor.size(); ++i)
    state_.colours.SetCustom(static_cast<int>(i) + 1, LabColor[i].BackColour());
  // The reminder mode, the idle switch and hours, and the only start of the idle timer.
  values.remindMode = ChoiceAtListIndex<RemindMode>(CmbRemind.ListIndex());
  desktop::ArmIdleShutdown(window_.IdleTimer(), values, Chknodo.Value() != 0, Comduration.Text());
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
  record.Left = static_cast<float>(schedule.Left());
  record.Top = static_cast<float>(schedule.Top());
  record.ScdFileName = state_.values.ScdFileName;
  record.ChkLock = ChkLock.Value() == 1;
  record.ChkFold = ChkFold.Value() == 1;
  record.ChkFrame = ChkFrame.Value() == 1;
  record.ChkAlpha = ChkAlpha.Value() == 1;
  record.CmbTopFloor = ChoiceAtListIndex<WindowLayer>(CmbTopFloor.ListIndex());
  record.CmbColSet = ChoiceAtListIndex<SchemeChoice>(CmbColSet.ListIndex());
  record.CustomColours = state_.colours.CustomForSettings();
  if (CmbFontName) record.CmbFontName = CmbFontName->Text();
  if (CmbFontSize) record.CmbFontSize = CmbFontSize->Text();
  if (CmbFun) record.CmbFun = CmbFun->Text();
  record.ChkTimerSchedule = ChkTimerSchedule.Value() == 1;
  record.Chknodo = Chknodo.Value() == 1;
  // A text that is not a number reads back as 0, which is what is stored for it.
  record.Comduration = ToSingle(Comduration.Text()).value_or(0.0f);
  record.CmbRemind = ChoiceAtListIndex<RemindMode>(CmbRemind.ListIndex());
  record.CmbArea = state_.live.area;

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
