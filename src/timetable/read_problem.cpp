#include "timetable/read_problem.h"

#include "timetable/program_folder.h"

namespace orvel {
namespace {

std::string Number(int n) {
  return std::to_string(n);
}

constexpr std::string_view kOneRowALine = "经典版要求每一排单元格写在一行里，用逗号隔开";

}  // namespace

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

std::string TimetableReadProblem(const TimetableRead& read, std::string_view fileName) {
  const std::string size = Number(read.rows) + " 行 " + Number(read.cols) + " 列";
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
      if (WindowsFileNameFault(fileName) == FileNameFault::DeviceName)
        return "“" + std::string(fileName) + "”是 Windows 保留的设备名（" +
               std::string(kDeviceNamesText) + "），不能用作课表文件名。";
      return "“" + std::string(fileName) +
             "”不能用作课表文件名：文件名不能为空，也不能含有 \\ / : * ? \" < > | 或“..”。";
    case ReadFault::NoCounts:
      return "这不是课程表文件：第一行应是行数和列数（如“11,7”），其后每一行是一排单元格，"
             "用逗号隔开。";
    case ReadFault::CountsTooSmall:
      return "第一行写的是 " + size + "，课表至少要有 1 行 1 列。";
    case ReadFault::TooManyRows:
      return "第一行写的行数是 " + Number(read.rows) + "，超过了本程序能显示的 " +
             Number(kMaxRows) + " 行。";
    case ReadFault::TooManyCols:
      return "第一行写的列数是 " + Number(read.cols) + "，超过了本程序能显示的 " +
             Number(kMaxCols) + " 列。";
    case ReadFault::TooManyCells:
      return "课表有 " + size + "，共 " + Number(read.rows * read.cols) +
             " 格，超过了经典版能显示的 " + Number(kMaxClassicCells) +
             " 格（每格是一个文本框，格子太多时窗口迟迟不能出现）。请用表格版 Orvel2 打开，"
             "或把课表分成几个文件。";
    case ReadFault::TooFewCells:
      return "第一行写的是 " + size + "，但文件中的单元格不到 " +
             Number(read.rows * read.cols) + " 个。";
    case ReadFault::TooFewLines:
      return "第一行写的是 " + Number(read.rows) + " 行，但其后的行数不够（" +
             std::string(kOneRowALine) + "）。";
    case ReadFault::ShortLine:
      return "第 " + Number(read.line) + " 行的单元格少于 " + Number(read.cols) + " 个（" +
             std::string(kOneRowALine) + "）。";
  }
  return {};
}

}  // namespace orvel
