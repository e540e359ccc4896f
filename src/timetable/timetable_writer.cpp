#include "timetable/timetable_writer.h"

#include <system_error>

#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "timetable/file_text.h"
#include "timetable/program_folder.h"
#include "timetable/timetable_reader.h"

namespace orvel {
namespace {

struct EncodedTable {
  std::string bytes;
  std::optional<UnwritableCell> refused;
};

EncodedTable Encode(const Timetable& timetable) {
  EncodedTable out;
  out.bytes = std::to_string(timetable.rows()) + "," + std::to_string(timetable.cols()) + "\r\n";
  std::optional<UnwritableCell> firstNonAscii;
  for (int r = 0; r < timetable.rows(); ++r) {
    for (int c = 0; c < timetable.cols(); ++c) {
      const std::string& text = timetable.cell(r, c);
      EncodedField field = EncodeField(text);
      if (field.refusal) {
        out.refused = UnwritableCell{r, c, std::move(*field.refusal)};
        out.bytes.clear();
        return out;
      }
      if (!firstNonAscii && !IsAscii(text)) firstNonAscii = UnwritableCell{r, c, {}};
      if (c > 0) out.bytes += ',';
      out.bytes += field.ansi;
    }
    out.bytes += "\r\n";
  }
  if (firstNonAscii) {
    const std::string& text = timetable.cell(firstNonAscii->row, firstNonAscii->col);
    if (std::optional<FieldRefusal> refusal = RefuseIfTakenForUtf8(out.bytes, text)) {
      firstNonAscii->refusal = std::move(*refusal);
      out.refused = std::move(firstNonAscii);
      out.bytes.clear();
    }
  }
  return out;
}

// What the save would lose of the file there now; No when there is no file.
OldFileKept LossOfOldFile(const std::filesystem::path& file, const Timetable& saved,
                          Edition edition) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return OldFileKept::No;
  const TimetableRead old = ReadTimetableFile(file, edition);
  if (!old.table) return OldFileKept::Unreadable;
  if (old.unshown.Any()) return OldFileKept::UnshownContent;
  if (HoldsNoTimetable(saved) && !HoldsNoTimetable(*old.table)) return OldFileKept::Timetable;
  return OldFileKept::No;
}

// Copies the file to `backup`, writable so that a later backup can replace it.
FileStatus KeepOldFile(const std::filesystem::path& file, const std::filesystem::path& backup) {
  std::error_code ec;
  std::filesystem::copy_file(file, backup, std::filesystem::copy_options::overwrite_existing, ec);
  if (ec) {
    // A file another program holds is refused the same way as a read-only one.
    const bool denied =
        ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
        ec == std::errc::device_or_resource_busy || ec == std::errc::read_only_file_system;
    return denied ? FileStatus::AccessDenied : FileStatus::Failed;
  }
  std::filesystem::permissions(backup, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add, ec);
  return FileStatus::Ok;
}

}  // namespace

SaveStatus SaveStatusOf(FileStatus status) {
  switch (status) {
    case FileStatus::Ok:
      return SaveStatus::Saved;
    case FileStatus::AccessDenied:
      return SaveStatus::ReadOnly;
    default:
      return SaveStatus::Failed;
  }
}

std::optional<UnwritableCell> FindUnwritableCell(const Timetable& timetable) {
  return Encode(timetable).refused;
}

std::optional<std::string> FormatTimetable(const Timetable& timetable) {
  EncodedTable encoded = Encode(timetable);
  if (encoded.refused) return std::nullopt;
  return std::move(encoded.bytes);
}

SaveResult ScdSave(const std::filesystem::path& programFolder, std::string_view scdFile,
                   const Timetable& timetable, Edition edition) {
  SaveResult result;
  const std::optional<std::filesystem::path> file = TimetableFilePath(programFolder, scdFile);
  const std::optional<std::filesystem::path> backup =
      TimetableFilePath(programFolder, std::string(scdFile) + ".bak");
  if (!file || !backup) return result;
  EncodedTable encoded = Encode(timetable);
  if (encoded.refused) {
    result.refusedCell = std::move(encoded.refused);
    return result;
  }
  const OldFileKept loss = LossOfOldFile(*file, timetable, edition);
  if (loss != OldFileKept::No) {
    const FileStatus kept = KeepOldFile(*file, *backup);
    if (kept != FileStatus::Ok) {
      result.status = SaveStatusOf(kept);
      return result;
    }
    result.keptOldFile = loss;
  }
  result.status = SaveStatusOf(ReplaceFileContents(*file, encoded.bytes));
  return result;
}

}  // namespace orvel
