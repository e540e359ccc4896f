// Windows only: a timetable file that another program holds open.
#include <windows.h>

#include <gtest/gtest.h>

#include "table_builder.h"
#include "test_files.h"
#include "timetable/timetable_writer.h"

namespace orvel {
namespace {

class OpenWithoutSharing {
 public:
  explicit OpenWithoutSharing(const std::filesystem::path& file)
      : handle_(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  OpenWithoutSharing(const OpenWithoutSharing&) = delete;
  OpenWithoutSharing& operator=(const OpenWithoutSharing&) = delete;
  ~OpenWithoutSharing() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

TEST(timetable_writer_win_test, file_held_open_by_another_program_is_read_only_and_kept) {
  test::TestFolder folder;
  const auto program = folder.WithScd();
  const auto file = program / "scd" / "Schedule.csv";
  test::WriteBytes(file, "1,1\r\nold\r\n");
  const auto table = test::MakeTable({{"new"}});
  {
    const OpenWithoutSharing held(file);
    ASSERT_TRUE(held.valid());
    EXPECT_EQ(ScdSave(program, "Schedule.csv", table, Edition::Grid).status, SaveStatus::ReadOnly);
  }
  EXPECT_EQ(test::ReadBytes(file), "1,1\r\nold\r\n");
  EXPECT_EQ(ScdSave(program, "Schedule.csv", table, Edition::Grid).status, SaveStatus::Saved);
  EXPECT_EQ(test::ReadBytes(file), FormatTimetable(table));
}

}  // namespace
}  // namespace orvel
