#include "exchange/followed_source.h"

#include <system_error>
#include <utility>

#include "exchange/timetable_import.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "timetable/file_text.h"
#include "timetable/program_folder.h"
#include "timetable/read_problem.h"
#include "timetable/timetable_reader.h"
#include "timetable/timetable_writer.h"

namespace orvel::exchange {
namespace {

constexpr std::string_view kClassPlaceholder = "{class}";

SourceResolution Problem(std::string problem) {
  return {std::nullopt, std::move(problem)};
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "%E8%AF%BE" as the characters it stands for, when they are UTF-8; the text as it is otherwise.
std::string PercentDecoded(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return IsValidUtf8(out) ? out : std::string(text);
}

// An address as a request carries it: other characters than the visible ASCII ones as %XX of
// their UTF-8 bytes; escapes already there stay.
std::string PercentEncoded(std::string_view text) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b >= 0x7F || c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' ||
        c == '`' || c == '{' || c == '|' || c == '}') {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      out += c;
    }
  }
  return out;
}

FetchedFile FetchFailed(std::string problem) {
  FetchedFile fetched;
  fetched.problem = std::move(problem);
  return fetched;
}

FetchedFile FetchWeb(ui::Http& http, const std::string& url, const Validators& known) {
  ui::HttpRequest request;
  request.url = url;
  if (known.known) {
    request.etag = known.etag;
    request.lastModified = known.lastModified;
  }
  request.maxBodyBytes = kMaxFollowedFileBytes;
  ui::HttpAnswer answer = http.Get(request);
  FetchedFile fetched;
  switch (answer.outcome) {
    case ui::HttpOutcome::Fetched:
      fetched.outcome = FetchOutcome::Fetched;
      fetched.bytes = std::move(answer.body);
      fetched.validators.etag = std::move(answer.etag);
      fetched.validators.lastModified = std::move(answer.lastModified);
      fetched.validators.known = true;
      break;
    case ui::HttpOutcome::Unchanged:
      fetched.outcome = FetchOutcome::Unchanged;
      fetched.validators = known;
      break;
    case ui::HttpOutcome::Missing:
      fetched.outcome = FetchOutcome::Missing;
      break;
    case ui::HttpOutcome::Failed:
      fetched.problem = std::move(answer.problem);
      break;
  }
  return fetched;
}

FetchedFile FetchPath(const std::string& location, const Validators& known) {
  const std::filesystem::path path = PathFromUtf8(location);
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) {
    FetchedFile missing;
    missing.outcome = FetchOutcome::Missing;
    return missing;
  }
  Validators now;
  now.size = std::filesystem::file_size(path, ec);
  now.modified = std::filesystem::last_write_time(path, ec).time_since_epoch().count();
  now.known = !ec;
  if (now.known && known.known && now.size == known.size && now.modified == known.modified) {
    FetchedFile same;
    same.outcome = FetchOutcome::Unchanged;
    same.validators = known;
    return same;
  }
  FileBytes read = ReadWholeFile(path, kMaxFollowedFileBytes);
  if (read.status == FileStatus::TooLarge) return FetchFailed("文件太大");
  if (read.status != FileStatus::Ok) return FetchFailed(FileReadProblem(read.status));
  FetchedFile fetched;
  fetched.outcome = FetchOutcome::Fetched;
  fetched.bytes = std::move(read.bytes);
  fetched.validators = now;
  return fetched;
}

Update Failed(std::string problem) {
  return {UpdateOutcome::Failed, std::move(problem)};
}

}  // namespace

SourceResolution ResolveSource(std::string_view sourceText, std::string_view className) {
  std::string source(TrimBlanks(sourceText));
  if (source.empty()) return Problem("没有给出课表来源。");
  if (source.find(kClassPlaceholder) != std::string::npos) {
    if (className.empty()) return Problem("来源中有 {class}，但没有给出班级名（/class）。");
    if (!IsTimetableFileName(className))
      return Problem("班级名“" + std::string(className) + "”不能用在文件名中。");
    source = ReplaceAll(std::move(source), kClassPlaceholder, className);
  }

  FollowedSource followed;
  followed.shown = source;
  std::string_view folder;  // up to the file's name, its last separator included
  std::string_view name;
  const std::string lower = AsciiLower(source);
  if (lower.starts_with("http://") || lower.starts_with("https://")) {
    followed.kind = SourceKind::Web;
    const std::size_t hostStart = lower.find("://") + 3;
    const std::size_t pathStart = source.find('/', hostStart);
    const std::size_t pathEnd = source.find_first_of("?#", hostStart);
    if (pathStart == std::string::npos || pathStart > pathEnd)
      return Problem("来源地址“" + source + "”没有指向课表文件。");
    const std::string_view path = std::string_view(source).substr(0, pathEnd);
    const std::size_t last = path.rfind('/');
    folder = path.substr(0, last + 1);
    name = path.substr(last + 1);
    followed.fileName = PercentDecoded(name);
    followed.timetable = PercentEncoded(source);
    followed.dayList = PercentEncoded(folder) + std::string(kDayListFileName);
  } else if (lower.find("://") != std::string::npos) {
    return Problem("只能跟随 http:// 或 https:// 地址，或文件路径。");
  } else {
    followed.kind = SourceKind::File;
    const std::size_t last = source.find_last_of("\\/");
    folder = last == std::string::npos ? std::string_view()
                                       : std::string_view(source).substr(0, last + 1);
    name = std::string_view(source).substr(last == std::string::npos ? 0 : last + 1);
    followed.fileName = std::string(name);
    followed.timetable = source;
    followed.dayList = std::string(folder) + std::string(kDayListFileName);
  }

  const std::optional<ImportKind> kind = ImportKindOf(PathFromUtf8(followed.fileName));
  if (followed.fileName.empty() || !kind)
    return Problem("来源应是 .yaml、.yml 或 .csv 课表文件：“" + source + "”。");
  followed.scdFileName = *kind == ImportKind::Cses
                             ? Utf8FromPath(PathFromUtf8(followed.fileName).stem()) + ".csv"
                             : followed.fileName;
  if (!IsTimetableFileName(followed.scdFileName))
    return Problem("文件名“" + followed.fileName + "”不能用作课表文件名。");
  return {std::move(followed), {}};
}

FetchedFile FetchFile(ui::Http& http, SourceKind kind, const std::string& location,
                      const Validators& known) {
  return kind == SourceKind::Web ? FetchWeb(http, location, known) : FetchPath(location, known);
}

FetchRound FetchSource(ui::Http& http, const FollowedSource& source, const Validators& timetable,
                       const Validators& dayList) {
  FetchRound round;
  round.timetable = FetchFile(http, source.kind, source.timetable, timetable);
  // A source that did not answer would only make the day list wait as long again.
  if (round.timetable.outcome == FetchOutcome::Fetched ||
      round.timetable.outcome == FetchOutcome::Unchanged)
    round.dayList = FetchFile(http, source.kind, source.dayList, dayList);
  return round;
}

Update UpdateTimetable(const FetchedFile& fetched, const FollowedSource& source,
                       const std::filesystem::path& programFolder, Edition edition) {
  switch (fetched.outcome) {
    case FetchOutcome::Unchanged:
      return {UpdateOutcome::Unchanged, {}};
    case FetchOutcome::Missing:
      return Failed("来源中没有课表文件“" + source.fileName + "”");
    case FetchOutcome::Failed:
      return Failed(fetched.problem);
    case FetchOutcome::Fetched:
      break;
  }
  const ImportPreparation preparation = PrepareImportBytes(source.fileName, fetched.bytes, edition);
  if (!preparation.prepared) {
    Update refused;
    refused.importRefusal = preparation.refusal;
    return refused;
  }
  const PreparedImport& prepared = *preparation.prepared;
  const std::optional<std::string> bytes = ImportedBytes(prepared);
  if (!bytes) return Failed("课表中有无法保存的单元格");
  const FileBytes onDisk = ReadWholeFile(ImportTarget(prepared, programFolder), bytes->size());
  if (onDisk.status == FileStatus::Ok && onDisk.bytes == *bytes)
    return {UpdateOutcome::Unchanged, {}};
  if (WriteImport(prepared, programFolder, edition).status != SaveStatus::Saved)
    return Failed("无法写入 scd\\" + prepared.scdFileName);
  return {UpdateOutcome::Changed, {}};
}

Update UpdateSchoolDayList(const FetchedFile& fetched, const std::filesystem::path& programFolder) {
  switch (fetched.outcome) {
    case FetchOutcome::Unchanged:
    case FetchOutcome::Missing:
      return {UpdateOutcome::Unchanged, {}};
    case FetchOutcome::Failed:
      return Failed(std::string(kDayListFileName) + "：" + fetched.problem);
    case FetchOutcome::Fetched:
      break;
  }
  if (const std::optional<std::string> problem = DayListProblem(fetched.bytes))
    return Failed(std::string(kDayListFileName) + " " + *problem);
  const std::filesystem::path copy = programFolder / PathFromUtf8(kSchoolDayListFileName);
  const FileBytes onDisk = ReadWholeFile(copy, fetched.bytes.size());
  if (onDisk.status == FileStatus::Ok && onDisk.bytes == fetched.bytes)
    return {UpdateOutcome::Unchanged, {}};
  if (ReplaceFileContents(copy, fetched.bytes) != FileStatus::Ok)
    return Failed("无法写入 " + std::string(kSchoolDayListFileName));
  return {UpdateOutcome::Changed, {}};
}

std::optional<std::string> DayListProblem(std::string_view bytes) {
  const std::string notADayList = "不是日程表文件";
  if (bytes.size() > kMaxDayListBytes || bytes.find('\0') != std::string_view::npos)
    return notADayList;
  const FileText text = DecideFileText(bytes);
  // Bytes the code page cannot read come back from its decoder as something else (U+FFFD, a
  // default character), which does not turn into the same bytes again.
  if (text.encoding != FileEncoding::Utf8 &&
      Utf8ToAnsiExact(AnsiToUtf8(text.body)) != std::string(text.body))
    return notADayList;
  const std::vector<int> unreadable = ParseDayList(bytes).UnreadableLines();
  if (!unreadable.empty()) return "第 " + std::to_string(unreadable.front()) + " 行无法识别";
  return std::nullopt;
}

}  // namespace orvel::exchange
