#include "shell/start_command.h"

#include "exchange/cses_file.h"
#include "exchange/follow_settings.h"
#include "exchange/followed_copy.h"
#include "exchange/followed_source.h"
#include "exchange/school_holidays.h"
#include "exchange/timetable_import.h"
#include "platform/file_io.h"
#include "program/managed_timetable.h"
#include "program/timetable_messages.h"
#include "shell/exchange_texts.h"
#include "timetable/classroom_settings.h"
#include "timetable/number_text.h"
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
    return Failed(report, CurrentTimetableUnreadableText(current) +
                              program::TimetableReadProblem(read, current));
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
                               const ReportLine& report, std::string_view computerName) {
  if (const auto followed = exchange::ReadFollowSettings(programFolder)) {
    const exchange::SourceResolution source =
        exchange::ResolveSource(followed->source, followed->className, computerName);
    return Failed(report, program::ManagedTimetableText(
                              source.source ? source.source->shown
                                            : exchange::WithoutCredentials(followed->source)));
  }
  const exchange::ImportPreparation preparation = exchange::PrepareImport(file, edition);
  if (!preparation.prepared) return Failed(report, ImportRefusedText(file, preparation.refusal));
  const exchange::PreparedImport& prepared = *preparation.prepared;
  const SaveResult written = exchange::WriteImport(prepared, programFolder, edition);
  if (written.status != SaveStatus::Saved)
    return Failed(report, ImportWriteFailedText(prepared.scdFileName, written));
  return {std::nullopt, prepared.scdFileName};
}

StartOutcome Follow(const StartCommand& command, const std::filesystem::path& programFolder,
                    Edition edition, ui::Http& http, const ReportLine& report, int thisYear,
                    std::string_view computerName) {
  exchange::FollowSettings settings{command.file, command.className, command.minutes,
                                    command.noticeMinutes};
  // notices-read is set in the file by hand: a new /follow keeps it.
  if (const auto before = exchange::ReadFollowSettings(programFolder))
    settings.noticesRead = before->noticesRead;
  exchange::SourceResolution resolved =
      exchange::ResolveSource(settings.source, settings.className, computerName);
  if (!resolved.source) return Failed(report, FollowRefusedText(resolved.problem));
  // The program runs later from its own folder, where a relative path would name another file.
  if (resolved.source->kind == exchange::SourceKind::File) {
    std::error_code ec;
    const std::filesystem::path whole =
        std::filesystem::absolute(PathFromUtf8(settings.source), ec);
    if (!ec) settings.source = Utf8FromPath(whole);
    resolved = exchange::ResolveSource(settings.source, settings.className, computerName);
    if (!resolved.source) return Failed(report, FollowRefusedText(resolved.problem));
  }
  if (exchange::WriteFollowSettings(programFolder, settings) != FileStatus::Ok)
    return Failed(report, FollowFileUnwritableText());

  const exchange::FollowedSource& source = *resolved.source;
  const exchange::FetchRound round = exchange::FetchSource(http, source, {}, {});
  exchange::Update update =
      exchange::UpdateTimetable(round.timetable, source, programFolder, edition);
  if (!update.keptAs.empty() && report)
    report(OneLine(FollowKeptOwnFileText(source.scdFileName, update.keptAs)));
  if (update.outcome != exchange::UpdateOutcome::Failed && round.dayList)
    update = exchange::UpdateSchoolDayList(*round.dayList, programFolder);
  if (update.outcome != exchange::UpdateOutcome::Failed && round.dayList) {
    exchange::SchoolHolidayFiles holidays;
    const exchange::HolidayUpdate kept = holidays.Keep(
        exchange::FetchSchoolHolidays(http, source, holidays.Asks(thisYear, programFolder)),
        programFolder);
    if (kept.problem.Any()) update = {exchange::UpdateOutcome::Failed, kept.problem};
  }
  if (update.outcome == exchange::UpdateOutcome::Failed)
    return Failed(report, FollowFetchFailedText(source.shown, update.problem));
  return {kExitSuccess, {}};
}

StartOutcome StopFollowing(const std::filesystem::path& programFolder, const ReportLine& report) {
  if (exchange::RemoveFollowSettings(programFolder) != FileStatus::Ok)
    return Failed(report, FollowFileUnwritableText());
  // The school's day list would otherwise go on deciding the days.
  const std::optional<std::string> aside = exchange::SetSchoolDayListAside(programFolder);
  if (!aside) return Failed(report, FollowSchoolDaysStuckText());
  if (!aside->empty() && report) report(OneLine(FollowSchoolDaysSetAsideText(*aside)));
  return {kExitSuccess, {}};
}

// An installation may run again (repair, upgrade): only what it names now is written, so that
// the school's later changes to the rest stay.
StartOutcome ApplyInstallSettings(const StartCommand& command,
                                  const std::filesystem::path& programFolder,
                                  const ReportLine& report, std::string_view computerName) {
  exchange::FollowSettings follow;
  std::string classroomLines;
  for (const auto& [name, value] : command.settings) {
    if (name == "follow") follow.source = value;
    if (name == "class") follow.className = value;
    // Checked by the parser.
    if (name == "every") follow.minutes = ToInt32(value).value_or(follow.minutes);
    if (name == "strip" || name == "speech") classroomLines += name + "=" + value + "\r\n";
    if (name == "timeservers") classroomLines += "timeServers=" + value + "\r\n";
  }
  if (!follow.source.empty()) {
    const exchange::SourceResolution resolved =
        exchange::ResolveSource(follow.source, follow.className, computerName);
    if (!resolved.source) return Failed(report, FollowRefusedText(resolved.problem));
    // Not fetched: an installation does not wait for the network; the first start fetches.
    if (exchange::WriteFollowSettings(programFolder, follow) != FileStatus::Ok)
      return Failed(report, FollowFileUnwritableText());
  }
  if (!classroomLines.empty()) {
    // Later lines win, and a value the file cannot read leaves the setting as it was.
    const ClassroomSettings merged = ParseClassroomSettings(
        FormatClassroomSettings(ReadClassroomSettings(programFolder)) + classroomLines);
    if (WriteClassroomSettings(programFolder, merged) != FileStatus::Ok)
      return Failed(report, ClassroomFileUnwritableText());
  }
  return {kExitSuccess, {}};
}

}  // namespace

StartOutcome RunStartCommand(const StartCommand& command,
                             const std::filesystem::path& programFolder, Edition edition,
                             ui::Http& http, const ReportLine& report, int thisYear,
                             std::string_view computerName) {
  switch (command.action) {
    case StartAction::Start:
      break;
    case StartAction::Refuse:
      return Failed(report, command.problem);
    case StartAction::ExportCses:
      return ExportCurrent(PathFromUtf8(command.file), programFolder, edition, report);
    case StartAction::Import:
      return ImportBeforeStart(PathFromUtf8(command.file), programFolder, edition, report,
                               computerName);
    case StartAction::Follow:
      return Follow(command, programFolder, edition, http, report, thisYear, computerName);
    case StartAction::StopFollowing:
      return StopFollowing(programFolder, report);
    case StartAction::InstallSettings:
      return ApplyInstallSettings(command, programFolder, report, computerName);
  }
  return {};
}

}  // namespace orvel::shell
