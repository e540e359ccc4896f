#include "shell/exchange_texts.h"

#include "panel/save_refusal_text.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "timetable/program_folder.h"

namespace orvel::shell {

std::string ReplaceQuestionText(std::string_view scdFileName) {
  return FillIn("scd 文件夹中已有课表“{}”，要用导入的课表替换它吗？", {scdFileName});
}

std::string ImportRefusedText(const std::filesystem::path& file, std::string_view reason) {
  return FillIn("无法导入“{}”：{}", {Utf8FromPath(file.filename()), reason});
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

std::string FollowRefusedText(std::string_view problem) {
  return "无法跟随这个课表来源：" + std::string(problem);
}

std::string FollowFileUnwritableText() {
  return "无法写入或删除程序文件夹中的 follow.ini，文件只读或正在使用！";
}

std::string FollowFetchFailedText(std::string_view source, std::string_view problem) {
  return "已设置跟随“" + std::string(source) + "”，但这次同步失败：" + std::string(problem) +
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
