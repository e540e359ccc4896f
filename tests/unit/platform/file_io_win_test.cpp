// Windows only: a file that another program holds open without write sharing, the way a
// spreadsheet holds the file it shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "platform/file_io.h"
#include "temp_folder.h"

namespace orvel {
namespace {

TEST(file_io_win_test, file_held_open_is_denied_and_kept) {
  test::TempFolder tmp;
  const std::filesystem::path file = tmp.path() / "held.csv";
  ASSERT_EQ(ReplaceFileContents(file, "old"), FileStatus::Ok);
  HANDLE h = CreateFileW(file.wstring().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReplaceFileContents(file, "new"), FileStatus::AccessDenied);
  CloseHandle(h);
  {
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
  }
  // Once the other program lets go, the save succeeds.
  EXPECT_EQ(ReplaceFileContents(file, "new"), FileStatus::Ok);
}

}  // namespace
}  // namespace orvel
