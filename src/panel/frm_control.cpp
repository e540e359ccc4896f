// FrmControl: controls, layout, Form_Load and the tabs.
#include "panel/frm_control.h"

#include <string>
#include <system_error>

#include "desktop/auto_start.h"
#include "panel/about_links.h"
#include "panel/about_text.h"
#include "panel/year_list.h"
#include "platform/file_io.h"
#include "platform/ui/platform.h"
#include "timetable/number_text.h"
#include "timetable/program_folder.h"

namespace orvel::panel {
namespace {

// Picture resources of the program (numbered in platform/win32/resource_ids.h): its icon, the
// same as the schedule window's, and the about page's portrait.
constexpr int kPanelIconId = 1;
constexpr int kPortraitPictureId = 2;
constexpr double kClientWidth = 4095;
constexpr double kClientHeight = 4140;

// Tabs: left, top, width, height in twips.
constexpr double kTabTop = 135;
constexpr double kTabHeight = 255;
constexpr double kTabLeft[4] = {360, 1200, 2160, 3000};
constexpr double kTabWidth[4] = {800, 800, 800, 795};
constexpr const char* kTabCaption[4] = {"文件", "界面", "功能", "关于"};

// Every page covers this rectangle; a control lying fully inside it follows its page.
constexpr double kPageLeft = 240;
constexpr double kPageTop = 360;
constexpr double kPageWidth = 3600;
constexpr double kPageHeight = 2895;

// Buttons under the pages.
constexpr double kButtonTop = 3510;
constexpr double kButtonWidth = 1000;
constexpr double kButtonHeight = 375;

// Sizes inside the pages: one line of text, a box, a page button.
constexpr double kLineHeight = 255;
constexpr double kBoxHeight = 300;
constexpr double kCheckHeight = 300;

constexpr const char* kColourCaption[8] = {"表头", "背景", "亮列", "亮行",
                                           "无课", "有课", "课间", "字色"};
constexpr const char* kLabCaption[5] = {"窗口", "配色", "课前提醒方式", "小时关机", "校历"};

std::string ColourSchemeTip() {
  return "选择自定义设置用户配色方案\r\n1-表头色，2-背景色，3-当前星期列，4-当前时间行，\r\n"
         "5-当前节无课，6-当前节有课，7-课间休息，8-文字颜色";
}

}  // namespace

FrmControl::FrmControl(program::ScheduleWindow& window, program::ProgramState& state)
    : ui::Form(state.platform, "FrmControl", ui::FormStyle::FixedDialog),
      FileSchedule(this, "FileSchedule"),
      CmdNewFile(this, "CmdNewFile", "新建"),
      CmdLoadFile(this, "CmdLoadFile", "加载"),
      CmdSaveFile(this, "CmdSaveFile", "保存"),
      CmdSaveAs(this, "CmdSaveAs", "另存"),
      ChkLock(this, "ChkLock", "锁定"),
      ChkFold(this, "ChkFold", "折叠"),
      ChkAlpha(this, "ChkAlpha", "透明"),
      ChkFrame(this, "ChkFrame", "有框"),
      CmbTopFloor(this, "CmbTopFloor", false, {"普通模式", "始终在上", "始终在下"}),
      CmbColSet(this, "CmbColSet", false, {"方案1", "方案2", "自定义"}),
      ChkTimerSchedule(this, "ChkTimerSchedule", "课表加亮"),
      CmbRemind(this, "CmbRemind", false, {"无上课提醒", "弹出框提醒", "气泡提醒"}),
      ChkPowerStart(this, "ChkPowerStart", "随机自启"),
      Chknodo(this, "Chknodo", "无操作"),
      Comduration(this, "Comduration", true, {"0.1", "0.5", "1", "1.5", "2"}),
      CmbArea(this, "CmbArea", false, {"上海", "其他"}),
      CmbYears(this, "CmbYears", false),
      CmdXiaoliMake(this, "CmdXiaoliMake", "生成"),
      CmdXiaoliLook(this, "CmdXiaoliLook", "查看"),
      CmdOK(this, "CmdOK", "确定"),
      CmdSaveSet(this, "CmdSaveSet", "保存"),
      CmdExit(this, "CmdExit", "退出"),
      mnu_save("mnu_save", "保存",
               {ui::MenuItem{"mnu_save_set", "保存设置", [this] { mnu_save_set_Click(); }},
                ui::MenuItem{"mnu_save_file", "保存课表", [this] { mnu_save_file_Click(); }}}),
      window_(window),
      state_(state),
      tooltip_(state.platform.tooltips()) {
  SetCaption("课程表设置");
  SetClientSize(kClientWidth, kClientHeight);
  centred = true;
  iconId = kPanelIconId;
  CreateControls();
  PlaceControls();
  HoldPages();
  WireHandlers();
}

FrmControl::~FrmControl() = default;

void FrmControl::CreateControls() {
  for (std::int16_t i = 0; i < 4; ++i) {
    ui::Label& tab = LblTab.emplace_back(this, "LblTab", i);
    tab.SetCaption(kTabCaption[i]);
    tab.transparentBack = true;
    FrameSet.emplace_back(this, "FrameSet", i);
  }
  LblTab[0].SetBorderStyle(1);

  Lblrc.emplace_back(this, "Lblrc", 0).SetCaption("行数");
  Lblrc.emplace_back(this, "Lblrc", 1).SetCaption("列数");
  for (ui::Label& l : Lblrc) l.transparentBack = true;
  Txtrc.emplace_back(this, "Txtrc", 0);
  Txtrc.emplace_back(this, "Txtrc", 1);

  for (std::int16_t i = 0; i < 5; ++i) {
    ui::Label& l = Lab.emplace_back(this, "Lab", i);
    l.SetCaption(kLabCaption[i]);
    l.transparentBack = true;
  }
  for (std::int16_t i = 0; i < 8; ++i) {
    ui::Label& l = LabColor.emplace_back(this, "LabColor", i);
    l.SetCaption(kColourCaption[i]);
    l.SetBorderStyle(1);
  }
  if (state_.edition == Edition::Grid) {
    CmbFontName.emplace(this, "CmbFontName", true);
    // The sizes a stored size is taken to at start-up (program::NearestOfferedFontSize).
    CmbFontSize.emplace(this, "CmbFontSize", true,
                        std::vector<std::string>{"9", "10", "11", "12", "13", "14", "15"});
    CmbFun.emplace(this, "CmbFun", true, std::vector<std::string>{"0", "1", "2", "3", "4"});
  }

  LabAbout.emplace_back(this, "LabAbout", 0).SetCaption("版权");
  // The author's mail link: left out until the project has an address to give.
  LabAbout.emplace_back(this, "LabAbout", 1).SetVisible(false);
  LabAbout.emplace_back(this, "LabAbout", 2).SetCaption("程序");
  LabAbout.emplace_back(this, "LabAbout", 3).SetCaption("说明");
  LabAbout.emplace_back(this, "LabAbout", 4).SetCaption("帮助");
  for (ui::Label& l : LabAbout) l.transparentBack = true;
  // Link labels read as links.
  for (std::size_t i = 1; i < LabAbout.size(); ++i) LabAbout[i].SetForeColour(0xFF0000);
  Imgabout.emplace_back(this, "Imgabout", 0).SetImageId(kPanelIconId);
  Imgabout.emplace_back(this, "Imgabout", 1).SetImageId(kPortraitPictureId);
  Imgabout[1].SetVisible(false);  // behind the logo until Shift + click
}

void FrmControl::PlaceControls() {
  for (std::size_t i = 0; i < 4; ++i) {
    LblTab[i].Move(kTabLeft[i], kTabTop, kTabWidth[i], kTabHeight);
    FrameSet[i].Move(kPageLeft, kPageTop, kPageWidth, kPageHeight);
  }
  CmdOK.Move(240, kButtonTop, kButtonWidth, kButtonHeight);
  CmdSaveSet.Move(1560, kButtonTop, kButtonWidth, kButtonHeight);
  CmdExit.Move(2835, kButtonTop, kButtonWidth, kButtonHeight);

  // File page: the list on the left, sizes and commands on the right.
  FileSchedule.Move(360, 480, 2040, 2640);
  Lblrc[0].Move(2520, 540, 540, kLineHeight);
  Txtrc[0].Move(3060, 480, 660, kBoxHeight + 30);
  Lblrc[1].Move(2520, 960, 540, kLineHeight);
  Txtrc[1].Move(3060, 900, 660, kBoxHeight + 30);
  CmdNewFile.Move(2520, 1380, 1200, kButtonHeight);
  CmdLoadFile.Move(2520, 1860, 1200, kButtonHeight);
  CmdSaveFile.Move(2520, 2340, 1200, kButtonHeight);
  CmdSaveAs.Move(2520, 2820, 1200, kButtonHeight);

  // Interface page: switches, layer and scheme, the eight colours, fonts.
  ChkLock.Move(360, 540, 780, kCheckHeight);
  ChkFold.Move(1200, 540, 780, kCheckHeight);
  ChkAlpha.Move(2040, 540, 780, kCheckHeight);
  ChkFrame.Move(2880, 540, 780, kCheckHeight);
  Lab[0].Move(360, 1080, 480, kLineHeight);
  CmbTopFloor.Move(840, 1020, 1200, kBoxHeight);
  Lab[1].Move(2160, 1080, 480, kLineHeight);
  CmbColSet.Move(2640, 1020, 1080, kBoxHeight);
  for (std::size_t i = 0; i < LabColor.size(); ++i)
    LabColor[i].Move(360 + static_cast<double>(i % 4) * 840,
                     1560 + static_cast<double>(i / 4) * 420, 780, kBoxHeight);
  if (CmbFontName) CmbFontName->Move(360, 2580, 1560, kBoxHeight);
  if (CmbFontSize) CmbFontSize->Move(2040, 2580, 780, kBoxHeight);
  if (CmbFun) CmbFun->Move(2940, 2580, 780, kBoxHeight);

  // Function page: highlight and auto-start, reminder, idle shutdown, school calendar.
  ChkTimerSchedule.Move(360, 540, 1440, kCheckHeight);
  ChkPowerStart.Move(2040, 540, 1440, kCheckHeight);
  Lab[2].Move(360, 1080, 1260, kLineHeight);
  CmbRemind.Move(1680, 1020, 1560, kBoxHeight);
  Chknodo.Move(360, 1560, 1020, kCheckHeight);
  Comduration.Move(1440, 1560, 840, kBoxHeight);
  Lab[3].Move(2400, 1620, 960, kLineHeight);
  Lab[4].Move(360, 2160, 480, kLineHeight);
  CmbArea.Move(900, 2100, 1020, kBoxHeight);
  CmbYears.Move(2040, 2100, 1020, kBoxHeight);
  CmdXiaoliMake.Move(900, 2640, 1020, kButtonHeight);
  CmdXiaoliLook.Move(2040, 2640, 1020, kButtonHeight);

  // About page: the description with the logo beside it, then the links.
  LabAbout[0].Move(360, 480, 2280, 2040);
  Imgabout[0].Move(2760, 480, 960, 960);
  Imgabout[1].Move(2760, 480, 960, 960);
  LabAbout[1].Move(360, 2580, 2280, kLineHeight);
  LabAbout[2].Move(360, 2940, 720, kLineHeight);
  LabAbout[3].Move(1200, 2940, 720, kLineHeight);
  LabAbout[4].Move(2040, 2940, 720, kLineHeight);
}

void FrmControl::HoldPages() {
  // The four pages share one rectangle: each names its controls, which follow only their page.
  std::vector<const ui::Widget*> pages[4] = {
      {&FileSchedule, &Lblrc[0], &Lblrc[1], &Txtrc[0], &Txtrc[1], &CmdNewFile, &CmdLoadFile,
       &CmdSaveFile, &CmdSaveAs},
      {&ChkLock, &ChkFold, &ChkAlpha, &ChkFrame, &Lab[0], &Lab[1], &CmbTopFloor, &CmbColSet},
      {&ChkTimerSchedule, &Lab[2], &CmbRemind, &ChkPowerStart, &Chknodo, &Comduration, &Lab[3],
       &Lab[4], &CmbArea, &CmbYears, &CmdXiaoliMake, &CmdXiaoliLook},
      {}};
  for (const ui::Label& l : LabColor) pages[1].push_back(&l);
  for (const auto* box : {&CmbFontName, &CmbFontSize, &CmbFun})
    if (*box) pages[1].push_back(&**box);
  for (const ui::Label& l : LabAbout) pages[3].push_back(&l);
  for (const ui::Picture& pic : Imgabout) pages[3].push_back(&pic);
  for (std::size_t i = 0; i < 4; ++i)
    for (const ui::Widget* w : pages[i]) FrameSet[i].Hold(*w);
}

void FrmControl::WireHandlers() {
  onLoad = [this] { Form_Load(); };
  onUnload = [this] { Form_Unload(); };
  for (std::size_t i = 0; i < LblTab.size(); ++i)
    LblTab[i].onClick = [this, i] { LblTab_Click(static_cast<std::int16_t>(i)); };

  CmdLoadFile.onClick = [this] { CmdLoadFile_Click(); };
  FileSchedule.onDblClick = [this] { CmdLoadFile_Click(); };
  CmdNewFile.onClick = [this] { CmdNewFile_Click(); };
  CmdSaveFile.onClick = [this] { CmdSaveFile_Click(); };
  CmdSaveAs.onClick = [this] { CmdSaveAs_Click(); };

  ChkLock.onClick = [this] { ChkLock_Click(); };
  ChkFold.onClick = [this] { ChkFold_Click(); };
  ChkFrame.onClick = [this] { ChkFrame_Click(); };
  ChkAlpha.onClick = [this] { ChkAlpha_Click(); };
  CmbTopFloor.onClick = [this] { CmbTopFloor_Click(); };
  CmbColSet.onClick = [this] { CmbColSet_Click(); };
  for (std::size_t i = 0; i < LabColor.size(); ++i)
    LabColor[i].onClick = [this, i] { LabColor_Click(static_cast<std::int16_t>(i)); };
  if (CmbFontName) CmbFontName->onClick = [this] { CmbFontName_Click(); };
  if (CmbFontSize) CmbFontSize->onClick = [this] { CmbFontSize_Click(); };
  if (CmbFun) CmbFun->onClick = [this] { CmbFun_Click(); };

  ChkTimerSchedule.onClick = [this] { ChkTimerSchedule_Click(); };
  CmbArea.onClick = [this] { CmbArea_Click(); };
  CmbYears.onClick = [this] { CmbYears_Click(); };
  CmdXiaoliMake.onClick = [this] { CmdXiaoliMake_Click(); };
  CmdXiaoliLook.onClick = [this] { CmdXiaoliLook_Click(); };

  for (std::size_t i = 0; i < LabAbout.size(); ++i)
    LabAbout[i].onClick = [this, i] { LabAbout_Click(static_cast<std::int16_t>(i)); };
  for (std::size_t i = 0; i < Imgabout.size(); ++i) {
    const auto index = static_cast<std::int16_t>(i);
    Imgabout[i].onClick = [this, index] { Imgabout_Click(index); };
    Imgabout[i].onMouseDown = [this, index](ui::MouseButton b, int s, double x, double y) {
      Imgabout_MouseDown(index, b, s, x, y);
    };
  }

  CmdOK.onClick = [this] { CmdOK_Click(); };
  // The save button has no click action: only the mouse opens its menu.
  CmdSaveSet.onMouseUp = [this](ui::MouseButton b, int s, double x, double y) {
    CmdSaveSet_MouseUp(b, s, x, y);
  };
  CmdExit.onClick = [this] { CmdExit_Click(); };
}

void FrmControl::Form_Load() {
  ui::Platform& platform = state_.platform;
  WorkingValues& values = state_.values;

  windowsVersion_ = desktop::WindowsVersionNumber(platform.system().WindowsVersion());
  AttachToolTips();
  LabAbout[0].SetCaption(
      AboutText(EditionVersion(state_.edition), platform.system().ProgramTimeText()));
  // The file page: caption, size boxes and the folder's list.
  ShowPanelCaption();
  Txtrc[0].SetText(std::to_string(state_.ScdRows));
  Txtrc[1].SetText(std::to_string(state_.ScdCols));
  ShowFileFolder();
  // The file page comes first.
  LblTab[0].SetBold(true);
  FrameSet[0].SetVisible(true);
  for (std::size_t i = 1; i < FrameSet.size(); ++i) FrameSet[i].SetVisible(false);

  // Ticking a box runs its handler, which applies it to the window.
  const auto setBox = [](ui::CheckBox& box, bool on) { box.SetValue(on ? 1 : 0); };
  setBox(ChkLock, values.lock);
  setBox(ChkFold, values.fold);
  setBox(ChkFrame, values.frame);
  setBox(ChkAlpha, values.transparency);
  // Any position of the list runs the handler; one outside it leaves the list as it is.
  CmbTopFloor.SetListIndex(ListIndexOf(values.layer));
  CmbColSet.SetListIndex(ListIndexOf(values.scheme));
  for (std::size_t i = 0; i < LabColor.size(); ++i)
    LabColor[i].SetBackColour(state_.colours.Get(SchemeChoice::Custom, static_cast<int>(i) + 1));
  // The function page: highlighting as the clock runs now, reminders, idle shutdown.
  setBox(ChkTimerSchedule, state_.live.highlighting);
  CmbRemind.SetListIndex(ListIndexOf(values.remindMode));
  setBox(Chknodo, values.idleShutdown);
  Comduration.SetText(FormatSingle(values.idleHours));

  // The grid's fonts, among the installed ones the list can show.
  if (CmbFontName && window_.HasFonts()) {
    const std::string gridFont = window_.GridFontName();
    CmbFontName->Clear();
    for (const std::string& name : platform.fonts().Installed()) {
      if (FontNameListed(name)) CmbFontName->AddItem(name);
      // Shown also when it is not listed (a Latin name): the box says what the grid uses.
      if (name == gridFont) CmbFontName->SetText(name);
    }
  }
  if (CmbFontSize && window_.HasFonts()) CmbFontSize->SetText(FormatSingle(window_.GridFontSize()));
  if (CmbFun && window_.HasFonts()) CmbFun->SetText(std::to_string(window_.GridTextEffect()));

  // Auto-start as the system has it, remembered so that OK changes it only when ticked anew. An
  // installation's choice is shown and left alone: the box cannot change it.
  const std::optional<bool> installed = desktop::InstallationStartsThisProgram(platform);
  const bool on = installed.value_or(desktop::AutoStartIsOn(platform, windowsVersion_));
  ChkPowerStart.SetValue(on ? 1 : 0);
  ChkPowerStart.SetEnabled(!installed);
  initialPowerStart_ = static_cast<std::int16_t>(ChkPowerStart.Value());
  // An area the list cannot show leaves it as it is.
  if (const std::optional<int> area = state_.live.area.ListIndex()) CmbArea.SetListIndex(*area);
  // Choosing the current year runs the year handler as a user's choice would.
  FillYears(CmbYears, static_cast<int>(state_.now.date.year()));
}

void FrmControl::Form_Unload() {
  // The tips go with the panel; the next opening attaches new ones.
  tooltip_.Destroy();
}

void FrmControl::AttachToolTips() {
  if (!tooltip_.Create(*this)) return;
  tooltip_.MaxWidth(400);
  tooltip_.VisibleTime(7000);
  tooltip_.DelayTime(500);
  tooltip_.AddControl(ChkLock, "锁定课表，防止修改", true);
  // The classic edition's frame waits for the next rebuild of its matrix: say so.
  if (state_.edition == Edition::Classic) tooltip_.AddControl(ChkFrame, "下次重载课表时生效", true);
  tooltip_.AddControl(CmbColSet, ColourSchemeTip(), true);
  tooltip_.AddControl(CmbRemind, "若下节有课，\r\n则提前三分钟提醒", true);
  if (desktop::InstallationStartsThisProgram(state_.platform))
    tooltip_.AddControl(ChkPowerStart, "由安装程序设置，对本机所有用户有效", true);
}

void FrmControl::ShowPanelCaption() {
  SetCaption("课程表设置 - " + state_.values.ScdFileName);
}

void FrmControl::ShowFileFolder() {
  const std::filesystem::path folder = TimetableFolder(state_.programFolder);
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    std::filesystem::create_directory(folder, ec);
    // Creating failed as well: the list stays on its previous folder.
    if (!std::filesystem::is_directory(folder, ec)) return;
  }
  FileSchedule.SetPath(Utf8FromPath(folder));
  RefreshFileList();
}

void FrmControl::LblTab_Click(std::int16_t Index) {
  if (Index < 0 || Index >= static_cast<std::int16_t>(LblTab.size())) return;
  for (std::size_t i = 0; i < LblTab.size(); ++i) {
    LblTab[i].SetBorderStyle(0);
    LblTab[i].SetBold(false);
    FrameSet[i].SetVisible(false);
  }
  const auto i = static_cast<std::size_t>(Index);
  LblTab[i].SetBorderStyle(1);
  LblTab[i].SetBold(true);
  FrameSet[i].SetVisible(true);
}

}  // namespace orvel::panel
