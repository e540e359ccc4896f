#pragma once
// What the program says about the exam files, in notices and on the 考试安排 window's status
// line alike: "exams.json 不能使用：第 3 行起不是 JSON",
// "exams.json 第 2 场考试（语文）：结束时间不晚于开始时间，未使用".
#include <string>
#include <string_view>
#include <vector>

#include "exchange/exam_file.h"
#include "program/exam_files.h"

namespace orvel::program {

inline constexpr std::string_view kExamsTitle = "考试安排";

std::string_view ExamFileName(ExamFileKind file);

// Why a whole file is refused.
std::string ExamFileProblemText(const exchange::ExamFileProblem& problem);
// Why one exam is skipped.
std::string ExamProblemText(const exchange::ExamProblem& problem);
// "第 2 场考试（语文）", or by its line where it has no name to go by.
std::string ExamPlaceText(const exchange::ExamProblem& problem);

// A sentence for the file refused, or one for each exam skipped.
std::vector<std::string> ExamNoteTexts(const ExamFileNote& note);
// Every note's sentences, in order.
std::vector<std::string> ExamNotesTexts(const std::vector<ExamFileNote>& notes);

}  // namespace orvel::program
