#include "shell/exchange_texts.h"

#include "panel/save_refusal_text.h"
#include "platform/file_io.h"

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

std::string ExportFailedText(const std::filesystem::path& file) {
  return "当前课表未能导出到“" + Utf8FromPath(file) + "”，文件夹不存在，或文件只读或正在使用！";
}

std::string CurrentTimetableUnreadableText(std::string_view scdFileName) {
  return "无法读取当前课表“scd\\" + std::string(scdFileName) + "”，没有导出。";
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

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace orvel::shell
