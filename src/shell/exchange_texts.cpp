#include "shell/exchange_texts.h"

#include "exchange/notice_file.h"
#include "exchange/yaml_tree.h"
#include "panel/save_refusal_text.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "program/exam_texts.h"
#include "program/holiday_files.h"
#include "program/timetable_messages.h"
#include "timetable/program_folder.h"
#include "timetable/timetable.h"

namespace orvel::shell {

namespace {

std::string FoundText(const exchange::CsesFound& found) {
  switch (found.kind) {
    case exchange::CsesFound::Kind::Text:
      return found.cut ? found.text + "…" : found.text;
    case exchange::CsesFound::Kind::List:
      return "列表";
    case exchange::CsesFound::Kind::Map:
      return "映射";
    case exchange::CsesFound::Kind::Nothing:
      break;
  }
  return "空";
}

// What the file calls the part, as a noun of the messages.
std::string_view PartName(exchange::CsesPart part) {
  using exchange::CsesPart;
  switch (part) {
    case CsesPart::Subjects:
    case CsesPart::Subject:
      return "课程";
    case CsesPart::Schedules:
    case CsesPart::Schedule:
      return "课程表";
    case CsesPart::Classes:
    case CsesPart::Class:
      return "课程安排";
    case CsesPart::Cycle:
      return "课表周期";
    case CsesPart::Spans:
      return "上课和休息时段";
    case CsesPart::Span:
      return "周期时段";
    case CsesPart::StartTime:
      return "开始时间";
    case CsesPart::EndTime:
      return "结束时间";
  }
  return {};
}

std::string CsesReason(const exchange::CsesRefusal& r) {
  using exchange::CsesProblem;
  const std::string found = FoundText(r.found);
  switch (r.problem) {
    case CsesProblem::None:
      return {};
    case CsesProblem::NotYaml:
      return "不是有效的 YAML 文本，无法读取。";
    case CsesProblem::NestedTooDeep:
      return FillIn("列表和映射嵌套超过 {} 层，不是一份课程表。", {exchange::kMaxYamlDepth});
    case CsesProblem::AliasedTooMuch:
      return "别名（*）展开后的内容过多，不是一份课程表。";
    case CsesProblem::KeyTwice:
      return FillIn("“{}”在同一映射中出现了两次，只能写一次。", {found});
    case CsesProblem::Empty:
      return "文件是空的，不是 CSES 课程表。";
    case CsesProblem::NotCses:
      return "不是 CSES 课程表（应为含 version、subjects、schedules 的映射）。";
    case CsesProblem::NoVersion:
      return "不是 CSES 课程表：没有 version 字段。";
    case CsesProblem::UnknownVersion:
      return FillIn("CSES 版本“{}”无法读取，只能导入版本 1 或 2。", {found});
    case CsesProblem::NotAList:
      return FillIn("{} 应为{}列表，这里是“{}”。", {r.key, PartName(r.part), found});
    case CsesProblem::MissingKey:
      return FillIn("{}缺少 {}。", {PartName(r.part), r.key});
    case CsesProblem::NoCycle:
      return "CSES 版本 2 的课程表缺少 configuration.cycle（上课和休息的周期）。";
    case CsesProblem::CycleNotAMapping:
      return FillIn("configuration.cycle 应写成含 spans 的映射，这里是“{}”。", {found});
    case CsesProblem::SpanNotAMapping:
      return FillIn("周期时段应写成含 activity、count 的映射，这里是“{}”。", {found});
    case CsesProblem::UnknownActivity:
      return FillIn("activity 为“{}”，应为 work（上课）或 rest（休息）。", {found});
    case CsesProblem::CountNotDays:
      return FillIn("count 为“{}”，应为天数（整数）。", {found});
    case CsesProblem::CycleLength:
      return FillIn("课表周期为 {} 天，只能导入 7 天或 14 天的周期。", {std::to_string(r.number)});
    case CsesProblem::SubjectNotAMapping:
      return FillIn("课程应写成含 name 的映射，这里是“{}”。", {found});
    case CsesProblem::SubjectNameNotText:
      return FillIn("课程名称应为文字，这里是“{}”。", {found});
    case CsesProblem::ScheduleNotAMapping:
      return FillIn("课程表应写成含 enable_day、{}classes 的映射，这里是“{}”。",
                    {r.version2 ? "" : "weeks、", found});
    case CsesProblem::DayListInVersion1:
      return "文件写明 CSES 版本 1，enable_day 却是版本 2 的上课日列表。";
    case CsesProblem::UnknownWeekday:
      return FillIn("enable_day 为“{}”，应为 1 到 7 或 mon 到 sun（星期一到星期日）。", {found});
    case CsesProblem::UnknownWeeks:
      return FillIn("weeks 为“{}”，应为 all（每周）、odd（单周）或 even（双周）。", {found});
    case CsesProblem::WeeksInVersion2:
      return FillIn("weeks 为“{}”：CSES 版本 2 由 configuration.cycle 区分单双周，不再使用 weeks。",
                    {found});
    case CsesProblem::DayNotInCycle:
      return FillIn("enable_day 中的“{}”不是课表周期中的上课日（共 {} 个上课日）。",
                    {found, std::to_string(r.number)});
    case CsesProblem::TooManyClasses:
      return FillIn("课程安排超过 {} 条，不是一份课程表。", {exchange::kMaxCsesClasses});
    case CsesProblem::ClassNotAMapping:
      return FillIn("课程安排应写成含 subject、start_time、end_time 的映射，这里是“{}”。", {found});
    case CsesProblem::UnknownSubject:
      return FillIn("课程“{}”不在 subjects 课程列表中。", {found});
    case CsesProblem::TooManyPeriods:
      return FillIn("上课时间段超过 {} 个，课表放不下（最多 {} 行）。", {kMaxRows - 1, kMaxRows});
    case CsesProblem::NotATime:
      return FillIn("{}“{}”不是 0:00:00 到 23:59:59 之间的时间（例如 08:00:00）。",
                    {PartName(r.part), found});
  }
  return {};
}

}  // namespace

std::string CsesRefusalText(const exchange::CsesRefusal& refusal) {
  const std::string reason = CsesReason(refusal);
  if (refusal.line <= 0) return reason;
  return FillIn("第 {} 行：{}", {refusal.line, reason});
}

std::string ReplaceQuestionText(std::string_view scdFileName) {
  return FillIn("scd 文件夹中已有课表“{}”，要用导入的课表替换它吗？", {scdFileName});
}

std::string ImportRefusalReason(const exchange::ImportRefusal& refusal) {
  using Kind = exchange::ImportRefusal::Kind;
  switch (refusal.kind) {
    case Kind::None:
      break;
    case Kind::NotATimetableFile:
      return "只能导入 CSES 课程表（.yaml 或 .yml 文件）和 CSV 课程表（.csv 文件）。";
    case Kind::Unreadable:
      if (refusal.importKind == exchange::ImportKind::Cses &&
          refusal.fileStatus == FileStatus::TooLarge)
        return "文件太大，不是 CSES 课程表。";
      return program::FileReadProblem(refusal.fileStatus);
    case Kind::CsesRefused:
      return CsesRefusalText(refusal.cses);
    case Kind::TimetableRefused:
      return program::TimetableReadProblem(refusal.read, {});
    case Kind::UnusableName:
      return program::UnusableNameProblem(refusal.scdFileName) + "请先给文件改名。";
  }
  return {};
}

std::string ImportRefusedText(const std::filesystem::path& file,
                              const exchange::ImportRefusal& refusal) {
  return FillIn("无法导入“{}”：{}", {Utf8FromPath(file.filename()), ImportRefusalReason(refusal)});
}

std::string ExamReplaceQuestionText() {
  return FillIn("程序文件夹中已有考试安排“{}”，要用导入的考试安排替换它吗？",
                {exchange::kExamFileName});
}

std::string ExamImportRefusedText(const std::filesystem::path& file, std::string_view reason) {
  return FillIn("无法导入“{}”：{}", {Utf8FromPath(file.filename()), reason});
}

std::string ExamImportWriteFailedText() {
  return FillIn("考试安排未能写入程序文件夹中的 {}，文件只读或正在使用！", {exchange::kExamFileName});
}

std::string ExamImportDoneText(std::size_t exams, std::size_t skipped) {
  std::string text = FillIn("已导入 {} 场考试，保存为程序文件夹中的 {}。",
                            {static_cast<int>(exams), exchange::kExamFileName});
  if (skipped > 0)
    text += FillIn("\n另有 {} 场考试有误，未导入。", {static_cast<int>(skipped)});
  return text;
}

std::string ImportWriteFailedText(std::string_view scdFileName, const SaveResult& result) {
  if (result.refusedCell) return panel::TimetableRefusalText(scdFileName, *result.refusedCell);
  return FillIn("课表“{}”未能写入 scd 文件夹，文件只读或正在使用！", {scdFileName});
}

std::string ExportDoneText(const std::filesystem::path& file, int cellsLeftOut) {
  return FillIn(cellsLeftOut > 0
                    ? "当前课表已导出为“{}”。\n有 {} 个单元格没有导出：它们所在的行没有"
                      "“8:00-8:45”这样的时间，或者不在星期一到星期日的列中。"
                    : "当前课表已导出为“{}”。",
                {Utf8FromPath(file), cellsLeftOut});
}

std::string ExportRefusedText(const std::filesystem::path& file, exchange::ExportTarget target) {
  std::string_view why;
  switch (target) {
    case exchange::ExportTarget::ProgramFile:
      why = "这是本程序自己的文件（设置、课表、日期表或程序本身）";
      break;
    case exchange::ExportTarget::ForbiddenCharacter:
      why = "文件名中有 Windows 不允许的字符 \\ / : * ? \" < > |";
      break;
    case exchange::ExportTarget::DeviceName:
      why = "文件名是 Windows 保留的设备名（{}）";
      break;
    case exchange::ExportTarget::OtherFile:
      why = "这个文件已经存在，而且不是 CSES 课程表。请先删除它，或另选一个文件名";
      break;
    default:
      return {};
  }
  return FillIn(FillIn("不能导出到“{}”：{}。", {Utf8FromPath(file), why}), {kDeviceNamesText});
}

std::string ReplaceOtherFileQuestionText(const std::filesystem::path& file) {
  return FillIn(
      "“{}”已经存在，而且不是 CSES 课程表。导出会用当前课表替换它的全部内容。确定要替换它吗？",
      {Utf8FromPath(file)});
}

std::string ExportFailedText(const std::filesystem::path& file) {
  return FillIn("当前课表未能导出到“{}”，文件夹不存在，或文件只读或正在使用！",
                {Utf8FromPath(file)});
}

std::string CurrentTimetableUnreadableText(std::string_view scdFileName) {
  return FillIn("无法读取当前课表“scd\\{}”，没有导出。", {scdFileName});
}

namespace {

std::string NoticeFileProblemText(const exchange::NoticeFileProblem& problem) {
  using NoticeKind = exchange::NoticeFileProblem::Kind;
  switch (problem.kind) {
    case NoticeKind::None:
      break;
    case NoticeKind::TooLarge:
      return "文件超过 " + std::to_string(exchange::kMaxNoticeFileBytes / 1024) + " KB";
    case NoticeKind::TooManyLines:
      return "超过 " + std::to_string(exchange::kMaxNoticeFileLines) + " 行";
    case NoticeKind::LineTooLong:
      return "第 " + std::to_string(problem.line) + " 行超过 " +
             std::to_string(exchange::kMaxNoticeLineCharacters) + " 字";
    case NoticeKind::NotText:
      return "不是文本文件";
  }
  return {};
}

std::string HttpFailureText(const exchange::FollowProblem& problem) {
  switch (problem.http) {
    case ui::HttpFailure::Timeout:
      return "连接超时";
    case ui::HttpFailure::ServerNotFound:
      return "找不到服务器";
    case ui::HttpFailure::CannotConnect:
      return "无法连接服务器";
    case ui::HttpFailure::TooManyRedirects:
      return "重定向过多";
    case ui::HttpFailure::BadAddress:
      return "地址无效";
    case ui::HttpFailure::SecureChannel:
      return "无法建立安全连接";
    case ui::HttpFailure::BadCertificate:
      return "服务器证书无效";
    case ui::HttpFailure::Status:
      return "服务器返回 " + std::to_string(problem.status);
    case ui::HttpFailure::TooLarge:
      return "文件太大";
    case ui::HttpFailure::Incomplete:
      return "下载不完整";
    case ui::HttpFailure::PlainPassword:
      return "服务器要求以明文发送密码，请改用 https";
    case ui::HttpFailure::None:
    case ui::HttpFailure::Other:
      break;
  }
  return "网络错误 " + std::to_string(problem.errorCode);
}

// The problem without the file of the source it is about.
std::string FollowReason(const exchange::FollowProblem& problem) {
  using Kind = exchange::FollowProblem::Kind;
  switch (problem.kind) {
    case Kind::None:
      return {};
    case Kind::NoSource:
      return "没有给出课表来源。";
    case Kind::ControlCharacterInSource:
      return "课表来源中不能有换行符或控制字符。";
    case Kind::ControlCharacterInClass:
      return "班级名中不能有换行符或控制字符。";
    case Kind::NoClassName:
      return "来源中有 {class}，但没有给出班级名（/class）。";
    case Kind::ClassNameNotAFileName:
      return "班级名“" + problem.name + "”不能用在文件名中。";
    case Kind::NoComputerName:
      return problem.name.empty() ? std::string("来源中有 {computer}，但未能取得计算机名。")
                                  : "计算机名“" + problem.name + "”不能用在文件名中。";
    case Kind::NoFileInAddress:
      return "来源地址“" + problem.name + "”没有指向课表文件。";
    case Kind::NotWebOrFile:
      return "只能跟随 http:// 或 https:// 地址，或文件路径。";
    case Kind::RawCharacterInPassword:
      // The address itself would show the password.
      return "服务器 " + problem.name + " 的地址中，密码中的 / ? # 需写成 %2F %3F %23。";
    case Kind::NotATimetableFile:
      return "来源应是 .yaml、.yml 或 .csv 课表文件：“" + problem.name + "”。";
    case Kind::UnusableFileName:
      return "文件名“" + problem.name + "”不能用作课表文件名。";
    case Kind::Network:
      return HttpFailureText(problem);
    case Kind::FileUnreadable:
      return problem.fileStatus == FileStatus::TooLarge ? "文件太大"
                                                        : program::FileReadProblem(problem.fileStatus);
    case Kind::NotFetched:
      return "未能获取";
    case Kind::NoTimetable:
      return "来源中没有课表文件“" + problem.name + "”";
    case Kind::TimetableRefused:
      return "课表文件有误：" +
             (problem.import ? ImportRefusalReason(*problem.import) : std::string());
    case Kind::UnsavableCell:
      return "课表中有无法保存的单元格";
    case Kind::CannotKeepOwnCopy:
      return "无法保留原有的 scd\\" + problem.name;
    case Kind::CannotWriteTimetable:
      return "无法写入 scd\\" + problem.name;
    case Kind::CopyNotShown:
      return "scd\\" + problem.name + "：" +
             program::TimetableReadProblem(problem.copyRead, problem.name);
    case Kind::NotADayList:
      return "不是日程表文件";
    case Kind::DayListLineUnreadable:
      return "第 " + std::to_string(problem.line) + " 行无法识别";
    case Kind::HolidayFileUnusable:
      return "无法使用：" + program::HolidayFileProblemText(problem.holiday);
    case Kind::ExamFileUnusable:
      return "不能使用：" + program::ExamFileProblemText(problem.exam);
    case Kind::ReceiptNotWritten:
      return "通知回执未能写入 " + problem.name +
             (problem.fileStatus == FileStatus::TooLarge ? "：文件已超过 1 MB" : "");
    case Kind::NoticeFileUnusable:
      return "不能使用：" + NoticeFileProblemText(problem.notice);
    case Kind::CannotWriteCopy:
      return "无法写入 " + problem.name;
  }
  return {};
}

}  // namespace

std::string FollowProblemText(const exchange::FollowProblem& problem) {
  using Kind = exchange::FollowProblem::Kind;
  const std::string reason = FollowReason(problem);
  if (problem.file.empty()) return reason;
  switch (problem.kind) {
    case Kind::Network:
    case Kind::FileUnreadable:
    case Kind::NotFetched:
      return problem.file + "：" + reason;
    default:
      return problem.file + " " + reason;
  }
}

std::string FollowRefusedText(const exchange::FollowProblem& problem) {
  return "无法跟随这个课表来源：" + FollowProblemText(problem);
}

std::string FollowFileUnwritableText() {
  return "无法写入或删除程序文件夹中的 follow.ini，文件只读或正在使用！";
}

std::string ClassroomFileUnwritableText() {
  return "无法写入程序文件夹中的 classroom.ini，文件只读或正在使用！";
}

std::string FollowFetchFailedText(std::string_view source, const exchange::FollowProblem& problem) {
  std::string why = FollowProblemText(problem);
  // The sentence goes on after it: a problem's own full stop would double.
  constexpr std::string_view kFullStop = "。";
  if (why.ends_with(kFullStop)) why.resize(why.size() - kFullStop.size());
  return "已设置跟随“" + std::string(source) + "”，但这次同步失败：" + why +
         "。程序启动后会继续尝试。";
}

std::string FollowKeptOwnFileText(std::string_view scdFileName, std::string_view keptAs) {
  return FillIn("学校的课表已写入 scd\\{}，原来的同名课表另存为 scd\\{}。", {scdFileName, keptAs});
}

std::string FollowSchoolDaysSetAsideText(std::string_view keptAs) {
  return FillIn("已停止跟随学校课表；学校的调课与放假安排已改名为 {}，不再生效。", {keptAs});
}

std::string FollowSchoolDaysStuckText() {
  return "已停止跟随学校课表，但无法改名程序文件夹中的 days.school.csv，文件只读或正在使用！";
}

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace orvel::shell
