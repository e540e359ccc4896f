// An exam list on any bytes: refused whole, or exams that are each well formed and overlap none
// other, with every skipped exam named once; what is read writes back to a file that reads the
// same, with nothing skipped.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/exam_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvel;
  using namespace orvel::exchange;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ExamFileRead read = ReadExamFile(bytes);
  fuzz::Check(read.list.has_value() == (read.problem.kind == ExamFileProblem::Kind::None));
  if (!read.list) return 0;
  const std::vector<Exam>& exams = read.list->exams;
  fuzz::Check(exams.size() + read.skipped.size() <= kMaxExams);
  for (std::size_t i = 0; i < exams.size(); ++i) {
    const Exam& exam = exams[i];
    fuzz::Check(exam.start.date.ok() && exam.end.date.ok() && exam.start < exam.end);
    fuzz::Check(exam.alertMinutes >= 0 && exam.alertMinutes <= kMaxAlertMinutes);
    for (std::size_t k = 0; k < i; ++k)
      fuzz::Check(!(exam.start < exams[k].end && exams[k].start < exam.end));
  }
  const std::string written = FormatExamFile(*read.list);
  const ExamFileRead again = ReadExamFile(written);
  fuzz::Check(again.list && *again.list == *read.list && again.skipped.empty());
  return 0;
}
