#include "shell/timetable_commands.h"

#include <cctype>
#include <optional>
#include <system_error>
#include <utility>

#include "exchange/cses_file.h"
#include "exchange/exam_file.h"
#include "exchange/timetable_import.h"
#include "platform/file_io.h"
#include "platform/ui/platform.h"
#include "program/exam_texts.h"
#include "program/managed_timetable.h"
#include "shell/exchange_texts.h"

namespace orvel::shell {
namespace {

const ui::FileFilter kCsesFilter{"CSES 课程表 (*.yaml;*.yml)", "*.yaml;*.yml"};
const ui::FileFilter kCsvFilter{"CSV 课程表 (*.csv)", "*.csv"};
const ui::FileFilter kExamFilter{"考试安排 (*.json)", "*.json"};
const ui::FileFilter kAllFilesFilter{"所有文件 (*.*)", "*.*"};

}  // namespace

TimetableCommands::TimetableCommands(program::ProgramState& state, program::ScheduleWindow& window,
                                     std::function<void()> afterLoad,
                                     std::function<void(program::ExamFilesRead)> examsImported)
    : state_(state),
      window_(window),
      afterLoad_(std::move(afterLoad)),
      examsImported_(std::move(examsImported)) {}

bool TimetableCommands::ImportExams(const std::filesystem::path& file) {
  std::string extension = Utf8FromPath(file.extension());
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension != ".json") return false;
  const FileBytes bytes = ReadWholeFile(file, exchange::kMaxExamFileBytes);
  // Any other JSON (a holiday file) is no timetable either, and the import says so.
  if (bytes.status == FileStatus::Ok && bytes.bytes.find("\"examInfos\"") == std::string::npos)
    return false;
  ui::Dialogs& dialogs = state_.platform.dialogs();
  ui::Form* owner = &window_.form();
  const auto refuse = [&](const std::string& text) {
    dialogs.MessageBox(owner, text, std::string(kImportFailedTitle), ui::MessageIcon::Error,
                       ui::MessageButtons::Ok);
    return true;
  };
  if (bytes.status == FileStatus::TooLarge)
    return refuse(ExamImportRefusedText(
        file, program::ExamFileProblemText({exchange::ExamFileProblem::Kind::TooLarge, 0})));
  if (bytes.status != FileStatus::Ok) return refuse(ExamImportRefusedText(file, "无法读取"));
  const exchange::ExamFileRead read = exchange::ReadExamFile(bytes.bytes);
  if (!read.list)
    return refuse(ExamImportRefusedText(file, program::ExamFileProblemText(read.problem)));
  const std::filesystem::path target =
      program::ExamFilePath(state_.programFolder, program::ExamFileKind::Own);
  std::error_code ec;
  const bool inPlace = std::filesystem::equivalent(file, target, ec);
  if (!inPlace) {
    if (std::filesystem::exists(target, ec) &&
        dialogs.MessageBox(owner, ExamReplaceQuestionText(), std::string(kImportTitle),
                           ui::MessageIcon::Question,
                           ui::MessageButtons::YesNo) != ui::MessageAnswer::Yes)
      return true;
    // The bytes as they came: exams left out and keys this program does not know stay for the
    // programs that read the file too.
    if (ReplaceFileContents(target, bytes.bytes) != FileStatus::Ok)
      return refuse(ExamImportWriteFailedText());
  }
  if (examsImported_) examsImported_(program::ExamsOf(program::ExamFileKind::Own, read));
  dialogs.MessageBox(owner, ExamImportDoneText(read.list->exams.size(), read.skipped.size()),
                     std::string(kImportTitle), ui::MessageIcon::Information,
                     ui::MessageButtons::Ok);
  return true;
}

void TimetableCommands::Import(const std::filesystem::path& file) {
  if (ImportExams(file)) return;
  ui::Dialogs& dialogs = state_.platform.dialogs();
  ui::Form* owner = &window_.form();
  if (program::RefuseManagedChange(state_, owner, kImportFailedTitle)) return;
  const exchange::ImportPreparation preparation = exchange::PrepareImport(file, state_.edition);
  if (!preparation.prepared) {
    dialogs.MessageBox(owner, ImportRefusedText(file, preparation.refusal),
                       std::string(kImportFailedTitle), ui::MessageIcon::Error,
                       ui::MessageButtons::Ok);
    return;
  }
  const exchange::PreparedImport& prepared = *preparation.prepared;
  if (exchange::ImportReplacesAFile(prepared, state_.programFolder) &&
      dialogs.MessageBox(owner, ReplaceQuestionText(prepared.scdFileName),
                         std::string(kImportTitle), ui::MessageIcon::Question,
                         ui::MessageButtons::YesNo) != ui::MessageAnswer::Yes)
    return;
  const SaveResult written = exchange::WriteImport(prepared, state_.programFolder, state_.edition);
  if (written.status != SaveStatus::Saved) {
    dialogs.MessageBox(owner, ImportWriteFailedText(prepared.scdFileName, written),
                       std::string(kImportFailedTitle), ui::MessageIcon::Error,
                       ui::MessageButtons::Ok);
    return;
  }
  window_.LoadTimetableFile(prepared.scdFileName);
  if (afterLoad_) afterLoad_();
}

void TimetableCommands::ImportDropped(const std::vector<std::string>& paths) {
  if (!paths.empty()) Import(PathFromUtf8(paths.front()));
}

void TimetableCommands::ChooseAndImport() {
  if (program::RefuseManagedChange(state_, &window_.form(), kImportFailedTitle)) return;
  ui::FileDialogRequest request;
  request.title = std::string(kImportTitle);
  request.filters = {kCsesFilter, kCsvFilter, kExamFilter, kAllFilesFilter};
  const std::optional<std::string> chosen =
      state_.platform.dialogs().OpenFileName(&window_.form(), request);
  if (chosen) Import(PathFromUtf8(*chosen));
}

void TimetableCommands::ChooseAndExport() {
  ui::Dialogs& dialogs = state_.platform.dialogs();
  ui::Form* owner = &window_.form();
  ui::FileDialogRequest request;
  request.title = std::string(kExportTitle);
  request.filters = {kCsesFilter, kAllFilesFilter};
  request.fileName = Utf8FromPath(PathFromUtf8(state_.values.ScdFileName).stem()) + ".yaml";
  request.defaultExtension = "yaml";
  const std::optional<std::string> chosen = dialogs.SaveFileName(owner, request);
  if (!chosen) return;
  const std::filesystem::path file = PathFromUtf8(*chosen);
  const exchange::ExportTarget target = exchange::CheckExportTarget(file, state_.programFolder);
  if (target == exchange::ExportTarget::OtherFile) {
    if (dialogs.MessageBox(owner, ReplaceOtherFileQuestionText(file), std::string(kExportTitle),
                           ui::MessageIcon::Warning,
                           ui::MessageButtons::YesNo) != ui::MessageAnswer::Yes)
      return;
  } else if (const std::string refused = ExportRefusedText(file, target); !refused.empty()) {
    dialogs.MessageBox(owner, refused, std::string(kExportFailedTitle), ui::MessageIcon::Error,
                       ui::MessageButtons::Ok);
    return;
  }
  const std::optional<Timetable> table = window_.CurrentTimetable();
  const exchange::CsesFileExport exported =
      table ? exchange::ExportCsesFile(file, *table) : exchange::CsesFileExport{};
  if (exported.status != FileStatus::Ok) {
    dialogs.MessageBox(owner, ExportFailedText(file), std::string(kExportFailedTitle),
                       ui::MessageIcon::Error, ui::MessageButtons::Ok);
    return;
  }
  dialogs.MessageBox(
      owner, ExportDoneText(file, exported.cellsLeftOut), std::string(kExportTitle),
      exported.cellsLeftOut > 0 ? ui::MessageIcon::Warning : ui::MessageIcon::Information,
      ui::MessageButtons::Ok);
}

}  // namespace orvel::shell
