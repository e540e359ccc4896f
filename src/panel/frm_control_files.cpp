// FrmControl, file page: list, load, new, save and save as.
#include <algorithm>
#include <cmath>
#include <string>
#include <system_error>
#include <vector>

#include "panel/frm_control.h"
#include "panel/save_refusal_text.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "platform/ui/platform.h"
#include "program/managed_timetable.h"
#include "timetable/number_text.h"
#include "timetable/program_folder.h"
#include "timetable/timetable_reader.h"
#include "timetable/timetable_writer.h"

namespace orvel::panel {
namespace {

// The names in the folder matching "*.csv", as the system's file list shows them: any case,
// sorted without regard to ASCII case.
std::vector<std::string> CsvNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc)) continue;
    const std::string name = Utf8FromPath(it->path().filename());
    if (name.size() >= 4 && AsciiLower(name.substr(name.size() - 4)) == ".csv")
      names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return AsciiLower(a) < AsciiLower(b);
  });
  return names;
}

}  // namespace

bool FrmControl::AcceptFileName(const std::string& scdFileName) {
  if (IsTimetableFileName(scdFileName)) return true;
  state_.platform.dialogs().MessageBox(this, InvalidFileNameText(scdFileName),
                                       std::string(kInvalidFileNameTitle), ui::MessageIcon::Error,
                                       ui::MessageButtons::Ok);
  return false;
}

void FrmControl::RefreshFileList() {
  if (FileSchedule.Path().empty()) return;
  FileSchedule.SetItems(CsvNames(PathFromUtf8(FileSchedule.Path())));
}

void FrmControl::CmdLoadFile_Click() {
  if (program::RefuseManagedChange(state_, this, "加载课表失败")) return;
  ui::Dialogs& dialogs = state_.platform.dialogs();
  const std::string selected = FileSchedule.FileName();
  if (selected.empty()) {
    dialogs.MessageBox(this, "未选定课表文件无法加载", "加载课表失败", ui::MessageIcon::Warning,
                       ui::MessageButtons::Ok);
    return;
  }
  // The window's reader shows the read-failure message itself and puts the empty default
  // timetable and file name in place.
  window_.LoadTimetableFile(selected);
  // Txtrc keeps the numbers it showed.
  ShowPanelCaption();
  ChkLock_Click();
  ChkFold_Click();
}

void FrmControl::ShowLoadedTimetable() {
  ShowPanelCaption();
  RefreshFileList();
  ChkLock_Click();
  ChkFold_Click();
}

void FrmControl::CmdNewFile_Click() {
  if (program::RefuseManagedChange(state_, this, "新建课表")) return;
  ui::Dialogs& dialogs = state_.platform.dialogs();
  // Cut to whole numbers before the check, so that 0.5 rows or 1.5 columns cannot pass it
  // and then make a table without rows or without the time column.
  const double rows = std::trunc(LeadingValue(Txtrc[0].Text()));
  const double cols = std::trunc(LeadingValue(Txtrc[1].Text()));
  // At least the label and time columns; at most what the window can hold.
  if (!(rows >= 1 && rows <= kMaxRows && cols >= 2 && cols <= kMaxCols) ||
      !window_.CanHold(static_cast<std::int16_t>(rows), static_cast<std::int16_t>(cols))) {
    dialogs.MessageBox(this, "“每日节数”或“周上课天数”设定非法，表格至少为1行2列！",
                       "错误的数据格式", ui::MessageIcon::Error, ui::MessageButtons::Ok);
    return;
  }
  const std::string answer =
      dialogs.InputBox(this, "请输入课表文件名（不含扩展名）", "新建课表", "新课表");
  if (answer.empty() || !AcceptFileName(answer + ".csv")) return;
  window_.NewTimetable(static_cast<std::int16_t>(rows), static_cast<std::int16_t>(cols));
  // The answer is used as typed.
  state_.values.ScdFileName = answer + ".csv";
  ShowPanelCaption();
  dialogs.MessageBox(this,
                     FillIn("已建立名为“{}”的空课表，修改后勿忘保存", {state_.values.ScdFileName}),
                     "课表已新键", ui::MessageIcon::Information, ui::MessageButtons::Ok);
  // The lock and the fold apply to the new table too.
  ChkLock_Click();
  ChkFold_Click();
}

bool FrmControl::ConfirmSaveOver(const std::string& name, const Timetable& table) {
  const TimetableRead onDisk = ReadScdTimetable(state_.programFolder, name, state_.edition);
  // A file that does not read is kept as .bak by the save, without a question.
  if (!onDisk.table) return true;
  std::string question;
  if (HoldsNoTimetable(table) && !HoldsNoTimetable(*onDisk.table)) {
    // After a failed load the current name is "Schedule.csv" again, and a plain save would put
    // the empty table over the user's real timetable.
    question = FillIn("当前课表是空表，而文件“{}”中有课表。确定用空表覆盖它吗？", {name});
  } else if (onDisk.unshown.Any()) {
    // Rows past the count line, fields past the columns: the save writes only what is shown.
    question = FillIn("文件中有 {} 处内容未显示，保存会丢失这些内容。是否继续保存？",
                      {onDisk.unshown.Places()});
  } else {
    return true;
  }
  return state_.platform.dialogs().MessageBox(this, question, "保存课表", ui::MessageIcon::Question,
                                              ui::MessageButtons::YesNo) == ui::MessageAnswer::Yes;
}

void FrmControl::CmdSaveFile_Click() {
  if (program::RefuseManagedChange(state_, this, "保存失败")) return;
  ui::Dialogs& dialogs = state_.platform.dialogs();
  const std::string& name = state_.values.ScdFileName;
  const std::optional<Timetable> table = window_.CurrentTimetable();
  // A table the save refuses anyway is refused before any question.
  if (table && !FindUnwritableCell(*table) && !ConfirmSaveOver(name, *table)) return;
  SaveResult result;
  if (table) result = ScdSave(state_.programFolder, name, *table, state_.edition);
  if (result.status != SaveStatus::Saved) {
    const std::string text = result.refusedCell
                                 ? TimetableRefusalText(name, *result.refusedCell)
                                 : FillIn("当前课表“{}”未被保存，文件只读或正在使用！", {name});
    dialogs.MessageBox(this, text, "保存失败", ui::MessageIcon::Error, ui::MessageButtons::Ok);
    return;
  }
  // The kept file is not listed (the list shows *.csv), so say where it went.
  const std::string done = FillIn(result.keptOldFile == OldFileKept::No ? "当前课表已保存为“{}”"
                                  : result.keptOldFile == OldFileKept::Unreadable
                                      ? "当前课表已保存为“{}”\n原文件无法读取，已保留为“{}.bak”"
                                      : "当前课表已保存为“{}”\n原文件已保留为“{}.bak”",
                                  {name, name});
  dialogs.MessageBox(this, done, "课表已保存", ui::MessageIcon::Information,
                     ui::MessageButtons::Ok);
  // A file that did not exist before is listed now.
  RefreshFileList();
}

void FrmControl::CmdSaveAs_Click() {
  if (program::RefuseManagedChange(state_, this, "保存失败")) return;
  const std::string answer = state_.platform.dialogs().InputBox(
      this, "请输入课表文件名（不含扩展名）", "另存课表", "我的课表");
  if (answer.empty() || !AcceptFileName(answer + ".csv")) return;
  // The new name stays current even when the save fails.
  state_.values.ScdFileName = answer + ".csv";
  CmdSaveFile_Click();
  ShowPanelCaption();
}

}  // namespace orvel::panel
