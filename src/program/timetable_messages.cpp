#include "program/timetable_messages.h"

#include <utility>

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
  // Only the kinds the file has, each with its count.
  const std::pair<int, std::string_view> kinds[] = {
      {unshown.rows, "文件中另有 {} 行"},
      {unshown.cells,
       unshown.shifted ? "有的行多出 {} 格，其后的单元格都错了位" : "有 {} 格在各行的列数之外"},
      {unshown.undecodableCells, "有 {} 格中有本机文字编码不认识的字节"}};
  std::string details;
  for (const auto& [count, pattern] : kinds) {
    if (count == 0) continue;
    if (!details.empty()) details += "；";
    details += FillIn(pattern, {count});
  }
  const std::string text = FillIn(
      "课表文件“{}”中有 {} 处内容没有显示（第一行写的是 {} 行 {} 列）：{}。"
      "保存时会先询问，并把原文件保留为“{}.bak”。",
      {scdFileName, unshown.Places(), read.rows, read.cols, details, scdFileName});
  owner.platform().dialogs().MessageBox(&owner, text, std::string(kUnshownContentTitle),
                                        ui::MessageIcon::Warning, ui::MessageButtons::Ok);
}

}  // namespace orvel::program
