#pragma once
// The sentences of the 通知 window: a notice's line in its list, and what is wrong with a notice
// file (the whole file refused, or lines skipped), each naming the file and the line.
#include <string>
#include <string_view>
#include <vector>

#include "exchange/notice_file.h"
#include "timetable/notice_list.h"

namespace orvel::program {

inline constexpr std::string_view kNoticesTitle = "通知";
// The PC's own file and the school's copy, as the status line names them.
inline constexpr std::string_view kSchoolNoticeFileName = "notices.school.csv";

enum class NoticeProgress { NotShown, Shown, Acknowledged };

// "12月9日 07:30–12:00  紧急  第三节课后全校到操场集合  已知道"; a span over midnight names its
// end's date too.
std::string NoticeLineText(const Notice& notice, NoticeProgress progress);

// One sentence for a refused file, or one for each skipped line, in the file's order.
std::vector<std::string> NoticeFileTexts(std::string_view fileName,
                                         const exchange::NoticeFileRead& read);

}  // namespace orvel::program
