#include "program/timetable_messages.h"

#include <utility>

#include "platform/text_codec.h"
#include "platform/ui/platform.h"
#include "timetable/program_folder.h"

namespace orvel::program {

std::string FileReadProblem(FileStatus status) {
  switch (status) {
    case FileStatus::Ok:
      return {};
    case FileStatus::NotFound:
      return "找不到这个文件。";
    case FileStatus::AccessDenied:
      return "无法读取这个文件：没有权限，或文件正被其他程序使用。";
    case FileStatus::TooLarge:
      return "文件太大，不是课程表。";
    case FileStatus::Failed:
      break;
  }
  return "无法读取这个文件。";
}

std::string UnusableNameProblem(std::string_view fileName) {
  return FillIn(WindowsFileNameFault(fileName) == FileNameFault::DeviceName
                    ? "“{}”是 Windows 保留的设备名（{}），不能用作课表文件名。"
                    : "“{}”不能用作课表文件名：其中有 \\ / : * ? \" < > | 或“..”。",
                {fileName, kDeviceNamesText});
}

std::string TimetableReadProblem(const TimetableRead& read, std::string_view fileName) {
  const bool classic = read.edition == Edition::Classic;
  switch (read.fault) {
    case ReadFault::None:
      return {};
    case ReadFault::Missing:
      return FileReadProblem(FileStatus::NotFound);
    case ReadFault::Unreadable:
      return FileReadProblem(FileStatus::AccessDenied);
    case ReadFault::TooLarge:
      return FileReadProblem(FileStatus::TooLarge);
    case ReadFault::UnusableName:
      return UnusableNameProblem(fileName);
    case ReadFault::NoCounts:
      return "这不是课程表文件：第一行应是行数和列数（如“11,7”），其后每一行是一排单元格，"
             "用逗号隔开。";
    case ReadFault::SizeRefused:
      // The classic edition's part holds one more gap, for its limit of cells.
      return FillIn(FillIn("课表有 {} 行 {} 列，超出了{}的范围（1 到 {} 行、1 到 {} 列{}）。",
                           {read.rows, read.cols, classic ? "经典版" : "本程序", kMaxRows, kMaxCols,
                            classic ? "，最多 {} 格；更大的课表请用表格版打开" : ""}),
                    {kMaxClassicCells});
    case ReadFault::TooFewCells:
      return FillIn("第一行写的是 {} 行 {} 列，但文件中的单元格不够{}。",
                    {read.rows, read.cols, classic ? "（经典版要求每一排单元格写在一行里）" : ""});
  }
  return {};
}

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
