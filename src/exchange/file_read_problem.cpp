#include "exchange/file_read_problem.h"

namespace orvel::exchange {

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

}  // namespace orvel::exchange
