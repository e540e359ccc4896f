// The exam list of the exam-board programs: their file reads as they write it, a file that cannot
// be used is refused whole, a wrong exam is skipped while the others are used, and what is read
// writes back to a file that reads the same.
#include "exchange/exam_file.h"

#include <gtest/gtest.h>

#include <string>

namespace orvel::exchange {
namespace {

using namespace std::chrono;
using Kind = ExamProblem::Kind;

const std::string kExample =
    R"({"examName": "高二期末考试", "message": "请保持安静", "examInfos": [{"name": "语文", )"
    R"("start": "2026-12-21T08:00:00", "end": "2026-12-21T10:30:00", "alertTime": 15}]})";

std::string FileOf(const std::string& exams) {
  return R"({"examName": "期中", "examInfos": [)" + exams + "]}";
}

TEST(exam_file_test, the_exam_boards_file_reads_as_they_write_it) {
  const ExamFileRead read = ReadExamFile(kExample);
  ASSERT_TRUE(read.list.has_value());
  EXPECT_TRUE(read.skipped.empty());
  const ExamList expected{"高二期末考试",
                          "请保持安静",
                          {{"语文",
                            {2026y / December / 21, 8 * 3600},
                            {2026y / December / 21, 10 * 3600 + 30 * 60},
                            15}}};
  EXPECT_EQ(*read.list, expected);
  // A space for the "T", no seconds and no alertTime mean the same.
  const ExamFileRead spaced = ReadExamFile(
      R"({"examName": "高二期末考试", "message": "请保持安静", "examInfos": [{"name": "语文",
          "start": "2026-12-21 08:00", "end": "2026-12-21 10:30:00", "room": 3}]})");
  ASSERT_TRUE(spaced.list.has_value());
  EXPECT_EQ(*spaced.list, expected);
}

TEST(exam_file_test, a_file_that_cannot_be_used_is_refused_whole) {
  std::string many;
  for (int i = 0; i <= 500; ++i) many += i == 0 ? "1" : ", 1";
  const struct {
    std::string text;
    ExamFileProblem::Kind kind;
  } cases[] = {
      {"<html>404</html>", ExamFileProblem::Kind::NotAnObject},
      {"{\"examInfos\": [}", ExamFileProblem::Kind::NotJson},
      {FileOf("") + std::string(1u << 20, ' '), ExamFileProblem::Kind::TooLarge},
      {FileOf(many), ExamFileProblem::Kind::TooManyExams},
      {R"({"examName": "期中"})", ExamFileProblem::Kind::NoExamList},
      {R"({"examName": "期中\n期末", "examInfos": []})", ExamFileProblem::Kind::ExamNameNotText},
  };
  for (const auto& c : cases) {
    const ExamFileRead read = ReadExamFile(c.text);
    EXPECT_FALSE(read.list.has_value()) << c.text.substr(0, 40);
    EXPECT_EQ(read.problem.kind, c.kind) << c.text.substr(0, 40);
  }
}

TEST(exam_file_test, a_wrong_exam_is_skipped_and_the_others_are_used) {
  const std::string good =
      R"({"name": "语文", "start": "2026-12-21T08:00:00", "end": "2026-12-21T10:30:00"})";
  const auto exam = [](const std::string& start, const std::string& end) {
    return R"({"name": "数学", "start": ")" + start + R"(", "end": ")" + end + R"("})";
  };
  const struct {
    std::string second;
    Kind kind;
    ExamField field;
  } cases[] = {
      {R"({"name": "数学", "start": "2026-12-21T14:00:00"})", Kind::MissingField, ExamField::End},
      {exam("2026-02-30T08:00:00", "2026-12-21T16:00:00"), Kind::BadDateTime, ExamField::Start},
      {exam("2026-12-21T14:00:00", "2026-12-21T24:00:00"), Kind::BadDateTime, ExamField::End},
      {exam("2026-12-21T14:00:00", "2026-12-21T14:00:00"), Kind::EndNotAfterStart, ExamField::End},
      {exam("2026-12-21T10:00:00", "2026-12-21T12:00:00"), Kind::Overlaps, ExamField::Name},
      {R"({"name": "数学", "start": "2026-12-21T14:00", "end": "2026-12-21T16:00",
           "alertTime": -5})",
       Kind::BadAlertTime, ExamField::AlertTime},
      {R"({"name": "", "start": "2026-12-21T14:00", "end": "2026-12-21T16:00"})", Kind::NameNotText,
       ExamField::Name},
  };
  for (const auto& c : cases) {
    // The wrong exam between two good ones: both of those are used.
    const ExamFileRead read = ReadExamFile(
        FileOf(good + ",\n" + c.second + R"(, {"name": "英语", "start": "2026-12-22T08:00",
        "end": "2026-12-22T10:00"})"));
    ASSERT_TRUE(read.list.has_value()) << c.second;
    ASSERT_EQ(read.list->exams.size(), 2u) << c.second;
    EXPECT_EQ(read.list->exams[1].name, "英语");
    ASSERT_EQ(read.skipped.size(), 1u) << c.second;
    const ExamProblem& problem = read.skipped[0];
    EXPECT_EQ(problem.kind, c.kind) << c.second;
    EXPECT_EQ(problem.field, c.field) << c.second;
    EXPECT_EQ(problem.index, 1);
    EXPECT_EQ(problem.line, 2);
    EXPECT_EQ(problem.earlierIndex, 0);
  }
}

TEST(exam_file_test, what_is_written_reads_back_the_same_in_the_boards_layout) {
  const ExamList list{
      "高二\"期末\"考试, 第一场",
      "请保持安静 \\ 不要交谈",
      {{"语文, \"甲\"卷",
        {2026y / December / 21, 8 * 3600},
        {2026y / December / 21, 10 * 3600 + 30 * 60},
        0},
       {"数学", {2026y / December / 21, 14 * 3600 + 5}, {2026y / December / 21, 16 * 3600}, 600}}};
  const std::string text = FormatExamFile(list);
  const ExamFileRead read = ReadExamFile(text);
  ASSERT_TRUE(read.list.has_value()) << text;
  EXPECT_EQ(*read.list, list) << text;
  EXPECT_EQ(FormatExamFile(*ReadExamFile(kExample).list), R"({
  "examName": "高二期末考试",
  "message": "请保持安静",
  "examInfos": [
    {
      "name": "语文",
      "start": "2026-12-21T08:00:00",
      "end": "2026-12-21T10:30:00",
      "alertTime": 15
    }
  ]
}
)");
}

}  // namespace
}  // namespace orvel::exchange
