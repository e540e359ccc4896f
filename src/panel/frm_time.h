#pragma once
// FrmTime, "校时": where the program's time comes from and how far the PC's clock and the bell
// lie from standard time, in words whose sign cannot be misread; 立即校时; the bell's offset as
// a number of seconds with 快 or 慢, and 清除. The shell hands it each second's instant.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "program/program_state.h"

namespace orvel::panel {

inline constexpr std::string_view kTimeTitle = "校时";

class FrmTime : public ui::Form {
 public:
  struct Actions {
    std::function<void()> syncNow;                // a time round now
    std::function<void(int seconds)> setBell;     // the bell − standard time, kept
  };
  // `state` must outlive the window.
  FrmTime(program::ProgramState& state, Actions actions);

  ui::Label LblStandard;  // "标准时间：ntp.aliyun.com，9:12 校准"
  ui::Label LblPcClock;   // "本机时钟慢 2 分 13 秒"
  ui::Label LblBell;      // "铃声比标准时间快 37 秒"
  ui::Label LblNow;       // "课表时间：8:05:12"
  ui::Button CmdSyncNow;  // 立即校时
  ui::Label LblBellOffset;
  ui::TextBox TxtBellSeconds;
  ui::ComboBox CmbBellSide;  // 快, 慢
  ui::Button CmdBellSet;
  ui::Button CmdBellClear;  // 清除
  ui::Button CmdClose;

  // The lines again, from the state and the shell's instant; the number box is left to the user.
  void ShowTime();

 private:
  void Form_Load();
  void CmdBellSet_Click();

  program::ProgramState& state_;
  Actions actions_;
};

}  // namespace orvel::panel
