#include "program/holiday_files.h"

#include <algorithm>
#include <charconv>
#include <system_error>
#include <utility>

#include "exchange/holiday_file.h"
#include "platform/file_io.h"
#include "timetable/file_text.h"

namespace orvel::program {
namespace {

std::string ShownName(const YearSource& file) {
  return std::string(exchange::kHolidayFolderName) + "\\" +
         exchange::HolidayFileName(file.year, file.source);
}

std::string YearsText(int first, int last) {
  return first == last ? std::to_string(first) + "年"
                       : std::to_string(first) + "–" + std::to_string(last) + "年";
}

// A year the national holidays of which the user should be asked for: switched on, without data,
// and not before the built-in table begins (a clock that far back is wrong, and nothing was
// ever there to miss).
bool AwaitsData(const clock::DayRules& rules, int year) {
  const std::vector<int> builtIn = BuiltInYears();
  return rules.NationalDaysOn() && !rules.national().Covers(year) &&
         (builtIn.empty() || year >= builtIn.front());
}

}  // namespace

std::string HolidayFileProblemText(const exchange::HolidayFileProblem& problem) {
  using Kind = exchange::HolidayFileProblem::Kind;
  const std::string at = "第 " + std::to_string(problem.line) + " 行：";
  const std::string year = std::to_string(problem.year);
  switch (problem.kind) {
    case Kind::None:
      break;
    case Kind::TooLarge:
      return "文件超过 1 MB";
    case Kind::Unreadable:
      return "无法读取";
    case Kind::NotUtf8:
      return "不是 UTF-8 编码的文本";
    case Kind::NotJson:
      return "第 " + std::to_string(problem.line) + " 行起不是 JSON";
    case Kind::NotAnObject:
      return "不是 JSON 对象";
    case Kind::YearNotANumber:
      return at + "year 应为年份数字";
    case Kind::YearDiffers:
      return at + "year 是 " + std::to_string(problem.stated) + "，与文件名的 " + year + " 不符";
    case Kind::DaysNotAList:
      return at + "days 应为列表";
    case Kind::NoDays:
      return "没有 days 列表";
    case Kind::TooManyDays:
      return at + "days 中的项目太多";
    case Kind::DayNotAnObject:
      return at + "days 中的每一项应为对象";
    case Kind::DateNotADate:
      return at + "date 应为 2027-01-01 这样的日期";
    case Kind::DateOutsideYear:
      return at + "日期 " + problem.date + " 不在 " + year + " 年内";
    case Kind::NameNotText:
      return at + "name 应为一行文字";
    case Kind::OffDayNotBool:
      return at + "isOffDay 应为 true 或 false";
    case Kind::HolidayAndWorkday:
      return at + "日期 " + problem.date + " 既是假日又是补班日";
  }
  return {};
}

HolidayFilesRead ReadHolidayFiles(const std::filesystem::path& programFolder) {
  struct Found {
    YearSource file;
    std::filesystem::path path;
  };
  std::vector<Found> found;
  std::error_code ec;
  const std::filesystem::path folder = programFolder / PathFromUtf8(exchange::kHolidayFolderName);
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    if (const auto file = exchange::HolidayFileOf(Utf8FromPath(it->path().filename())))
      found.push_back({*file, it->path()});
  }
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    return a.file.year != b.file.year ? a.file.year > b.file.year : a.file.source > b.file.source;
  });
  if (found.size() > kMostHolidayFiles) found.resize(kMostHolidayFiles);

  HolidayFilesRead read;
  for (const Found& f : found) {
    exchange::HolidayFileRead file = exchange::ReadHolidayFile(f.path, f.file.year);
    if (file.problem.kind != exchange::HolidayFileProblem::Kind::None) {
      read.problems.push_back({f.file, std::move(file.problem)});
    } else if (file.year) {
      read.days.Cover(std::move(*file.year), f.file.source);
    }
  }
  std::reverse(read.problems.begin(), read.problems.end());
  return read;
}

std::string HolidayFileNoteText(const exchange::HolidayFileNote& note) {
  return ShownName(note.file) + " 无法使用（" + HolidayFileProblemText(note.problem) +
         "），已忽略；" + std::to_string(note.file.year) + "年的法定节假日照旧。";
}

std::string MissingHolidaysText(int year) {
  const std::string y = std::to_string(year);
  return y + "年的法定节假日安排尚未提供：请将 " + y +
         ".json 放入程序的 holidays 文件夹，或由学校统一发布。";
}

std::string NationalDaysStatusText(const clock::DayRules& rules,
                                   std::chrono::year_month_day today) {
  if (!rules.NationalDaysOn()) return "法定节假日：已关闭，不按国家安排放假和补班";
  const int thisYear = static_cast<int>(today.year());
  if (AwaitsData(rules, thisYear)) return MissingHolidaysText(thisYear);
  const std::vector<YearSource> years = rules.national().Years();
  std::string text;
  for (std::size_t i = 0; i < years.size();) {
    const YearSource& first = years[i];
    std::size_t next = i + 1;
    // Years of the table or of the school run together; the PC's own files are named each.
    if (first.source != HolidaySource::LocalFile)
      while (next < years.size() && years[next].source == first.source &&
             years[next].year == years[next - 1].year + 1)
        ++next;
    if (!text.empty()) text += "，";
    text += YearsText(first.year, years[next - 1].year);
    switch (first.source) {
      case HolidaySource::BuiltIn:
        text += "（内置）";
        break;
      case HolidaySource::SchoolFile:
        text += "（学校发布）";
        break;
      case HolidaySource::LocalFile:
        text += "（" + ShownName(first) + "）";
        break;
    }
    i = next;
  }
  return "法定节假日：" + text;
}

std::optional<int> TakeMissingYearNotice(ProgramState& state, std::chrono::year_month_day today) {
  using namespace std::chrono;
  const std::filesystem::path record = state.programFolder / PathFromUtf8(kMissingYearToldFileName);
  int recorded = 0;
  if (const FileBytes told = ReadWholeFile(record, 64); told.status == FileStatus::Ok) {
    std::string_view rest = told.bytes;
    const std::string_view line = TrimBlanks(TakeLine(rest));
    int year = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), year);
    if (error == std::errc() && end == line.data() + line.size()) recorded = year;
  }
  const int thisYear = static_cast<int>(today.year());
  // The days around New Year may already belong to next year's arrangement: asked from 25
  // December, so that the notice does not wait for 1 January.
  const int lastAsked = today.month() == December && today.day() >= day{25} ? thisYear + 1 : thisYear;
  for (int year = thisYear; year <= lastAsked; ++year) {
    if (!AwaitsData(state.days.rules(), year) || state.toldMissingYear == year ||
        recorded >= year)
      continue;
    state.toldMissingYear = year;
    ReplaceFileContents(record, std::to_string(year) + "\r\n");
    return year;
  }
  return std::nullopt;
}

}  // namespace orvel::program
