// What a teacher types into the 考试安排 window and how the list shows an exam.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "panel/frm_exams.h"
#include "program/exam_texts.h"

namespace orvel::panel {
namespace {

using namespace std::chrono;

TEST(exam_entry_test, clock_times_as_typed) {
  const struct {
    const char* typed;
    std::optional<int> seconds;
  } cases[] = {
      {"08:00", 8 * 3600},      {"8:05", 8 * 3600 + 300},    {"8：05", 8 * 3600 + 300},
      {"23:59:30", 86400 - 30}, {" 7:30 ", 7 * 3600 + 1800}, {"24:00", std::nullopt},
      {"8:60", std::nullopt},   {"8", std::nullopt},         {"8:00:00:00", std::nullopt},
      {"008:00", std::nullopt}, {"-8:00", std::nullopt},     {"", std::nullopt},
      {"8:", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ExamClockTime(c.typed), c.seconds) << c.typed;
}

TEST(exam_entry_test, an_exam_past_midnight_names_its_ends_date) {
  const Exam evening{
      "晚自习测验", {2025y / December / 31, 22 * 3600}, {2026y / January / 1, 1800}, 15};
  EXPECT_EQ(ExamLineText(evening), "12月31日 22:00–1月1日 00:30 晚自习测验");
}

TEST(exam_entry_test, a_file_that_cannot_be_read_is_named_by_why) {
  program::ExamFileNote note;
  note.status = FileStatus::AccessDenied;
  note.schoolUsedInstead = true;
  EXPECT_EQ(program::ExamNoteTexts(note),
            std::vector<std::string>{
                "exams.json 不能使用：无法读取，可能正被其他程序使用；改用学校发布的 "
                "exams.school.json"});
}

}  // namespace
}  // namespace orvel::panel
