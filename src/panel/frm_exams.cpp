#include "panel/frm_exams.h"

#include <algorithm>
#include <utility>

#include "clock/time_left.h"
#include "exchange/exam_file.h"
#include "exchange/yaml_tree.h"
#include "platform/file_io.h"
#include "platform/ui/platform.h"
#include "program/exam_files.h"
#include "program/exam_texts.h"
#include "timetable/file_text.h"

namespace orvel::panel {
namespace {

// The designed window, twips.
constexpr double kClientWidth = 6600, kClientHeight = 5820;
constexpr double kRowHeight = 330, kButtonHeight = 375, kButtonWidth = 900;

std::string ClockText(int secondOfDay) {
  std::string text;
  clock::AppendHourMinute(text, secondOfDay);
  return text;
}

std::string DateText(std::chrono::year_month_day date) {
  std::string text;
  clock::AppendMonthDay(text, date);
  return text;
}

}  // namespace

std::optional<int> ExamClockTime(std::string_view text) {
  std::string plain;
  // A Chinese input method types the full-width colon.
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 3) == "：") {
      plain += ':';
      i += 2;
    } else if (text[i] != ' ') {
      plain += text[i];
    }
  }
  int parts[3] = {0, 0, 0};
  std::size_t count = 0;
  std::string_view rest = plain;
  bool whole = false;  // every part read
  while (count < 3 && !whole) {
    const std::size_t colon = rest.find(':');
    const std::string_view part = rest.substr(0, colon);
    const std::optional<int> number =
        part.size() <= 2 ? exchange::UnsignedNumber(part) : std::nullopt;
    if (!number) return std::nullopt;
    parts[count++] = *number;
    whole = colon == std::string_view::npos;
    if (!whole) rest.remove_prefix(colon + 1);
  }
  if (count < 2 || !whole) return std::nullopt;
  if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
  return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

std::string ExamLineText(const Exam& exam) {
  std::string text = DateText(exam.start.date) + " " + ClockText(exam.start.secondOfDay) + "–";
  if (exam.end.date != exam.start.date) text += DateText(exam.end.date) + " ";
  return text + ClockText(exam.end.secondOfDay) + " " + exam.name;
}

FrmExams::FrmExams(program::ProgramState& state, std::function<void(const ExamList&)> saved)
    : ui::Form(state.platform, "FrmExams", ui::FormStyle::FixedDialog),
      LblExamName(this, "LblExamName"),
      TxtExamName(this, "TxtExamName"),
      LblMessage(this, "LblMessage"),
      TxtMessage(this, "TxtMessage"),
      LstExams(this, "LstExams"),
      LblSubject(this, "LblSubject"),
      TxtSubject(this, "TxtSubject"),
      LblDate(this, "LblDate"),
      DtpDate(this, "DtpDate"),
      LblStart(this, "LblStart"),
      TxtStart(this, "TxtStart"),
      LblEnd(this, "LblEnd"),
      TxtEnd(this, "TxtEnd"),
      LblAlert(this, "LblAlert"),
      TxtAlert(this, "TxtAlert"),
      CmdAdd(this, "CmdAdd", "添加"),
      CmdChange(this, "CmdChange", "修改"),
      CmdDelete(this, "CmdDelete", "删除"),
      CmdSave(this, "CmdSave", "保存"),
      CmdClose(this, "CmdClose", "关闭"),
      LblStatus(this, "LblStatus"),
      state_(state),
      saved_(std::move(saved)) {
  SetCaption(std::string(program::kExamsTitle));
  SetClientSize(kClientWidth, kClientHeight);
  centred = true;

  LblExamName.Move(120, 150, 840, kRowHeight);
  LblExamName.SetCaption("考试名称");
  TxtExamName.Move(960, 120, 2280, kRowHeight);
  LblMessage.Move(3360, 150, 480, kRowHeight);
  LblMessage.SetCaption("提示");
  TxtMessage.Move(3840, 120, 2640, kRowHeight);
  LstExams.Move(120, 570, 6360, 2100);
  LblSubject.Move(120, 2820, 600, kRowHeight);
  LblSubject.SetCaption("科目");
  TxtSubject.Move(720, 2790, 1800, kRowHeight);
  LblDate.Move(2640, 2820, 600, kRowHeight);
  LblDate.SetCaption("日期");
  DtpDate.Move(3240, 2790, 1800, kRowHeight);
  LblStart.Move(120, 3270, 600, kRowHeight);
  LblStart.SetCaption("开始");
  TxtStart.Move(720, 3240, 900, kRowHeight);
  LblEnd.Move(1740, 3270, 600, kRowHeight);
  LblEnd.SetCaption("结束");
  TxtEnd.Move(2340, 3240, 900, kRowHeight);
  LblAlert.Move(3360, 3270, 1260, kRowHeight);
  LblAlert.SetCaption("提醒（分钟）");
  TxtAlert.Move(4620, 3240, 600, kRowHeight);
  CmdAdd.Move(120, 3720, kButtonWidth, kButtonHeight);
  CmdChange.Move(1140, 3720, kButtonWidth, kButtonHeight);
  CmdDelete.Move(2160, 3720, kButtonWidth, kButtonHeight);
  // Three lines: a file's problem and an exam's can be long.
  LblStatus.Move(120, 4230, 6360, 3 * kRowHeight);
  CmdSave.Move(4560, 5340, kButtonWidth, kButtonHeight);
  CmdClose.Move(5580, 5340, kButtonWidth, kButtonHeight);
  for (ui::Label* label : {&LblExamName, &LblMessage, &LblSubject, &LblDate, &LblStart, &LblEnd,
                           &LblAlert, &LblStatus})
    label->transparentBack = true;

  onLoad = [this] { Form_Load(); };
  onQueryClose = [this] { CmdClose_Click(); };
  LstExams.onClick = [this] { LstExams_Click(); };
  CmdAdd.onClick = [this] { CmdAdd_Click(); };
  CmdChange.onClick = [this] { CmdChange_Click(); };
  CmdDelete.onClick = [this] { CmdDelete_Click(); };
  CmdSave.onClick = [this] { CmdSave_Click(); };
  CmdClose.onClick = [this] { CmdClose_Click(); };
}

void FrmExams::Form_Load() {
  // The list the program has in use: the files are not read again to be shown.
  list_ = state_.exams;
  edited_ = false;
  TxtExamName.SetText(list_.examName);
  TxtMessage.SetText(list_.message);
  DtpDate.SetValue(state_.now.date);
  TxtSubject.SetText({});
  TxtStart.SetText("08:00");
  TxtEnd.SetText("10:00");
  TxtAlert.SetText(std::to_string(kDefaultAlertMinutes));
  ShowList(nullptr);
  ShowFilesState();
}

void FrmExams::ShowFilesState() {
  std::string text;
  for (const std::string& line : program::ExamNotesTexts(state_.examProblems))
    text += (text.empty() ? "" : "\n") + line;
  if (text.empty() && state_.examsFrom == program::ExamsFrom::SchoolFile)
    text = "现用学校发布的考试安排；保存后以本机的 exams.json 为准。";
  LblStatus.SetCaption(std::move(text));
}

void FrmExams::ShowList(const Exam* selected) {
  std::vector<std::string> items;
  for (const Exam& exam : list_.exams) items.push_back(ExamLineText(exam));
  LstExams.SetItems(std::move(items));
  if (!selected) return;
  const auto found = std::find(list_.exams.begin(), list_.exams.end(), *selected);
  if (found != list_.exams.end())
    LstExams.SetListIndex(static_cast<int>(found - list_.exams.begin()));
}

void FrmExams::LstExams_Click() {
  const int index = LstExams.ListIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= list_.exams.size()) return;
  const Exam& exam = list_.exams[static_cast<std::size_t>(index)];
  TxtSubject.SetText(exam.name);
  DtpDate.SetValue(exam.start.date);
  TxtStart.SetText(ClockText(exam.start.secondOfDay));
  TxtEnd.SetText(ClockText(exam.end.secondOfDay));
  TxtAlert.SetText(std::to_string(exam.alertMinutes));
}

std::optional<Exam> FrmExams::TypedExam(std::optional<std::size_t> replacing) {
  const auto refuse = [this](const std::string& why) -> std::optional<Exam> {
    LblStatus.SetCaption(why);
    return std::nullopt;
  };
  Exam exam;
  exam.name = TxtSubject.Text();
  if (exam.name.empty()) return refuse("请填写科目。");
  if (CharacterCount(exam.name) > exchange::kMaxExamTextLength)
    return refuse("科目不能超过 " + std::to_string(exchange::kMaxExamTextLength) + " 字。");
  const std::optional<int> start = ExamClockTime(TxtStart.Text());
  if (!start) return refuse("开始时间应为 08:00 这样的时间。");
  const std::optional<int> end = ExamClockTime(TxtEnd.Text());
  if (!end) return refuse("结束时间应为 10:30 这样的时间。");
  const std::optional<int> alert = exchange::UnsignedNumber(TxtAlert.Text());
  if (!alert || *alert > exchange::kMaxAlertMinutes)
    return refuse("提醒分钟数应为 0 到 " + std::to_string(exchange::kMaxAlertMinutes) +
                  " 的整数。");
  exam.start = {DtpDate.Value(), *start};
  exam.end = {DtpDate.Value(), *end};
  exam.alertMinutes = *alert;
  if (!(exam.start < exam.end)) return refuse("结束时间应晚于开始时间。");
  for (std::size_t i = 0; i < list_.exams.size(); ++i) {
    const Exam& other = list_.exams[i];
    if (i != replacing && exam.start < other.end && other.start < exam.end)
      return refuse("与“" + ExamLineText(other) + "”时间重叠。");
  }
  return exam;
}

void FrmExams::Insert(Exam exam) {
  const auto place =
      std::upper_bound(list_.exams.begin(), list_.exams.end(), exam,
                       [](const Exam& a, const Exam& b) { return a.start < b.start; });
  list_.exams.insert(place, exam);
  edited_ = true;
  ShowList(&exam);
}

void FrmExams::CmdAdd_Click() {
  if (list_.exams.size() >= exchange::kMaxExams) {
    LblStatus.SetCaption("考试已有 " + std::to_string(exchange::kMaxExams) + " 场，不能再添加。");
    return;
  }
  std::optional<Exam> exam = TypedExam(std::nullopt);
  if (!exam) return;
  Insert(std::move(*exam));
  LblStatus.SetCaption("已添加，尚未保存。");
}

void FrmExams::CmdChange_Click() {
  const int index = LstExams.ListIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= list_.exams.size()) {
    LblStatus.SetCaption("请先在列表中选定要修改的考试。");
    return;
  }
  const auto place = static_cast<std::size_t>(index);
  std::optional<Exam> exam = TypedExam(place);
  if (!exam) return;
  list_.exams.erase(list_.exams.begin() + index);
  Insert(std::move(*exam));
  LblStatus.SetCaption("已修改，尚未保存。");
}

void FrmExams::CmdDelete_Click() {
  const int index = LstExams.ListIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= list_.exams.size()) {
    LblStatus.SetCaption("请先在列表中选定要删除的考试。");
    return;
  }
  list_.exams.erase(list_.exams.begin() + index);
  edited_ = true;
  ShowList(nullptr);
  LblStatus.SetCaption("已删除，尚未保存。");
}

bool FrmExams::Save() {
  ExamList list = list_;
  list.examName = TxtExamName.Text();
  list.message = TxtMessage.Text();
  // What is written must read back as it is shown, or the board would show something else.
  const std::string bytes = exchange::FormatExamFile(list);
  const exchange::ExamFileRead back = exchange::ReadExamFile(bytes);
  if (!back.list || *back.list != list || !back.skipped.empty()) {
    LblStatus.SetCaption("未能保存：考试名称和提示应为一行文字，不超过 " +
                         std::to_string(exchange::kMaxExamTextLength) + " 字。");
    return false;
  }
  const FileStatus written = ReplaceFileContents(
      program::ExamFilePath(state_.programFolder, program::ExamFileKind::Own), bytes);
  if (written != FileStatus::Ok) {
    LblStatus.SetCaption(written == FileStatus::AccessDenied
                             ? "未能保存：exams.json 是只读文件，或正被其他程序使用。"
                             : "未能保存 exams.json，请检查程序所在的文件夹是否可以写入。");
    return false;
  }
  list_ = std::move(list);
  edited_ = false;
  if (saved_) saved_(list_);
  LblStatus.SetCaption("已保存到 exams.json。");
  return true;
}

void FrmExams::CmdSave_Click() {
  Save();
}

void FrmExams::CmdClose_Click() {
  const bool unsaved =
      edited_ || TxtExamName.Text() != list_.examName || TxtMessage.Text() != list_.message;
  if (unsaved &&
      state_.platform.dialogs().MessageBox(
          this, "考试安排已修改，要保存吗？", std::string(program::kExamsTitle),
          ui::MessageIcon::Question, ui::MessageButtons::YesNo) == ui::MessageAnswer::Yes &&
      !Save())
    return;
  Unload();
}

}  // namespace orvel::panel
