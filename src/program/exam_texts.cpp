#include "program/exam_texts.h"

namespace orvel::program {
namespace {

using FileKind = exchange::ExamFileProblem::Kind;
using ExamKind = exchange::ExamProblem::Kind;

std::string_view FieldName(exchange::ExamField field) {
  switch (field) {
    case exchange::ExamField::Name:
      return "name";
    case exchange::ExamField::Start:
      return "start";
    case exchange::ExamField::End:
      return "end";
    case exchange::ExamField::AlertTime:
      break;
  }
  return "alertTime";
}

std::string AtLine(int line) {
  return line > 0 ? "第 " + std::to_string(line) + " 行：" : std::string();
}

std::string StatusText(FileStatus status) {
  return status == FileStatus::AccessDenied ? "无法读取，可能正被其他程序使用" : "无法读取";
}

}  // namespace

std::string_view ExamFileName(ExamFileKind file) {
  return file == ExamFileKind::Own ? exchange::kExamFileName : exchange::kSchoolExamFileName;
}

std::string ExamFileProblemText(const exchange::ExamFileProblem& problem) {
  const std::string at = AtLine(problem.line);
  switch (problem.kind) {
    case FileKind::None:
      break;
    case FileKind::TooLarge:
      return "文件超过 1 MB";
    case FileKind::NotUtf8:
      return "不是 UTF-8 编码的文本";
    case FileKind::NotJson:
      return "第 " + std::to_string(problem.line) + " 行起不是 JSON";
    case FileKind::NotAnObject:
      return "不是 JSON 对象";
    case FileKind::NoExamList:
      return problem.line > 0 ? at + "examInfos 应为列表" : "没有 examInfos 列表";
    case FileKind::TooManyExams:
      return at + "考试超过 " + std::to_string(exchange::kMaxExams) + " 场";
    case FileKind::ExamNameNotText:
      return at + "examName 应为一行文字";
    case FileKind::MessageNotText:
      return at + "message 应为一行文字";
  }
  return {};
}

std::string ExamProblemText(const exchange::ExamProblem& problem) {
  const std::string field(FieldName(problem.field));
  switch (problem.kind) {
    case ExamKind::NotAnObject:
      return "不是 JSON 对象";
    case ExamKind::MissingField:
      return "缺少 " + field;
    case ExamKind::NameNotText:
      return "name 应为一行文字，不超过 " + std::to_string(exchange::kMaxExamTextLength) + " 字";
    case ExamKind::BadDateTime:
      return field + " 不是存在的日期和时间";
    case ExamKind::BadAlertTime:
      return "alertTime 应为 0 到 " + std::to_string(exchange::kMaxAlertMinutes) + " 的整数";
    case ExamKind::EndNotAfterStart:
      return "结束时间不晚于开始时间";
    case ExamKind::Overlaps:
      return "与第 " + std::to_string(problem.earlierIndex + 1) + " 场考试时间重叠";
  }
  return {};
}

std::string ExamPlaceText(const exchange::ExamProblem& problem) {
  return "第 " + std::to_string(problem.index + 1) + " 场考试（" +
         (problem.name.empty() ? "第 " + std::to_string(problem.line) + " 行" : problem.name) +
         "）";
}

std::vector<std::string> ExamNoteTexts(const ExamFileNote& note) {
  const std::string file(ExamFileName(note.file));
  if (note.Refused()) {
    const std::string reason =
        note.status != FileStatus::Ok ? StatusText(note.status) : ExamFileProblemText(note.problem);
    return {file + " 不能使用：" + reason +
            (note.schoolUsedInstead
                 ? "；改用学校发布的 " + std::string(exchange::kSchoolExamFileName)
                 : "")};
  }
  std::vector<std::string> texts;
  for (const exchange::ExamProblem& problem : note.skipped)
    texts.push_back(file + " " + ExamPlaceText(problem) + "：" + ExamProblemText(problem) +
                    "，未使用");
  return texts;
}

std::vector<std::string> ExamNotesTexts(const std::vector<ExamFileNote>& notes) {
  std::vector<std::string> texts;
  for (const ExamFileNote& note : notes)
    for (std::string& text : ExamNoteTexts(note)) texts.push_back(std::move(text));
  return texts;
}

}  // namespace orvel::program
