#include "exchange/followed_source.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "exchange/followed_copy.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "timetable/file_text.h"
#include "timetable/program_folder.h"
#include "timetable/timetable_reader.h"
#include "timetable/timetable_writer.h"

namespace orvel::exchange {
namespace {

constexpr std::string_view kClassPlaceholder = "{class}";
constexpr std::string_view kComputerPlaceholder = "{computer}";
constexpr int kForbidden = 403;

using Kind = FollowProblem::Kind;

SourceResolution Problem(Kind kind, std::string name = {}) {
  return {std::nullopt, ProblemOf(kind, std::move(name))};
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

void AppendEscaped(std::string& out, char c) {
  constexpr char kHex[] = "0123456789ABCDEF";
  const auto b = static_cast<unsigned char>(c);
  out += '%';
  out += kHex[b >> 4];
  out += kHex[b & 15];
}

// An address as a request carries it: other characters than the visible ASCII ones as %XX of
// their UTF-8 bytes; escapes already there stay.
std::string PercentEncoded(std::string_view text) {
  std::string out;
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b >= 0x7F || std::string_view("\"<>\\^`{|}").find(c) != std::string_view::npos)
      AppendEscaped(out, c);
    else
      out += c;
  }
  return out;
}

// The class name as a part of an address: every byte but letters, digits and "-._~()" as %XX, so
// that "%2e%2e", "&", "#" or "%" in a name stay part of the file's name.
std::string AddressPart(std::string_view text) {
  std::string out;
  for (char c : text) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
        std::string_view("-._~()").find(c) != std::string_view::npos)
      out += c;
    else
      AppendEscaped(out, c);
  }
  return out;
}

// Just after the "@" that ends an address's user name and password; `hostStart` without them.
std::size_t CredentialsEnd(std::string_view address, std::size_t hostStart) {
  constexpr auto npos = std::string_view::npos;
  // The query and fragment are looked for after the last "/", which a password may hold; an
  // address without a path has them after its last "@".
  std::size_t from = address.rfind('/');
  if (from == npos || from < hostStart) from = address.rfind('@');
  if (from == npos || from < hostStart) from = hostStart;
  const std::size_t tail = std::min(address.find_first_of("?#", from), address.size());
  const std::size_t at = address.substr(0, tail).rfind('@');
  return at != npos && at >= hostStart ? at + 1 : hostStart;
}

FetchedFile FetchFailed(FileStatus status) {
  FetchedFile fetched;
  fetched.problem = ProblemOf(Kind::FileUnreadable);
  fetched.problem.fileStatus = status;
  return fetched;
}

// `forbiddenIsMissing`: a 403 is no file, as object stores answer for an object they lack.
FetchedFile FetchWeb(ui::Http& http, const std::string& url, const Validators& known,
                     bool forbiddenIsMissing) {
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
      if (forbiddenIsMissing && answer.status == kForbidden) {
        fetched.outcome = FetchOutcome::Missing;
      } else {
        fetched.problem = ProblemOf(Kind::Network);
        fetched.problem.http = answer.failure;
        fetched.problem.status = answer.status;
        fetched.problem.errorCode = answer.errorCode;
      }
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
  if (read.status != FileStatus::Ok) return FetchFailed(read.status);
  FetchedFile fetched;
  fetched.outcome = FetchOutcome::Fetched;
  fetched.bytes = std::move(read.bytes);
  fetched.validators = now;
  return fetched;
}

Update Failed(FollowProblem problem) {
  return {UpdateOutcome::Failed, std::move(problem)};
}

// A problem with `file` of the source rather than the timetable.
FollowProblem OfFile(FollowProblem problem, std::string_view file) {
  problem.file = std::string(file);
  return problem;
}

// The list, or why fetched bytes may not be kept as one.
CheckedDayList CheckDayListBytes(std::string_view bytes) {
  const FollowProblem notADayList = ProblemOf(Kind::NotADayList);
  if (bytes.size() > kMaxDayListBytes || bytes.find('\0') != std::string_view::npos)
    return {std::nullopt, notADayList};
  const FileText text = DecideFileText(bytes);
  // Bytes the code page cannot read come back from its decoder as something else (U+FFFD, a
  // default character), which does not turn into the same bytes again.
  if (text.encoding != FileEncoding::Utf8 &&
      Utf8ToAnsiExact(AnsiToUtf8(text.body)) != std::string(text.body))
    return {std::nullopt, notADayList};
  DayList list = ParseDayList(bytes);
  const std::vector<int> unreadable = list.UnreadableLines();
  if (!unreadable.empty()) {
    FollowProblem problem = ProblemOf(Kind::DayListLineUnreadable);
    problem.line = unreadable.front();
    return {std::nullopt, std::move(problem)};
  }
  return {std::move(list), std::nullopt};
}

}  // namespace

std::string WithoutCredentials(std::string_view address) {
  const std::size_t scheme = address.find("://");
  if (scheme == std::string_view::npos) return std::string(address);
  const std::size_t hostStart = scheme + 3;
  std::string text(address);
  text.erase(hostStart, CredentialsEnd(address, hostStart) - hostStart);
  return text;
}

SourceResolution ResolveSource(std::string_view sourceText, std::string_view classNameText,
                               std::string_view computerName) {
  const std::string source(TrimBlanks(sourceText));
  if (source.empty()) return Problem(Kind::NoSource);
  if (HasControlCharacter(source)) return Problem(Kind::ControlCharacterInSource);
  if (HasControlCharacter(classNameText)) return Problem(Kind::ControlCharacterInClass);
  const bool byComputer = source.find(kComputerPlaceholder) != std::string::npos ||
                          classNameText.find(kComputerPlaceholder) != std::string_view::npos;
  // The name is one part of a file's name, as a class name is.
  if (byComputer && !IsTimetableFileName(computerName))
    return Problem(Kind::NoComputerName, std::string(computerName));
  // One line for every PC of a school whose PCs are named by room: the class is the computer.
  const std::string className =
      ReplaceAll(std::string(classNameText), kComputerPlaceholder, computerName);
  const bool byClass = source.find(kClassPlaceholder) != std::string::npos;
  if (byClass) {
    if (className.empty()) return Problem(Kind::NoClassName);
    if (!IsTimetableFileName(className))
      return Problem(Kind::ClassNameNotAFileName, std::string(className));
  }

  FollowedSource followed;
  followed.className = className;
  // What is shown never holds the user name and password an address may carry.
  followed.shown = ReplaceAll(ReplaceAll(WithoutCredentials(source), kClassPlaceholder, className),
                              kComputerPlaceholder, computerName);
  const std::string lower = AsciiLower(source);
  if (lower.starts_with("http://") || lower.starts_with("https://")) {
    followed.kind = SourceKind::Web;
    // A raw "/", "?" or "#" ends the user name or password for the system's client, which would
    // then send the rest of the password as the address's path.
    const std::size_t hostStart = source.find("://") + 3;
    const std::size_t credentialsEnd = CredentialsEnd(source, hostStart);
    if (source.substr(hostStart, credentialsEnd - hostStart).find_first_of("/?#") !=
        std::string::npos) {
      const std::size_t hostEnd =
          std::min(source.find_first_of("/?#", credentialsEnd), source.size());
      return Problem(Kind::RawCharacterInPassword,
                     source.substr(credentialsEnd, hostEnd - credentialsEnd));
    }
    const std::string address =
        PercentEncoded(ReplaceAll(ReplaceAll(source, kClassPlaceholder, AddressPart(className)),
                                  kComputerPlaceholder, AddressPart(computerName)));
    const std::size_t pathStart = address.find('/', hostStart);
    const std::size_t pathEnd = std::min(address.find_first_of("?#", hostStart), address.size());
    if (pathStart == std::string::npos || pathStart > pathEnd)
      return Problem(Kind::NoFileInAddress, followed.shown);
    // A fragment is never sent; a query (a signed link) goes with the day list too.
    const std::size_t fragment = std::min(address.find('#', pathEnd), address.size());
    const std::string_view path = std::string_view(address).substr(0, pathEnd);
    const std::size_t last = path.rfind('/');
    followed.fileName = PercentDecoded(path.substr(last + 1));
    followed.timetable = address.substr(0, fragment);
    followed.folder = std::string(path.substr(0, last + 1));
    followed.query = address.substr(pathEnd, fragment - pathEnd);
  } else if (lower.find("://") != std::string::npos) {
    return Problem(Kind::NotWebOrFile);
  } else {
    followed.kind = SourceKind::File;
    followed.timetable = ReplaceAll(ReplaceAll(source, kClassPlaceholder, className),
                                    kComputerPlaceholder, computerName);
    const std::string_view path = followed.timetable;
    const std::size_t last = path.find_last_of("\\/");
    const std::string_view folder =
        last == std::string::npos ? std::string_view() : path.substr(0, last + 1);
    followed.fileName = std::string(path.substr(last == std::string::npos ? 0 : last + 1));
    followed.folder = std::string(folder);
  }
  followed.dayList = followed.folder + std::string(kDayListFileName) + followed.query;

  const std::optional<ImportKind> kind = ImportKindOf(PathFromUtf8(followed.fileName));
  if (followed.fileName.empty() || !kind)
    return Problem(Kind::NotATimetableFile, followed.shown);
  followed.scdFileName = *kind == ImportKind::Cses
                             ? Utf8FromPath(PathFromUtf8(followed.fileName).stem()) + ".csv"
                             : followed.fileName;
  if (!IsTimetableFileName(followed.scdFileName))
    return Problem(Kind::UnusableFileName, followed.fileName);
  return {std::move(followed), {}};
}

FetchedFile FetchFile(ui::Http& http, SourceKind kind, const std::string& location,
                      const Validators& known) {
  return kind == SourceKind::Web ? FetchWeb(http, location, known, false)
                                 : FetchPath(location, known);
}

FetchedFile FetchOptionalFile(ui::Http& http, SourceKind kind, const std::string& location,
                              const Validators& known) {
  return kind == SourceKind::Web ? FetchWeb(http, location, known, true)
                                 : FetchPath(location, known);
}

FetchRound FetchSource(ui::Http& http, const FollowedSource& source, const Validators& timetable,
                       const Validators& dayList) {
  FetchRound round;
  round.timetable = FetchFile(http, source.kind, source.timetable, timetable);
  // A source that did not answer would only make the day list wait as long again.
  if (round.timetable.outcome == FetchOutcome::Fetched ||
      round.timetable.outcome == FetchOutcome::Unchanged)
    round.dayList = FetchOptionalFile(http, source.kind, source.dayList, dayList);
  return round;
}

CheckedTimetable CheckTimetable(const FetchedFile& fetched, const FollowedSource& source,
                                Edition edition) {
  CheckedTimetable checked;
  switch (fetched.outcome) {
    case FetchOutcome::Unchanged:
      checked.outcome = UpdateOutcome::Unchanged;
      return checked;
    case FetchOutcome::Missing:
      checked.problem = ProblemOf(Kind::NoTimetable, source.fileName);
      return checked;
    case FetchOutcome::Failed:
      checked.problem = fetched.problem;
      return checked;
    case FetchOutcome::Fetched:
      break;
  }
  ImportPreparation preparation = PrepareImportBytes(source.fileName, fetched.bytes, edition);
  if (!preparation.prepared) {
    checked.problem = ProblemOf(Kind::TimetableRefused);
    checked.problem.import = std::move(preparation.refusal);
    return checked;
  }
  std::optional<std::string> bytes = ImportedBytes(*preparation.prepared);
  if (!bytes) {
    checked.problem = ProblemOf(Kind::UnsavableCell);
    return checked;
  }
  checked.outcome = UpdateOutcome::Changed;
  checked.prepared = std::move(preparation.prepared);
  checked.bytes = std::move(*bytes);
  return checked;
}

Update UpdateTimetable(const CheckedTimetable& checked, const FollowedSource& source,
                       const std::filesystem::path& programFolder, Edition edition) {
  if (checked.outcome != UpdateOutcome::Changed || !checked.prepared)
    return {checked.outcome, checked.problem};
  const PreparedImport& prepared = *checked.prepared;
  const FileBytes onDisk =
      ReadWholeFile(ImportTarget(prepared, programFolder), checked.bytes.size());
  if (onDisk.status == FileStatus::Ok && onDisk.bytes == checked.bytes)
    return {UpdateOutcome::Unchanged, {}};
  const std::optional<std::string> kept =
      KeepOwnTimetable(programFolder, prepared.scdFileName, source.shown);
  if (!kept) return Failed(ProblemOf(Kind::CannotKeepOwnCopy, prepared.scdFileName));
  if (WriteImport(prepared, programFolder, edition).status != SaveStatus::Saved)
    return Failed(ProblemOf(Kind::CannotWriteTimetable, prepared.scdFileName));
  NoteCopyWritten(programFolder, prepared.scdFileName, source.shown);
  return {UpdateOutcome::Changed, {}, *kept};
}

Update UpdateTimetable(const FetchedFile& fetched, const FollowedSource& source,
                       const std::filesystem::path& programFolder, Edition edition) {
  return UpdateTimetable(CheckTimetable(fetched, source, edition), source, programFolder, edition);
}

Update UpdateSchoolDayList(const FetchedFile& fetched, const std::filesystem::path& programFolder) {
  return UpdateSchoolDayList(fetched, CheckDayList(fetched), programFolder);
}

Update UpdateSchoolDayList(const FetchedFile& fetched, const CheckedDayList& checked,
                           const std::filesystem::path& programFolder) {
  switch (fetched.outcome) {
    case FetchOutcome::Unchanged:
    case FetchOutcome::Missing:
      return {UpdateOutcome::Unchanged, {}};
    case FetchOutcome::Failed:
      return Failed(OfFile(fetched.problem, kDayListFileName));
    case FetchOutcome::Fetched:
      break;
  }
  if (checked.problem) return Failed(OfFile(*checked.problem, kDayListFileName));
  const std::filesystem::path copy = programFolder / PathFromUtf8(kSchoolDayListFileName);
  const FileBytes onDisk = ReadWholeFile(copy, fetched.bytes.size());
  if (onDisk.status == FileStatus::Ok && onDisk.bytes == fetched.bytes)
    return {UpdateOutcome::Unchanged, {}};
  if (ReplaceFileContents(copy, fetched.bytes) != FileStatus::Ok)
    return Failed(ProblemOf(Kind::CannotWriteCopy, std::string(kSchoolDayListFileName)));
  return {UpdateOutcome::Changed, {}};
}

CheckedDayList CheckDayList(const FetchedFile& fetched) {
  if (fetched.outcome != FetchOutcome::Fetched) return {};
  return CheckDayListBytes(fetched.bytes);
}

std::optional<FollowProblem> DayListProblem(std::string_view bytes) {
  return CheckDayListBytes(bytes).problem;
}

}  // namespace orvel::exchange
