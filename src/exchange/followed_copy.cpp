#include "exchange/followed_copy.h"

#include <system_error>

#include "platform/file_io.h"
#include "timetable/day_list.h"
#include "timetable/file_text.h"
#include "timetable/program_folder.h"

namespace orvel::exchange {
namespace {

constexpr std::size_t kMaxNoteBytes = 4096;
constexpr int kMaxBackups = 9;

struct CopyNote {
  std::string source, file, size, modified;
  friend bool operator==(const CopyNote&, const CopyNote&) = default;
};

std::filesystem::path NotePath(const std::filesystem::path& programFolder) {
  return programFolder / PathFromUtf8(kFollowCopyFileName);
}

// What the note would say of scd\scdFileName as it is now; nothing when there is no such file.
std::optional<CopyNote> NoteOf(const std::filesystem::path& programFolder,
                               std::string_view scdFileName, std::string_view source) {
  const std::filesystem::path file = TimetableFolder(programFolder) / PathFromUtf8(scdFileName);
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec) return std::nullopt;
  const auto modified = std::filesystem::last_write_time(file, ec);
  if (ec) return std::nullopt;
  return CopyNote{std::string(source), std::string(scdFileName), std::to_string(size),
                  std::to_string(modified.time_since_epoch().count())};
}

std::optional<CopyNote> ReadNote(const std::filesystem::path& programFolder) {
  const FileBytes read = ReadWholeFile(NotePath(programFolder), kMaxNoteBytes);
  if (read.status != FileStatus::Ok) return std::nullopt;
  CopyNote note;
  const FileText text = DecideFileText(read.bytes);
  std::string_view rest = text.body;
  while (const std::optional<KeyValue> line = TakeKeyValue(rest)) {
    const std::string& key = line->key;
    const std::string value(line->value);
    if (key == "source") note.source = value;
    if (key == "file") note.file = value;
    if (key == "size") note.size = value;
    if (key == "modified") note.modified = value;
  }
  return note;
}

}  // namespace

std::optional<std::string> KeepOwnTimetable(const std::filesystem::path& programFolder,
                                            std::string_view scdFileName, std::string_view source) {
  const std::optional<CopyNote> now = NoteOf(programFolder, scdFileName, source);
  if (!now || ReadNote(programFolder) == now) return std::string();
  const std::filesystem::path scd = TimetableFolder(programFolder);
  for (int n = 1; n <= kMaxBackups; ++n) {
    const std::string backup =
        std::string(scdFileName) + (n == 1 ? "" : "." + std::to_string(n)) + ".bak";
    std::error_code ec;
    // An earlier backup is never overwritten.
    if (std::filesystem::copy_file(scd / PathFromUtf8(scdFileName), scd / PathFromUtf8(backup),
                                   std::filesystem::copy_options::none, ec))
      return backup;
    if (!std::filesystem::exists(scd / PathFromUtf8(backup), ec)) return std::nullopt;
  }
  return std::nullopt;
}

void NoteCopyWritten(const std::filesystem::path& programFolder, std::string_view scdFileName,
                     std::string_view source) {
  const std::optional<CopyNote> note = NoteOf(programFolder, scdFileName, source);
  // The names come from a resolved source, which holds no line break; a note that cannot be
  // written only means one more backup at the next replacement.
  if (!note || HasControlCharacter(note->source) || HasControlCharacter(note->file)) return;
  ReplaceFileContents(NotePath(programFolder),
                      std::string(kUtf8Mark) + "source=" + note->source + "\r\nfile=" + note->file +
                          "\r\nsize=" + note->size + "\r\nmodified=" + note->modified + "\r\n");
}

std::optional<std::string> SetSchoolDayListAside(const std::filesystem::path& programFolder) {
  const std::filesystem::path list = programFolder / PathFromUtf8(kSchoolDayListFileName);
  const std::string asideName = std::string(kSchoolDayListFileName) + ".bak";
  std::error_code ec;
  if (!std::filesystem::exists(list, ec)) return ec ? std::nullopt : std::optional(std::string());
  std::filesystem::rename(list, programFolder / PathFromUtf8(asideName), ec);
  if (ec) return std::nullopt;
  return asideName;
}

}  // namespace orvel::exchange
