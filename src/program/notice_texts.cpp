#include "program/notice_texts.h"

#include "clock/time_left.h"

namespace orvel::program {
namespace {

using FileKind = exchange::NoticeFileProblem::Kind;
using LineKind = exchange::SkippedNoticeLine::Kind;

std::string_view LineReason(LineKind kind) {
  switch (kind) {
    case LineKind::TooFewFields:
      return "少于开始、结束、级别、内容四项";
    case LineKind::TooManyFields:
      return "多于五项（内容中的逗号须在引号内）";
    case LineKind::BadStart:
      return "开始的日期或时间不存在";
    case LineKind::BadEnd:
      return "结束的日期或时间不存在";
    case LineKind::EndNotAfterStart:
      return "结束不晚于开始";
    case LineKind::UnknownLevel:
      return "级别不是“普通”或“紧急”";
    case LineKind::EmptyText:
      return "内容为空";
  }
  return {};
}

std::string FileSentence(std::string_view fileName, const exchange::NoticeFileProblem& problem) {
  std::string text(fileName);
  switch (problem.kind) {
    case FileKind::TooLarge:
      text += " 超过 256 KB";
      break;
    case FileKind::TooManyLines:
      text += " 超过 1000 行";
      break;
    case FileKind::LineTooLong:
      text += " 第 " + std::to_string(problem.line) + " 行超过 2000 字";
      break;
    case FileKind::NotText:
      text += " 不是文本文件";
      break;
    case FileKind::None:
      return {};
  }
  return text + "，其中的通知未使用。";
}

}  // namespace

std::string NoticeLineText(const Notice& notice, NoticeProgress progress) {
  std::string text;
  clock::AppendMonthDay(text, notice.start.date);
  text += ' ';
  clock::AppendHourMinute(text, notice.start.secondOfDay);
  text += "–";
  if (notice.end.date != notice.start.date) {
    clock::AppendMonthDay(text, notice.end.date);
    text += ' ';
  }
  clock::AppendHourMinute(text, notice.end.secondOfDay);
  text += notice.level == NoticeLevel::Urgent ? "  紧急  " : "  普通  ";
  text += notice.text;
  if (progress == NoticeProgress::Shown)
    text += "  已显示";
  else if (progress == NoticeProgress::Acknowledged)
    text += "  已知道";
  return text;
}

std::vector<std::string> NoticeFileTexts(std::string_view fileName,
                                         const exchange::NoticeFileRead& read) {
  if (read.problem.kind != FileKind::None) return {FileSentence(fileName, read.problem)};
  std::vector<std::string> texts;
  for (const exchange::SkippedNoticeLine& line : read.skipped)
    texts.push_back(std::string(fileName) + " 第 " + std::to_string(line.line) + " 行" +
                    std::string(LineReason(line.kind)) + "，已跳过。");
  return texts;
}

}  // namespace orvel::program
