#include "program/timetable_messages.h"

#include "platform/ui/platform.h"
#include "timetable/read_problem.h"

namespace orvel::program {

std::string WithReadProblem(std::string_view message, std::string_view scdFileName,
                            const TimetableRead& read) {
  const std::string problem = TimetableReadProblem(read, scdFileName);
  if (problem.empty()) return std::string(message);
  // A name that cannot be used is named by the problem itself.
  if (read.fault == ReadFault::UnusableName) return std::string(message) + "\n" + problem;
  return std::string(message) + "\nscd\\" + std::string(scdFileName) + "：" + problem;
}

std::string UnshownContentText(std::string_view scdFileName, const TimetableRead& read) {
  const UnshownContent& unshown = read.unshown;
  const std::string name(scdFileName);
  std::string text = "课表文件“" + name + "”中有 " + std::to_string(unshown.Places()) +
                     " 处内容没有显示：";
  if (unshown.rows > 0)
    text += "\n· 第一行写的是 " + std::to_string(read.rows) + " 行，其后还有 " +
            std::to_string(unshown.rows) + " 行内容；";
  if (unshown.cells > 0 && unshown.shifted)
    text += "\n· 有的行多于第一行写的 " + std::to_string(read.cols) + " 列，共多出 " +
            std::to_string(unshown.cells) + " 格，其后的单元格都向后错了位；";
  else if (unshown.cells > 0)
    text += "\n· 有 " + std::to_string(unshown.cells) + " 个单元格在第一行写的 " +
            std::to_string(read.cols) + " 列之外；";
  if (unshown.undecodableCells > 0)
    text += "\n· 有 " + std::to_string(unshown.undecodableCells) +
            " 个单元格中有本机文字编码不认识的字节，显示为“�”；";
  text += "\n保存这个课表时会先询问，并把原文件保留为“" + name +
          ".bak”。要显示这些内容，请用记事本改正第一行的行数和列数，或删去多余的逗号。";
  return text;
}

void TellUnshownContent(ui::Form& owner, std::string_view scdFileName, const TimetableRead& read) {
  if (!read.table || !read.unshown.Any()) return;
  owner.platform().dialogs().MessageBox(&owner, UnshownContentText(scdFileName, read),
                                        std::string(kUnshownContentTitle),
                                        ui::MessageIcon::Warning, ui::MessageButtons::Ok);
}

}  // namespace orvel::program
