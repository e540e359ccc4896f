#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void MakeReadOnly(const fs::path& p) {
  fs::permissions(p, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

size_t CountEntries(const fs::path& folder) {
  size_t n = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(folder)) ++n;
  return n;
}

TEST(file_io_test, replace_creates_and_overwrites_without_leftovers) {
  test::TempFolder tmp;
  const fs::path file = tmp.path() / "a.csv";
  EXPECT_EQ(ReplaceFileContents(file, "first\r\n"), FileStatus::Ok);
  EXPECT_EQ(Slurp(file), "first\r\n");
  EXPECT_EQ(ReplaceFileContents(file, "2"), FileStatus::Ok);
  EXPECT_EQ(Slurp(file), "2");
  EXPECT_EQ(ReplaceFileContents(file, ""), FileStatus::Ok);
  EXPECT_EQ(Slurp(file), "");
  EXPECT_EQ(CountEntries(tmp.path()), 1u);
}

TEST(file_io_test, read_only_target_is_denied_and_kept) {
  test::TempFolder tmp;
  const fs::path file = tmp.path() / "a.csv";
  ASSERT_EQ(ReplaceFileContents(file, "old"), FileStatus::Ok);
  MakeReadOnly(file);
  EXPECT_EQ(ReplaceFileContents(file, "new"), FileStatus::AccessDenied);
  EXPECT_EQ(Slurp(file), "old");
  EXPECT_EQ(CountEntries(tmp.path()), 1u);
}

TEST(file_io_test, missing_folder_is_not_found_and_creates_nothing) {
  test::TempFolder tmp;
  EXPECT_EQ(ReplaceFileContents(tmp.path() / "scd" / "a.csv", "x"), FileStatus::NotFound);
  EXPECT_FALSE(fs::exists(tmp.path() / "scd"));
}

TEST(file_io_test, folder_in_place_of_file_fails_cleanly) {
  test::TempFolder tmp;
  fs::create_directory(tmp.path() / "a.csv");
  EXPECT_NE(ReplaceFileContents(tmp.path() / "a.csv", "x"), FileStatus::Ok);
  EXPECT_EQ(CountEntries(tmp.path()), 1u);
  EXPECT_TRUE(fs::is_directory(tmp.path() / "a.csv"));
}

TEST(file_io_test, read_whole_file_statuses) {
  test::TempFolder tmp;
  const fs::path file = tmp.path() / "a.csv";
  EXPECT_EQ(ReadWholeFile(file, 100).status, FileStatus::NotFound);
  ASSERT_EQ(ReplaceFileContents(file, std::string(40000, 'x') + "\r\n"), FileStatus::Ok);
  const FileBytes all = ReadWholeFile(file, 1 << 20);
  EXPECT_EQ(all.status, FileStatus::Ok);
  EXPECT_EQ(all.bytes.size(), 40002u);
  const FileBytes capped = ReadWholeFile(file, 1000);
  EXPECT_EQ(capped.status, FileStatus::TooLarge);
  EXPECT_TRUE(capped.bytes.empty());
  EXPECT_NE(ReadWholeFile(tmp.path(), 100).status, FileStatus::Ok);
}

TEST(file_io_test, utf8_paths_reach_the_file_system) {
  test::TempFolder tmp;
  const fs::path file = tmp.path() / PathFromUtf8("我的课表.csv");
  ASSERT_EQ(ReplaceFileContents(file, "x"), FileStatus::Ok);
  EXPECT_EQ(Utf8FromPath(file.filename()), "我的课表.csv");
  EXPECT_EQ(ReadWholeFile(file, 10).bytes, "x");
}

}  // namespace
}  // namespace orvel
