#include "shell/exchange_texts.h"

#include "panel/save_refusal_text.h"
#include "platform/file_io.h"
#include "timetable/program_folder.h"

namespace orvel::shell {

std::string ReplaceQuestionText(std::string_view scdFileName) {
  return "scd 文件夹中已有课表“" + std::string(scdFileName) + "”，要用导入的课表替换它吗？";
}

std::string ImportRefusedText(const std::filesystem::path& file, std::string_view reason) {
  return "无法导入“" + Utf8FromPath(file.filename()) + "”：" + std::string(reason);
}

std::string ImportWriteFailedText(std::string_view scdFileName, const SaveResult& result) {
  if (result.refusedCell) return panel::TimetableRefusalText(scdFileName, *result.refusedCell);
  return "课表“" + std::string(scdFileName) + "”未能写入 scd 文件夹，文件只读或正在使用！";
}

std::string ExportDoneText(const std::filesystem::path& file, int cellsLeftOut) {
  std::string text = "当前课表已导出为“" + Utf8FromPath(file) + "”。";
  if (cellsLeftOut > 0)
    text += "\n有 " + std::to_string(cellsLeftOut) +
            " 个单元格没有导出：它们所在的行没有“8:00-8:45”这样的时间，"
            "或者不在星期一到星期日的列中。";
  return text;
}

std::string ExportRefusedText(const std::filesystem::path& file, exchange::ExportTarget target) {
  const std::string head = "不能导出到“" + Utf8FromPath(file) + "”：";
  switch (target) {
    case exchange::ExportTarget::ProgramFile:
      return head + "这是本程序自己的文件（设置、课表、日期表或程序本身），导出会把它变成 CSES "
                    "文件。请另选一个文件名。";
    case exchange::ExportTarget::ForbiddenCharacter:
      return head + "文件名或文件夹名中含有 Windows 不允许的字符 \\ / : * ? \" < > |。";
    case exchange::ExportTarget::DeviceName:
      return head + "文件名或文件夹名是 Windows 保留的设备名（" + std::string(kDeviceNamesText) +
             "），不能用作文件名。";
    default:
      return {};
  }
}

std::string ExportWouldReplaceText(const std::filesystem::path& file) {
  return "不能导出到“" + Utf8FromPath(file) +
         "”：这个文件已经存在，而且不是 CSES 课程表，命令行不会替换它。请先删除它，"
         "或另选一个文件名。";
}

std::string ReplaceOtherFileQuestionText(const std::filesystem::path& file) {
  return "“" + Utf8FromPath(file) +
         "”已经存在，而且不是 CSES 课程表。导出会用当前课表替换它的全部内容。确定要替换它吗？";
}

std::string ExportFailedText(const std::filesystem::path& file) {
  return "当前课表未能导出到“" + Utf8FromPath(file) + "”，文件夹不存在，或文件只读或正在使用！";
}

std::string CurrentTimetableUnreadableText(std::string_view scdFileName) {
  return "无法读取当前课表“scd\\" + std::string(scdFileName) + "”，没有导出。";
}

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace orvel::shell
