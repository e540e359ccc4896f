#pragma once
// The schedule window's own timetable commands: a file dropped on it, and its right-click menu's
// "导入课表..." and "导出为 CSES...". A .json file holding an exam list (examInfos) goes the same
// ways and becomes the PC's exams.json.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "program/exam_files.h"
#include "program/program_state.h"
#include "program/schedule_window.h"

namespace orvel::shell {

class TimetableCommands {
 public:
  // `afterLoad` runs once an imported timetable is current: the lock and fold applied again;
  // `examsImported` once an exam list is the PC's exams.json, with what it read as.
  // `state` and `window` must outlive the commands.
  TimetableCommands(program::ProgramState& state, program::ScheduleWindow& window,
                    std::function<void()> afterLoad,
                    std::function<void(program::ExamFilesRead)> examsImported = {});

  // A CSES file becomes scd\<base name>.csv, a CSV timetable file is copied into "scd" as it is;
  // before another file of "scd" is replaced the user is asked. Then the file is loaded as the
  // panel's load command loads it. A file that is refused, or that the user does not want to
  // replace a file with, changes nothing and leaves no file behind. A followed timetable refuses
  // every import. An exam list is taken whether the timetable is followed or not: the PC's own
  // exams.json wins over the school's.
  void Import(const std::filesystem::path& file);
  // Several files dropped at once: the first is imported.
  void ImportDropped(const std::vector<std::string>& paths);
  // The system's open dialog, then Import.
  void ChooseAndImport();
  // The system's save dialog proposing the current file's name with ".yaml", the CSES file
  // written, and a message that says where and how many cells were left out.
  void ChooseAndExport();

 private:
  program::ProgramState& state_;
  program::ScheduleWindow& window_;
  // True when `file` was an exam list, taken or refused.
  bool ImportExams(const std::filesystem::path& file);

  std::function<void()> afterLoad_;
  std::function<void(program::ExamFilesRead)> examsImported_;
};

}  // namespace orvel::shell
