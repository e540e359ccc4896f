#include "panel/frm_time.h"

#include <charconv>
#include <cstdlib>
#include <utility>

#include "panel/school_time_text.h"
#include "platform/ui/platform.h"
#include "program/school_clock.h"
#include "timetable/classroom_settings.h"

namespace orvel::panel {
namespace {

// The designed window, twips.
constexpr double kClientWidth = 5400, kClientHeight = 3060;
constexpr double kRowHeight = 330, kButtonHeight = 375;

// The list positions of CmbBellSide.
constexpr int kFast = 0, kSlow = 1;

}  // namespace

FrmTime::FrmTime(program::ProgramState& state, Actions actions)
    : ui::Form(state.platform, "FrmTime", ui::FormStyle::FixedDialog),
      LblStandard(this, "LblStandard"),
      LblPcClock(this, "LblPcClock"),
      LblBell(this, "LblBell"),
      LblNow(this, "LblNow"),
      CmdSyncNow(this, "CmdSyncNow", "立即校时"),
      LblBellOffset(this, "LblBellOffset"),
      TxtBellSeconds(this, "TxtBellSeconds"),
      CmbBellSide(this, "CmbBellSide", false, {"快", "慢"}),
      CmdBellSet(this, "CmdBellSet", "设定"),
      CmdBellClear(this, "CmdBellClear", "清除"),
      CmdClose(this, "CmdClose", "关闭"),
      state_(state),
      actions_(std::move(actions)) {
  SetCaption(std::string(kTimeTitle));
  SetClientSize(kClientWidth, kClientHeight);
  centred = true;

  double top = 150;
  for (ui::Label* line : {&LblStandard, &LblPcClock, &LblBell, &LblNow}) {
    line->Move(150, top, 5100, kRowHeight);
    line->transparentBack = true;
    top += 400;
  }
  // Below the lines, which take the window's whole width.
  CmdSyncNow.Move(150, 2520, 1350, kButtonHeight);
  LblBellOffset.Move(150, 2010, 1500, kRowHeight);
  LblBellOffset.SetCaption("铃声比标准时间");
  LblBellOffset.transparentBack = true;
  CmbBellSide.Move(1650, 1980, 700, kRowHeight);
  TxtBellSeconds.Move(2450, 1980, 800, kRowHeight);
  CmdBellSet.Move(3350, 1950, 900, kButtonHeight);
  CmdBellClear.Move(4350, 1950, 900, kButtonHeight);
  CmdClose.Move(4350, 2520, 900, kButtonHeight);

  onLoad = [this] { Form_Load(); };
  CmdSyncNow.onClick = [this] {
    if (actions_.syncNow) actions_.syncNow();
  };
  CmdBellSet.onClick = [this] { CmdBellSet_Click(); };
  CmdBellClear.onClick = [this] {
    TxtBellSeconds.SetText("0");
    if (actions_.setBell) actions_.setBell(0);
    ShowTime();
  };
  CmdClose.onClick = [this] { Unload(); };
}

void FrmTime::Form_Load() {
  const int bell = state_.time.bellOffsetSeconds();
  CmbBellSide.SetListIndex(bell < 0 ? kSlow : kFast);
  TxtBellSeconds.SetText(std::to_string(std::abs(bell)));
  ShowTime();
}

void FrmTime::ShowTime() {
  const std::optional<program::StandardTime>& standard = state_.time.standard();
  LblStandard.SetCaption(StandardTimeText(standard));
  LblPcClock.SetCaption(standard ? PcClockText(standard->offsetMs) : std::string());
  LblBell.SetCaption(BellText(state_.time.bellOffsetSeconds()));
  LblNow.SetCaption(ProgramTimeText(state_.now));
}

void FrmTime::CmdBellSet_Click() {
  const std::string& text = TxtBellSeconds.Text();
  int seconds = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc() || end != text.data() + text.size() || seconds < 0 ||
      seconds > kMaxBellOffsetSeconds) {
    state_.platform.dialogs().MessageBox(
        this, "请输入 0 到 " + std::to_string(kMaxBellOffsetSeconds) + " 之间的秒数。",
        std::string(kTimeTitle), ui::MessageIcon::Warning, ui::MessageButtons::Ok);
    return;
  }
  if (actions_.setBell) actions_.setBell(CmbBellSide.ListIndex() == kSlow ? -seconds : seconds);
  ShowTime();
}

}  // namespace orvel::panel
