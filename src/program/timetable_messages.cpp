#include "program/timetable_messages.h"

#include "platform/text_codec.h"
#include "platform/ui/platform.h"
#include "timetable/read_problem.h"

namespace orvel::program {

std::string WithReadProblem(std::string_view message, std::string_view scdFileName,
                            const TimetableRead& read) {
  const std::string problem = TimetableReadProblem(read, scdFileName);
  // A name that cannot be used is named by the problem itself.
  if (read.fault == ReadFault::UnusableName) return FillIn("{}\n{}", {message, problem});
  return FillIn("{}\nscd\\{}：{}", {message, scdFileName, problem});
}

void TellUnshownContent(ui::Form& owner, std::string_view scdFileName, const TimetableRead& read) {
  const UnshownContent& unshown = read.unshown;
  if (!read.table || !unshown.Any()) return;
  const std::string text = FillIn(
      "课表文件“{}”中有 {} 处内容没有显示：第一行写的是 {} 行 {} 列，"
      "文件中另有 {} 行、{} 格在此之外{}，{} 格有本机文字编码不认识的字节。"
      "保存时会先询问，并把原文件保留为“{}.bak”。",
      {scdFileName, unshown.Places(), read.rows, read.cols, unshown.rows, unshown.cells,
       unshown.shifted ? "（其后的单元格都错了位）" : "", unshown.undecodableCells, scdFileName});
  owner.platform().dialogs().MessageBox(&owner, text, std::string(kUnshownContentTitle),
                                        ui::MessageIcon::Warning, ui::MessageButtons::Ok);
}

}  // namespace orvel::program
