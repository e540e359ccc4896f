#include "clock/exam_board_state.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "clock/time_left.h"

namespace orvel::clock {
namespace {

constexpr std::string_view kSeparator = " · ";
constexpr std::string_view kUntilStart = "距开考 ";
constexpr std::string_view kUntilEnd = "距结束 ";
constexpr std::string_view kEnded = "考试结束";
constexpr std::string_view kNoExamToday = "今天没有考试";
constexpr std::string_view kExamsOverToday = "今天的考试已结束";
constexpr std::string_view kNextExam = "下一场 ";

struct Span {
  std::int64_t from = 0, until = 0;
  int first = -1;
};

std::int64_t StartOf(const Exam& exam) {
  return WallSeconds(exam.start);
}
std::int64_t EndOf(const Exam& exam) {
  return WallSeconds(exam.end);
}

std::vector<int> ByStart(const std::vector<Exam>& exams) {
  std::vector<int> order(exams.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&exams](int a, int b) { return StartOf(exams[a]) < StartOf(exams[b]); });
  return order;
}

ExamPhase PhaseAt(const Exam& exam, std::int64_t now) {
  if (now < StartOf(exam)) return ExamPhase::Before;
  return now < EndOf(exam) ? ExamPhase::Running : ExamPhase::Ended;
}

// One span a day of exams, from before its first to after its last; spans that touch, as a day
// whose last exam runs past midnight into the next day's first, are one.
std::vector<Span> OpenSpans(const std::vector<Exam>& exams, const std::vector<int>& order) {
  std::vector<Span> spans;
  for (std::size_t i = 0; i < order.size();) {
    const auto date = exams[order[i]].start.date;
    Span span{StartOf(exams[order[i]]) - kBoardOpensBeforeSeconds, 0, order[i]};
    for (; i < order.size() && exams[order[i]].start.date == date; ++i)
      span.until = std::max(span.until, EndOf(exams[order[i]]) + kBoardClosesAfterSeconds);
    if (!spans.empty() && span.from <= spans.back().until)
      spans.back().until = std::max(spans.back().until, span.until);
    else
      spans.push_back(span);
  }
  return spans;
}

// The exam the board is about at `now`; -1 when none is left today.
int ShownExam(const std::vector<Exam>& exams, const std::vector<int>& order,
              const LocalDateTime& now, std::int64_t nowSeconds) {
  int justEnded = -1, nextToday = -1;
  for (const int i : order) {
    const Exam& exam = exams[i];
    switch (PhaseAt(exam, nowSeconds)) {
      case ExamPhase::Running:
        return i;
      case ExamPhase::Ended:
        if (nowSeconds - EndOf(exam) < kBoardClosesAfterSeconds) justEnded = i;
        break;
      case ExamPhase::Before:
        if (nextToday < 0 && exam.start.date == now.date) nextToday = i;
        break;
    }
  }
  return justEnded >= 0 ? justEnded : nextToday;
}

void AppendChineseNumber(std::string& text, int value) {
  static constexpr std::array<std::string_view, 10> kDigits = {"零", "一", "二", "三", "四",
                                                               "五", "六", "七", "八", "九"};
  static constexpr std::array<std::string_view, 4> kUnits = {"千", "百", "十", ""};
  static constexpr std::array<int, 4> kPlaces = {1000, 100, 10, 1};
  if (value <= 0 || value > 9999) {
    if (value == 0)
      text += kDigits[0];
    else
      AppendNumber(text, value, 1);
    return;
  }
  bool written = false, zeroPending = false;
  for (std::size_t p = 0; p < kPlaces.size(); ++p) {
    const int digit = value / kPlaces[p] % 10;
    if (digit == 0) {
      zeroPending = written;
      continue;
    }
    if (zeroPending) text += kDigits[0];
    zeroPending = false;
    // 十五, not 一十五, when the tens lead.
    if (!(digit == 1 && kPlaces[p] == 10 && !written)) text += kDigits[digit];
    text += kUnits[p];
    written = true;
  }
}

}  // namespace

ExamBoardState DecideExamBoard(const std::vector<Exam>& exams, const LocalDateTime& now) {
  ExamBoardState state;
  const std::int64_t nowSeconds = WallSeconds(now);
  const std::vector<int> order = ByStart(exams);

  state.shown = ShownExam(exams, order, now, nowSeconds);
  if (state.shown >= 0) {
    const Exam& exam = exams[state.shown];
    state.phase = PhaseAt(exam, nowSeconds);
    state.examRunning = state.phase == ExamPhase::Running;
    if (state.phase == ExamPhase::Before) state.secondsLeft = StartOf(exam) - nowSeconds;
    if (state.phase == ExamPhase::Running) {
      state.secondsLeft = EndOf(exam) - nowSeconds;
      state.alert = exam.alertMinutes > 0 &&
                    state.secondsLeft <= static_cast<std::int64_t>(exam.alertMinutes) * 60;
    }
  } else {
    for (const int i : order)
      if (exams[i].start.date > now.date) {
        state.nextDay = i;
        break;
      }
  }

  for (const Span& span : OpenSpans(exams, order))
    if (span.from <= nowSeconds && nowSeconds < span.until) {
      state.withinOpenSpan = true;
      state.spanFirst = span.first;
    }

  const auto day = state.shown >= 0 ? exams[state.shown].start.date : now.date;
  for (const int i : order)
    if (exams[i].start.date == day) state.day.push_back({i, PhaseAt(exams[i], nowSeconds)});
  return state;
}

std::string ExamStateLine(const ExamBoardState& state) {
  std::string line;
  if (state.shown < 0) return line;
  switch (state.phase) {
    case ExamPhase::Before:
      line += kUntilStart;
      AppendTimeLeft(line, state.secondsLeft);
      break;
    case ExamPhase::Running:
      line += kUntilEnd;
      AppendTimeLeft(line, state.secondsLeft);
      break;
    case ExamPhase::Ended:
      line += kEnded;
      break;
  }
  return line;
}

std::string ExamBoardLine(const std::vector<Exam>& exams, const ExamBoardState& state) {
  std::string line;
  if (state.shown >= 0 && state.shown < static_cast<int>(exams.size())) {
    line += exams[state.shown].name;
    if (!line.empty()) line += kSeparator;
    line += ExamStateLine(state);
    return line;
  }
  line += state.day.empty() ? kNoExamToday : kExamsOverToday;
  if (state.nextDay >= 0 && state.nextDay < static_cast<int>(exams.size())) {
    const Exam& next = exams[state.nextDay];
    line += kSeparator;
    line += kNextExam;
    AppendMonthDay(line, next.start.date);
    if (!next.name.empty()) line += ' ';
    line += next.name;
  }
  return line;
}

std::vector<ExamMoment> ExamMomentsBetween(const std::vector<Exam>& exams, std::int64_t after,
                                           std::int64_t upTo) {
  struct Timed {
    std::int64_t at;
    ExamMoment moment;
  };
  std::vector<Timed> timed;
  const auto add = [&](std::int64_t at, int index, ExamMomentKind kind) {
    if (after < at && at <= upTo && upTo - at <= kLateMomentSeconds)
      timed.push_back({at, {index, kind}});
  };
  for (int i = 0; i < static_cast<int>(exams.size()); ++i) {
    const Exam& exam = exams[i];
    add(StartOf(exam), i, ExamMomentKind::Start);
    const std::int64_t alertAt = EndOf(exam) - static_cast<std::int64_t>(exam.alertMinutes) * 60;
    if (exam.alertMinutes > 0 && alertAt > StartOf(exam)) add(alertAt, i, ExamMomentKind::Alert);
    add(EndOf(exam), i, ExamMomentKind::End);
  }
  // An exam that ends as the next starts is heard ending first.
  const auto rank = [](ExamMomentKind kind) { return kind == ExamMomentKind::End ? 0 : 1; };
  std::stable_sort(timed.begin(), timed.end(), [&rank](const Timed& a, const Timed& b) {
    if (a.at != b.at) return a.at < b.at;
    return rank(a.moment.kind) < rank(b.moment.kind);
  });
  std::vector<ExamMoment> moments;
  moments.reserve(timed.size());
  for (const Timed& t : timed) moments.push_back(t.moment);
  return moments;
}

std::string SpokenExamMoment(const Exam& exam, ExamMomentKind kind) {
  switch (kind) {
    case ExamMomentKind::Start:
      return "考试开始";
    case ExamMomentKind::Alert: {
      std::string text = "距离考试结束还有";
      AppendChineseNumber(text, exam.alertMinutes);
      text += "分钟";
      return text;
    }
    case ExamMomentKind::End:
      return "考试结束，请停笔";
  }
  return {};
}

}  // namespace orvel::clock
