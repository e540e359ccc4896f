#pragma once
// The read receipt of a notice: when the followed source is a file path (a Windows share) and
// follow.ini says notices-read=on, pressing 知道了 appends one line to
//   <the timetable's folder>\notices.read\<computer name>.csv
// so that the office sees which class read what and when, one file per PC (no two PCs write one
// file). The line is 时间,班级,计算机名,通知的开始,内容的前 20 字, in UTF-8; a file the program
// creates begins with a byte-order mark, which is how a spreadsheet knows it is UTF-8. A field
// holding a comma or a quote is written in quotes with the quote doubled, as spreadsheets read it.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "exchange/followed_source.h"
#include "platform/file_io.h"
#include "timetable/exam_list.h"

namespace orvel::exchange {

inline constexpr std::string_view kReceiptFolderName = "notices.read";
// A file this large is not written to any more: a share is not the program's to fill.
inline constexpr std::uintmax_t kMaxReceiptFileBytes = 1u << 20;
// How much of a notice's text the receipt repeats, in characters.
inline constexpr std::size_t kReceiptTextCharacters = 20;

struct ReadReceipt {
  LocalDateTime pressedAt;
  std::string className;
  std::string computerName;
  LocalDateTime noticeStart;
  std::string text;  // the notice's whole text; the line takes its first characters
};

// The line, CR LF ended; times as "2026-12-09 07:31".
std::string ReceiptLine(const ReadReceipt& receipt);

// Where this PC's receipts go: nothing for a web source, or a computer name that cannot be a
// file's name.
std::optional<std::filesystem::path> ReceiptFile(const FollowedSource& source,
                                                 std::string_view computerName);

// `line` appended to `file`, its folder made when missing (never the folders above it). TooLarge
// when the file is already over kMaxReceiptFileBytes; nothing is written then.
FileStatus AppendReceipt(const std::filesystem::path& file, std::string_view line);

}  // namespace orvel::exchange
