#pragma once
// FrmDays, "调课与放假": the PC's own day list (days.csv) as a list of its rules from 30 days ago
// on, a rule added with the system's date picker, a rule deleted, and the built-in national
// holidays switched on or off, with a line saying what national data is in force. Every change is
// written to days.csv at once; lines it does not show (notes, lines that cannot be read, older
// rules) are written back as they were.
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "program/program_state.h"
#include "timetable/day_list.h"

namespace orvel::panel {

class FrmDays : public ui::Form {
 public:
  // `state` must outlive the window. `changed` runs after each change written to days.csv.
  FrmDays(program::ProgramState& state, std::function<void()> changed);

  ui::ListBox LstDays;
  ui::Label LblDate;
  ui::DatePicker DtpDate;
  ui::Label LblKind;
  ui::ComboBox CmbKind;  // 放假, 补班, 调课, 开学, 单周, 双周, 倒计时
  ui::Label LblValue1;
  ui::TextBox TxtValue1;   // 放假 and 倒计时: the name; 调课: the period
  ui::ComboBox CmbWeekday; // 补班: whose lessons
  ui::Label LblValue2;
  ui::TextBox TxtValue2;   // 调课: the lesson instead
  ui::ComboBox CmbHalf;    // 补班: every week, odd or even half
  ui::Button CmdAdd;
  ui::Button CmdDelete;
  ui::CheckBox ChkNational;
  ui::Label LblNational;  // which years' national holidays the program has, and from where
  ui::Button CmdClose;

  void Form_Load();
  void CmbKind_Click();
  void CmdAdd_Click();
  void CmdDelete_Click();
  void ChkNational_Click();

 private:
  // Reads days.csv again and shows it; false (and a message) when it cannot be read.
  bool ReadList();
  void ShowList();
  void ShowNationalDays();
  // Writes the changed list; on a failure the message, and the file as it was.
  void WriteList();
  void Refuse(const std::string& text);

  program::ProgramState& state_;
  std::function<void()> changed_;
  DayList list_;
  std::vector<std::size_t> shownLines_;  // the line of list_ at each position of LstDays
  bool filling_ = false;                 // the load sets the tick box; that writes nothing
};

}  // namespace orvel::panel
