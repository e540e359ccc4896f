#pragma once
// FrmControl: the control panel, one fixed dialog with four tabbed pages (file, interface,
// functions, about) and three buttons. Created at each opening and closed by OK, Exit or its
// close box; loading it fills every control from the working values and the live schedule
// window, which runs the controls' change handlers and so re-applies the appearance.
//
// The handlers live in one file per page: frm_control_files.cpp, frm_control_appearance.cpp,
// frm_control_functions.cpp, frm_control_about.cpp, frm_control_calendar.cpp.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/c_tool_tip.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "program/program_state.h"
#include "program/schedule_window.h"

namespace orvel::panel {

// A control array: controls sharing a name, told apart by their Index. A deque builds each
// control in place, so the controls never move once registered with the form.
template <class Control>
using ControlArray = std::deque<Control>;

// Fonts listed in CmbFontName: names whose first character is a double-byte character of the
// ANSI code page (a Chinese name in GBK).
bool FontNameListed(std::string_view utf8Name);

class FrmControl : public ui::Form {
 public:
  // Both must outlive the panel. The edition comes from the state: the classic edition has no
  // font boxes and one more tooltip.
  FrmControl(program::ScheduleWindow& window, program::ProgramState& state);
  ~FrmControl() override;

  // Ends the program as Exit does: its icon removed, every form closed, the loop ended. Filled by
  // the program's wiring, which also ends the program this way when the schedule window is
  // closed; empty, Exit closes only the panel.
  std::function<void()> ExitProgram;

  // --- Tabs and pages ---
  ControlArray<ui::Label> LblTab;    // 0 "文件", 1 "界面", 2 "功能", 3 "关于"
  ControlArray<ui::Frame> FrameSet;  // the four pages, one visible at a time

  // --- File page ---
  ui::FileList FileSchedule;
  ControlArray<ui::Label> Lblrc;    // "行数", "列数"
  ControlArray<ui::TextBox> Txtrc;  // rows, columns
  ui::Button CmdNewFile;
  ui::Button CmdLoadFile;
  ui::Button CmdSaveFile;
  ui::Button CmdSaveAs;

  // --- Interface page ---
  ui::CheckBox ChkLock;
  ui::CheckBox ChkFold;
  ui::CheckBox ChkAlpha;
  ui::CheckBox ChkFrame;
  // 0 "窗口", 1 "配色" here; 2 "课前提醒方式", 3 "小时关机", 4 "校历" on the function page.
  ControlArray<ui::Label> Lab;
  ui::ComboBox CmbTopFloor;
  ui::ComboBox CmbColSet;
  ControlArray<ui::Label> LabColor;  // the custom scheme's colours 1 to 8
  // Grid edition only.
  std::optional<ui::ComboBox> CmbFontName;
  std::optional<ui::ComboBox> CmbFontSize;
  std::optional<ui::ComboBox> CmbFun;

  // --- Function page ---
  ui::CheckBox ChkTimerSchedule;
  ui::ComboBox CmbRemind;
  ui::CheckBox ChkPowerStart;
  ui::CheckBox Chknodo;
  ui::ComboBox Comduration;
  ui::ComboBox CmbArea;
  ui::ComboBox CmbYears;
  ui::Button CmdXiaoliMake;
  ui::Button CmdXiaoliLook;

  // --- About page ---
  ControlArray<ui::Label> LabAbout;
  ControlArray<ui::Picture> Imgabout;

  // --- Under the pages ---
  ui::Button CmdOK;
  ui::Button CmdSaveSet;
  ui::Button CmdExit;
  ui::PopupMenu mnu_save;  // "保存设置", "保存课表"

  // --- Start-up and tabs (frm_control.cpp) ---
  void Form_Load();
  void Form_Unload();
  void LblTab_Click(std::int16_t Index);

  // --- File page (frm_control_files.cpp) ---
  void CmdLoadFile_Click();
  void CmdNewFile_Click();
  void CmdSaveFile_Click();
  void CmdSaveAs_Click();
  // A timetable made current outside the panel (a dropped or imported file), shown as after the
  // panel's own load: the caption and the file list name it, and lock and fold apply to it.
  void ShowLoadedTimetable();

  // --- Interface page (frm_control_appearance.cpp) ---
  void ChkLock_Click();
  void ChkFold_Click();
  void ChkFrame_Click();
  void ChkAlpha_Click();
  void CmbTopFloor_Click();
  void CmbColSet_Click();
  void LabColor_Click(std::int16_t Index);
  void CmbFontName_Click();
  void CmbFontSize_Click();
  void CmbFun_Click();

  // --- Function page and buttons (frm_control_functions.cpp) ---
  void ChkTimerSchedule_Click();
  void CmdOK_Click();
  void CmdSaveSet_MouseUp(ui::MouseButton Button, int Shift, double X, double Y);
  void mnu_save_set_Click();
  void mnu_save_file_Click();
  void CmdExit_Click();

  // --- School calendar row (frm_control_calendar.cpp) ---
  void CmbArea_Click();
  void CmbYears_Click();
  void CmdXiaoliMake_Click();
  void CmdXiaoliLook_Click();

  // --- About page (frm_control_about.cpp) ---
  void LabAbout_Click(std::int16_t Index);
  void Imgabout_Click(std::int16_t Index);
  void Imgabout_MouseDown(std::int16_t Index, ui::MouseButton Button, int Shift, double X,
                          double Y);

  // What the panel read at load: the Windows version number and the auto-start box.
  float WindowsVersion() const { return windowsVersion_; }
  std::int16_t InitialPowerStart() const { return initialPowerStart_; }
  const desktop::cToolTip& toolTip() const { return tooltip_; }

 private:
  void CreateControls();
  void PlaceControls();
  void HoldPages();
  void WireHandlers();
  void AttachToolTips();
  void ShowFileFolder();
  void RefreshFileList();
  // A typed name that would not be a file inside "scd" is refused with a message.
  bool AcceptFileName(const std::string& scdFileName);
  // A save that would lose what the file holds asks first: an empty table over a file that holds
  // a timetable, or any table over a file that holds more than its read shows.
  bool ConfirmSaveOver(const std::string& scdFileName, const Timetable& table);
  void ShowPanelCaption();
  void ApplyAutoStartChoice();

  program::ScheduleWindow& window_;
  program::ProgramState& state_;
  desktop::cToolTip tooltip_;
  float windowsVersion_ = 0;
  std::int16_t initialPowerStart_ = 0;
};

}  // namespace orvel::panel
