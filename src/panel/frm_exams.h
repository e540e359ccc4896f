#pragma once
// FrmExams, "考试安排": the exam list in use, changed without writing JSON. The title and the
// message of the list, its exams one a line ("12月21日 08:00–10:30 语文"), and for the selected
// or a new exam its subject, date, start, end and reminder minutes. 添加, 修改 and 删除 change
// the window's list; 保存 writes it to exams.json, in the format the exam-board programs share.
// The status line names what is wrong with the files and with an exam typed.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "program/program_state.h"
#include "timetable/exam_list.h"

namespace orvel::panel {

// "8:00", "08:00" or "08:00:00" (a full-width colon too) as seconds of the day.
std::optional<int> ExamClockTime(std::string_view text);
// "12月21日 08:00–10:30 语文"; an exam past midnight names its end's date too.
std::string ExamLineText(const Exam& exam);

class FrmExams : public ui::Form {
 public:
  // `state` must outlive the window. `saved` runs with the list once exams.json holds it.
  FrmExams(program::ProgramState& state, std::function<void(const ExamList&)> saved);

  ui::Label LblExamName;
  ui::TextBox TxtExamName;
  ui::Label LblMessage;
  ui::TextBox TxtMessage;
  ui::ListBox LstExams;
  ui::Label LblSubject;
  ui::TextBox TxtSubject;
  ui::Label LblDate;
  ui::DatePicker DtpDate;
  ui::Label LblStart;
  ui::TextBox TxtStart;
  ui::Label LblEnd;
  ui::TextBox TxtEnd;
  ui::Label LblAlert;
  ui::TextBox TxtAlert;
  ui::Button CmdAdd;
  ui::Button CmdChange;
  ui::Button CmdDelete;
  ui::Button CmdSave;
  ui::Button CmdClose;
  ui::Label LblStatus;

  void Form_Load();
  void LstExams_Click();
  void CmdAdd_Click();
  void CmdChange_Click();
  void CmdDelete_Click();
  void CmdSave_Click();
  void CmdClose_Click();

  // The files' state as the program now has it, on the status line.
  void ShowFilesState();

 private:
  // The exam of the boxes, or nothing with the reason on the status line. `replacing` is the
  // place of the exam it changes, which it may overlap.
  std::optional<Exam> TypedExam(std::optional<std::size_t> replacing);
  // The list shown again, `exam` selected.
  void ShowList(const Exam* selected);
  // Put into the list at its start's place.
  void Insert(Exam exam);
  // Writes the list; false (and why on the status line) when it was not.
  bool Save();

  program::ProgramState& state_;
  std::function<void(const ExamList&)> saved_;
  ExamList list_;
  bool edited_ = false;  // changed since the last save
};

}  // namespace orvel::panel
