#include "shell/start_command.h"

#include "exchange/cses_file.h"
#include "exchange/timetable_import.h"
#include "platform/file_io.h"
#include "shell/exchange_texts.h"
#include "timetable/read_problem.h"
#include "timetable/settings.h"
#include "timetable/timetable_reader.h"

namespace orvel::shell {
namespace {

StartOutcome Failed(const ReportLine& report, const std::string& text) {
  if (report) report(OneLine(text));
  return {kExitFailure, {}};
}

StartOutcome ExportCurrent(const std::filesystem::path& file,
                           const std::filesystem::path& programFolder, Edition edition,
                           const ReportLine& report) {
  // Nobody is there to confirm the replacement of a file that is not CSES: it is refused too.
  const exchange::ExportTarget target = exchange::CheckExportTarget(file, programFolder);
  if (const std::string refused = ExportRefusedText(file, target); !refused.empty())
    return Failed(report, refused);
  const std::string current = ReadSettings(programFolder, edition).ScdFileName;
  const TimetableRead read = ReadScdTimetable(programFolder, current, edition);
  if (!read.table)
    return Failed(report,
                  CurrentTimetableUnreadableText(current) + TimetableReadProblem(read, current));
  const std::optional<Timetable>& table = read.table;
  const exchange::CsesFileExport exported = exchange::ExportCsesFile(file, *table);
  if (exported.status != FileStatus::Ok) return Failed(report, ExportFailedText(file));
  // Silent on a full export, as command-line tools are; a partial one says so.
  if (exported.cellsLeftOut > 0 && report)
    report(OneLine(ExportDoneText(file, exported.cellsLeftOut)));
  return {kExitSuccess, {}};
}

StartOutcome ImportBeforeStart(const std::filesystem::path& file,
                               const std::filesystem::path& programFolder, Edition edition,
                               const ReportLine& report) {
  const exchange::ImportPreparation preparation = exchange::PrepareImport(file, edition);
  if (!preparation.prepared) return Failed(report, ImportRefusedText(file, preparation.refusal));
  const exchange::PreparedImport& prepared = *preparation.prepared;
  const SaveResult written = exchange::WriteImport(prepared, programFolder, edition);
  if (written.status != kSaveSuccess)
    return Failed(report, ImportWriteFailedText(prepared.scdFileName, written));
  return {std::nullopt, prepared.scdFileName};
}

}  // namespace

StartOutcome RunStartCommand(const StartCommand& command,
                             const std::filesystem::path& programFolder, Edition edition,
                             const ReportLine& report) {
  switch (command.action) {
    case StartAction::Start:
      break;
    case StartAction::Refuse:
      return Failed(report, command.problem);
    case StartAction::ExportCses:
      return ExportCurrent(PathFromUtf8(command.file), programFolder, edition, report);
    case StartAction::Import:
      return ImportBeforeStart(PathFromUtf8(command.file), programFolder, edition, report);
  }
  return {};
}

}  // namespace orvel::shell
