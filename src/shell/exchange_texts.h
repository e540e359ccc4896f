#pragma once
// What the program says about importing and exporting timetables, in the window's message boxes
// and on the command line's console alike.
#include <filesystem>
#include <string>
#include <string_view>

#include "exchange/cses_file.h"
#include "exchange/follow_problem.h"
#include "exchange/timetable_import.h"
#include "timetable/timetable_writer.h"

namespace orvel::shell {

inline constexpr std::string_view kImportTitle = "导入课表";
inline constexpr std::string_view kImportFailedTitle = "导入课表失败";
inline constexpr std::string_view kExportTitle = "导出为 CSES";
inline constexpr std::string_view kExportFailedTitle = "导出失败";

// Why a CSES text was refused: "第 3 行：" and the reason, or the reason alone without a line.
std::string CsesRefusalText(const exchange::CsesRefusal& refusal);

// Asked before an import replaces another file of "scd".
std::string ReplaceQuestionText(std::string_view scdFileName);

// Why the importer turned a file down: the first problem (and its line).
std::string ImportRefusalReason(const exchange::ImportRefusal& refusal);
// The same with the file's name.
std::string ImportRefusedText(const std::filesystem::path& file,
                              const exchange::ImportRefusal& refusal);

// The import could not be written into "scd" (nothing was).
std::string ImportWriteFailedText(std::string_view scdFileName, const SaveResult& result);

std::string ExportDoneText(const std::filesystem::path& file, int cellsLeftOut);

// Why an export does not write to `file`: one of the program's own files, a name Windows
// refuses, or (where nobody can be asked) a file that is not CSES; empty for any other target.
std::string ExportRefusedText(const std::filesystem::path& file, exchange::ExportTarget target);
// In the window, the user is asked before a file that is not CSES is replaced.
std::string ReplaceOtherFileQuestionText(const std::filesystem::path& file);
std::string ExportFailedText(const std::filesystem::path& file);

// An exam list handed to the program (a .json file holding examInfos): the question before it
// replaces the PC's exams.json, why it is refused, that it could not be written, and how many
// exams it brought (`skipped` of them left out and named apart).
std::string ExamReplaceQuestionText();
std::string ExamImportRefusedText(const std::filesystem::path& file, std::string_view reason);
std::string ExamImportWriteFailedText();
std::string ExamImportDoneText(std::size_t exams, std::size_t skipped);

// The current timetable, which an export from the command line reads, cannot be read.
std::string CurrentTimetableUnreadableText(std::string_view scdFileName);

// What went wrong in following the source, as the tray tip, the menu and a balloon say it:
// "连接超时", "days.csv 第 3 行无法识别".
std::string FollowProblemText(const exchange::FollowProblem& problem);

// "/follow" with a source that cannot be followed; nothing was written.
std::string FollowRefusedText(const exchange::FollowProblem& problem);
// follow.ini could not be written or removed.
std::string FollowFileUnwritableText();
// "/install-settings" could not write classroom.ini.
std::string ClassroomFileUnwritableText();
// The first fetch after "/follow" failed; follow.ini is kept and the program goes on trying.
std::string FollowFetchFailedText(std::string_view source, const exchange::FollowProblem& problem);
// A timetable of the followed timetable's name that the program had not fetched was replaced by
// the fetched one, and kept as `keptAs` first (both names of "scd").
std::string FollowKeptOwnFileText(std::string_view scdFileName, std::string_view keptAs);
// "/follow off": the school's day list was set aside as `keptAs` and no longer applies.
std::string FollowSchoolDaysSetAsideText(std::string_view keptAs);
// "/follow off": follow.ini is gone, but the school's day list could not be set aside.
std::string FollowSchoolDaysStuckText();

// A message's lines joined into one, for a console.
std::string OneLine(std::string text);

}  // namespace orvel::shell
