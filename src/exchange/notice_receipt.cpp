#include "exchange/notice_receipt.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "timetable/file_text.h"
#include "timetable/program_folder.h"

namespace orvel::exchange {
namespace {

std::string DateTimeText(const LocalDateTime& at) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d", static_cast<int>(at.date.year()),
                static_cast<unsigned>(at.date.month()), static_cast<unsigned>(at.date.day()),
                at.secondOfDay / 3600, at.secondOfDay / 60 % 60);
  return text;
}

std::string Field(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string_view FirstCharacters(std::string_view utf8, std::size_t count) {
  std::size_t end = 0;
  for (; count > 0 && end < utf8.size(); --count)
    end += std::max<std::size_t>(1, Utf8CharacterLength(utf8.substr(end)));
  return utf8.substr(0, end);
}

}  // namespace

std::string ReceiptLine(const ReadReceipt& receipt) {
  return DateTimeText(receipt.pressedAt) + "," + Field(receipt.className) + "," +
         Field(receipt.computerName) + "," + DateTimeText(receipt.noticeStart) + "," +
         Field(FirstCharacters(receipt.text, kReceiptTextCharacters)) + "\r\n";
}

std::optional<std::filesystem::path> ReceiptFile(const FollowedSource& source,
                                                 std::string_view computerName) {
  if (source.kind != SourceKind::File || !IsTimetableFileName(computerName)) return std::nullopt;
  return PathFromUtf8(source.folder) / PathFromUtf8(kReceiptFolderName) /
         PathFromUtf8(std::string(computerName) + ".csv");
}

FileStatus AppendReceipt(const std::filesystem::path& file, std::string_view line) {
  std::error_code ec;
  std::filesystem::create_directory(file.parent_path(), ec);
  if (ec) return ec == std::errc::permission_denied ? FileStatus::AccessDenied : FileStatus::Failed;
  const bool exists = std::filesystem::exists(file, ec);
  if (ec) return FileStatus::Failed;
  if (exists) {
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) return FileStatus::Failed;
    if (size > kMaxReceiptFileBytes) return FileStatus::TooLarge;
  }
  std::ofstream out(file, std::ios::binary | std::ios::app);
  if (!out) return FileStatus::AccessDenied;
  if (!exists) out << kUtf8Mark;
  out << line;
  out.flush();
  return out ? FileStatus::Ok : FileStatus::Failed;
}

}  // namespace orvel::exchange
