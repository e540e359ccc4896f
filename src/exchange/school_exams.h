#pragma once
// The exam list a followed source publishes beside its timetable, exams.json: asked for as the
// day list is (conditionally, with the address's query; a 404, or an object store's 403, is no
// failure and the copy kept stays), read off the window thread, and kept as exams.school.json
// only when it reads as an exam file.
#include <filesystem>
#include <string>
#include <string_view>

#include "exchange/exam_file.h"
#include "exchange/followed_source.h"
#include "platform/ui/services.h"

namespace orvel::exchange {

struct FetchedExamFile {
  FetchedFile file;
  ExamFileRead read;  // Fetched: what the bytes read as
};

// exams.json in the folder of the source's timetable, with the address's query.
std::string SchoolExamLocation(const FollowedSource& source);

// Asked for and read; blocks, so it runs off the window thread.
FetchedExamFile FetchSchoolExams(ui::Http& http, const FollowedSource& source,
                                 const Validators& known);

struct ExamUpdate {
  bool changed = false;   // the copy was written
  FollowProblem problem;  // the file could not be fetched, read or kept
};

// What came into programFolder\exams.school.json, written only when it differs; a file that is
// refused leaves the copy as it was.
ExamUpdate KeepSchoolExams(const FetchedExamFile& fetched,
                           const std::filesystem::path& programFolder);

}  // namespace orvel::exchange
